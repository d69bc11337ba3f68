#include "houses/HouseVisit.h"

#include "app/GameApp.h"
#include "engine/KeyCodes.h"
#include "houses/HouseCopies.h"
#include "houses/HouseKinds.h"
#include "houses/HouseQuests.h"
#include "houses/QuestEngine.h"
#include "world/Counters.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr int32_t kPanelX = 170;
constexpr int32_t kPanelY = 200;

bool MousePressed(const InputDevice& mouse) {
    return mouse.ButtonPressed(0) != 0 || mouse.ButtonPressed(1) != 0;
}

}  // namespace

VisitFrame::VisitFrame(GameApp& app, HouseScreen& screen)
    : app_(app), world_(*app.world), screen_(screen) {}

void VisitFrame::Create() {
    GraphicsDevice* device = &app_.device;
    CopyVisitorIdentityIn(world_, screen_);
    screen_.InitMainSprites(device);
    screen_.InitHouseArt(device);
    screen_.InitPortraits(device);
    screen_.InitArmyPictures(device);
    screen_.questState = world_.questState;
    // Quest moment: creation.
    screen_.CheckHeldItemFlags();
    RunQuestUpdaters(screen_);
    screen_.LoadRewardItemArt(device);
    screen_.InitRecruitTable(world_.day);
    screen_.day = world_.day;
    CopyVisitorIn(world_, screen_);
    screen_.LayoutNames();
    CopyStoreIn(world_, screen_);
    screen_.ReturnHeldItems();
    screen_.UpkeepArmiesOnEntry();
}

void VisitFrame::Keys() {
    app_.PollKeyboard();
    if (app_.KeyOnce(kKeyBack)) {
        app_.SwitchState(MapStateThunk, kPhaseSwitch);
    }
    if (app_.KeyOnce(kKeyEscape)) {
        app_.SwitchState(MapStateThunk, kPhaseSwitch);
    }
    if (!app_.KeyOnce(kKeyReturn)) {
        return;
    }
    HouseScreen& s = screen_;
    s.healFailShown = 0;
    s.healDoneShown = 0;
    s.disbandQuestion = 0;
    s.selectedArmy = 0;
    s.recruitOpen = 0;
    s.offerChosen = 0;
    s.recruitJoinedShown = 0;
    s.noRoomShown = 0;
    s.noMoneyForRecruit = 0;
    s.talkOpen = 0;
    s.acceptQuestion = 0;
    s.acceptedNow = 0;
    s.returnedMessage = 0;
    s.stillHeldMessage = 0;
    s.trainingMessage = 0;
    CloseRaisedMessage();
}

void VisitFrame::Pointer() {
    const int32_t x = app_.mouseCursor.x;
    const int32_t y = app_.mouseCursor.y;
    InputDevice& mouse = app_.mouseCursor.mouse;
    screen_.OnMouseMove(x, y);
    const bool pressed = MousePressed(mouse);
    if (pressed) {
        Press();
    }
    Release();
    Act(screen_.buttons.TakeAction(mouse));
    if (!pressed) {
        if (screen_.raisedMessage == 1 || screen_.trainingMessage == 1 || screen_.talkOpen == 1) {
            screen_.messageOpen = 1;
        }
    }
}

void VisitFrame::Press() {
    const int32_t x = app_.mouseCursor.x;
    const int32_t y = app_.mouseCursor.y;
    InputDevice& mouse = app_.mouseCursor.mouse;
    HouseScreen& s = screen_;
    s.mouseDown = 1;
    s.OnMouseClick(x, y, mouse);
    if (s.buttons.pressedId == kNameButton) {
        HandOverArmyName();
    }
    s.OnArmyOrOfferClick(x, y, mouse);
    if (s.selectedArmy != 0) {
        s.talkOpen = 0;
        s.acceptQuestion = 0;
        s.acceptedNow = 0;
    }
    if (s.healFailShown != 0 || s.healDoneShown != 0) {
        s.healBoxClose = 1;
    }
    if (s.recruitOpen != 0 && s.offerChosen == 0) {
        s.recruitBoxClose = 1;
    }
    if (s.messageOpen != 0) {
        s.messageOpen = 0;
        if (s.trainingMessage == 1) {
            s.trainingMessage = 0;
        }
        CloseRaisedMessage();
        if (s.talkOpen != 0) {
            CloseTalk();
        }
    }
}

void VisitFrame::Release() {
    HouseScreen& s = screen_;
    if (s.mouseDown == 0) {
        return;
    }
    s.clickLatch = 1;
    if (IsMouseIdle(app_.mouseCursor.mouse) != 1) {
        return;
    }
    s.mouseDown = 0;
    if (s.healBoxClose != 0) {
        s.healBoxClose = 0;
        s.healFailShown = 0;
        s.healDoneShown = 0;
    }
    if (s.recruitBoxClose != 0) {
        s.recruitBoxClose = 0;
        CloseRecruitPanel();
        s.noRoomShown = 0;
        s.noMoneyForRecruit = 0;
        s.recruitJoinedShown = 0;
    }
    if (s.reminderShown != 0) {
        s.reminderShown = 0;
        CloseTalk();
    }
    if (s.acceptedShown != 0) {
        s.acceptedShown = 0;
        CloseTalk();
    }
    if (s.offeredQuest != 0 && s.Quest(s.offeredQuest) == kQuestAccepted) {
        s.acceptedShown = 1;
        s.acceptedNow = 0;
    }
    if (s.clickLatch != 0) {
        s.returnedMessage = 0;
        s.stillHeldMessage = 0;
        s.clickLatch = 0;
    }
}

void VisitFrame::Act(uint8_t id) {
    HouseScreen& s = screen_;
    switch (id) {
        case kLeaveButton:
            app_.SwitchState(MapStateThunk, kPhaseSwitch);
            break;
        case kHealButton:
            s.healRequested = 1;
            CloseRecruitPanel();
            s.talkOpen = 0;
            s.acceptQuestion = 0;
            s.acceptedNow = 0;
            break;
        case kRecruitButton:
            s.recruitOpen = 1;
            s.talkOpen = 0;
            s.acceptQuestion = 0;
            s.acceptedNow = 0;
            break;
        case kTalkButton:
            Talk();
            break;
        case kDisbandYesButton:
            s.disbandQuestion = 0;
            s.disbandSlot = s.selectedArmy;
            s.selectedArmy = 0;
            s.ClearDisbandedArmy();
            break;
        case kDisbandNoButton:
            s.disbandQuestion = 0;
            s.selectedArmy = 0;
            break;
        case kRecruitYesButton:
            s.offerToBuy = s.offerChosen;
            s.buyNow = 1;
            s.offerChosen = 0;
            break;
        case kRecruitNoButton:
            CloseRecruitPanel();
            break;
        case kAcceptYesButton:
            AcceptQuest();
            break;
        case kAcceptNoButton:
            s.talkOpen = 0;
            s.acceptQuestion = 0;
            break;
        default:
            // None; or Disband and Name, whose work was done at the press.
            break;
    }
}

void VisitFrame::Talk() {
    HouseScreen& s = screen_;
    s.talkOpen = 1;
    CloseRecruitPanel();
    // The quest progress below still sees the joining quests waiting for their rewards.
    JoinPlacesOnTalk(s, world_);
    s.disbandQuestion = 0;
    s.selectedArmy = 0;
    s.acceptedNow = 0;
    // Quest moment: Talk.
    s.CheckHeldItemFlags();
    RunQuestUpdaters(s);
    s.LoadRewardItemArt(&app_.device);
    if (s.offeredQuest != 0 && s.Quest(s.offeredQuest) == kQuestInProgress) {
        s.reminderShown = 1;
    }
}

void VisitFrame::AcceptQuest() {
    HouseScreen& s = screen_;
    if (s.offeredQuest != 0) {
        s.Quest(s.offeredQuest) = kQuestAccepted;
        world_.fame = AddToCounter(world_.fame, 1);
    }
    s.talkOpen = 0;
    s.acceptQuestion = 0;
    s.acceptedNow = 1;
    // Quest moment: accept Yes, which pays the gift the progress puts in place.
    s.CheckHeldItemFlags();
    RunQuestUpdaters(s);
    s.LoadRewardItemArt(&app_.device);
    PayQuestGifts(s, &world_.gold);
}

void VisitFrame::HandOverArmyName() {
    HouseScreen& s = screen_;
    const int index = s.SelectedArmyIndex();
    app_.renameReturn = FactsOf(s.Kind()).renameReturn;
    app_.renameArmy = 1;
    if (index >= 0) {
        world_.armyNameHandOver = s.army.name[static_cast<size_t>(index)];
    }
    app_.renameArmySlot = static_cast<uint8_t>(index + 1);
    app_.renameOwner = s.visitor;
    app_.SwitchState(RenameStateThunk, kPhaseSwitch);
}

void VisitFrame::CloseTalk() {
    screen_.talkOpen = 0;
    // The accept buttons are drawn only with the talk box; unseen, they must not stay live,
    // unless this very press took one of them.
    const uint8_t pressed = screen_.buttons.pressedId;
    if (pressed != kAcceptYesButton && pressed != kAcceptNoButton) {
        screen_.acceptQuestion = 0;
    }
}

void VisitFrame::CloseRecruitPanel() {
    // An offer stays chosen only while the panel that shows it is open.
    screen_.recruitOpen = 0;
    screen_.offerChosen = 0;
}

void VisitFrame::CloseRaisedMessage() {
    if (screen_.raisedMessage != 0) {
        screen_.raisedMessage = 0;
        screen_.UpkeepArmiesOnEntry();
    }
}

uint8_t* VisitFrame::JoinedFlag(uint8_t house) const {
    switch (screen_.Kind()) {
        case HouseKind::Village:
            return house >= 1 && house <= kVillageCount ? &world_.VillageJoined(house) : nullptr;
        case HouseKind::Town:
            return house >= 1 && house <= kTownCount ? &world_.TownOwned(house) : nullptr;
        default:
            return nullptr;
    }
}

void VisitFrame::Join() {
    HouseScreen& s = screen_;
    const uint8_t* joined = JoinedFlag(s.houseNumber);
    if (s.joinState == 0 && joined != nullptr && *joined != 0) {
        s.joinState = 2;
        s.healPrice = kJoinedHealPrice;
        const HouseKindFacts& facts = FactsOf(s.Kind());
        for (size_t k = 0; k < kRecruitOfferCount; ++k) {
            s.recruitPrice[k] = facts.offers[k].joinedPrice;
        }
    }
    ApplyVillage2JoinRule(s, world_);
}

void VisitFrame::Heal() {
    HouseScreen& s = screen_;
    if (s.healRequested == 0) {
        return;
    }
    s.healRequested = 0;
    s.CheckHealNeed(world_.gold);
    if (s.needsHeal == 0) {
        s.healFailShown = 1;
        s.healDoneShown = 0;
        return;
    }
    s.needsHeal = 0;
    s.healDoneShown = 1;
    s.healFailShown = 0;
    world_.gold -= s.healPrice;
    ArmyRecord* armies = nullptr;
    if (s.visitor == kPlayerCharacter) {
        world_.playerStats.health = world_.playerStats.maxHealth;
        armies = &world_.playerArmy;
    } else if (IsHeroCharacter(s.visitor)) {
        const HeroIndex hero = HeroIndexOfCharacter(s.visitor);
        s.healHeroIndex = hero;
        s.healHeroMaxHealth = world_.heroStats[hero].maxHealth;
        world_.heroStats[hero].health = s.healHeroMaxHealth;
        s.maxHealth = s.healHeroMaxHealth;
        armies = &world_.heroArmies[hero];
    }
    s.health = s.maxHealth;
    s.army.light.fill(0);
    s.army.serious.fill(0);
    s.army.critical.fill(0);
    if (armies != nullptr) {
        armies->light.fill(0);
        armies->serious.fill(0);
        armies->critical.fill(0);
    }
}

void VisitFrame::PayAndLatchFame() {
    HouseScreen& s = screen_;
    s.ApplyRecruitChoice(&world_.gold);
    Heal();
    if (s.rewardPending != 0) {
        s.rewardPending = 0;
        PayQuestRewards(s, &world_.gold);
    }
    ApplyFameLatches();
}

void VisitFrame::ApplyFameLatches() {
    HouseScreen& s = screen_;
    if (s.fameDownLatch == 1) {
        s.fameDownLatch = 2;
        world_.fame = AddToCounter(world_.fame, -1);
    }
    if (s.fameUpLatch == 1) {
        s.fameUpLatch = 2;
        world_.fame = AddToCounter(world_.fame, 1);
    }
}

void VisitFrame::Draw() {
    HouseScreen& s = screen_;
    s.DrawBackground();
    s.DrawArmies(kPanelX, kPanelY);
    s.DrawActionMessages();
    s.DrawRecruitPanel(kPanelX, kPanelY, world_.gold);
    DrawQuestDialogues(s);
    s.DrawEntryMessages();
    s.ClearHover();
}

void VisitFrame::Leave() {
    HouseScreen& s = screen_;
    // Quest moment: leaving.
    s.CheckHeldItemFlags();
    RunQuestUpdaters(s);
    // A fame change shown in this last frame is not lost with the screen.
    ApplyFameLatches();
    WriteVisitBack(s, world_);
}

}  // namespace varn

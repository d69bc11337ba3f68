#include "houses/HouseQuests.h"

#include "houses/QuestDialogue.h"
#include "houses/QuestEngine.h"

namespace varn {

namespace {

// The talk box of the house shown, then the holding-store messages that close every dialogue.
void DrawOwnDialogue(HouseScreen& screen, DialogueCanvas& canvas) {
    const QuestChain* chain = ChainOf(screen);
    const HouseTexts* texts = TextsOf(screen.Kind(), screen.houseNumber);
    if (chain != nullptr && texts != nullptr) {
        DrawQuestTalk(screen, *chain, *texts, canvas);
    }
    screen.DrawStoreMessages();
}

void DrawDialogue(HouseScreen& screen, bool withBagFullNotes) {
    ScreenCanvas canvas(screen);
    if (withBagFullNotes) {
        DrawBagFullNotes(screen, canvas);
    }
    DrawOwnDialogue(screen, canvas);
}

void DrawIfShown(HouseScreen& screen, int number, bool withBagFullNotes) {
    if (screen.houseNumber == number) {
        DrawDialogue(screen, withBagFullNotes);
    }
}

}  // namespace

// The bag-full notes concern every village; only the first dialogue draws them.
void VillageScreen::DrawQuestsVillage1() {
    ScreenCanvas canvas(*this);
    DrawBagFullNotes(*this, canvas);
    if (houseNumber == 1) {
        DrawOwnDialogue(*this, canvas);
    }
}

void VillageScreen::DrawQuestsVillage2() {
    DrawIfShown(*this, 2, false);
}

void VillageScreen::DrawQuestsVillage3() {
    DrawIfShown(*this, 3, false);
}

void VillageScreen::DrawQuestsVillage4() {
    DrawIfShown(*this, 4, false);
}

void VillageScreen::DrawQuestsVillage5() {
    DrawIfShown(*this, 5, false);
}

void VillageScreen::DrawQuestsVillage6() {
    DrawIfShown(*this, 6, false);
}

void VillageScreen::DrawQuestsVillage7() {
    DrawIfShown(*this, 7, false);
}

void VillageScreen::DrawQuestsVillage8() {
    DrawIfShown(*this, 8, false);
}

void VillageScreen::DrawQuestsVillage9() {
    DrawIfShown(*this, 9, false);
}

void TownScreen::DrawQuestsTown1() {
    DrawIfShown(*this, 1, true);
}

void TownScreen::DrawQuestsTown2() {
    DrawIfShown(*this, 2, true);
}

void TownScreen::DrawQuestsTown3() {
    DrawIfShown(*this, 3, true);
}

void TownScreen::DrawQuestsTown4() {
    DrawIfShown(*this, 4, true);
}

void CastleScreen::DrawQuests() {
    DrawDialogue(*this, true);
}

void PalaceScreen::DrawQuests() {
    DrawDialogue(*this, true);
}

void TempleScreen::DrawQuests() {
    DrawDialogue(*this, true);
}

void TowerScreen::DrawQuests() {
    DrawDialogue(*this, true);
}

void VillageScreen::DrawQuests() {
    DrawQuestsVillage1();
    DrawQuestsVillage2();
    DrawQuestsVillage3();
    DrawQuestsVillage4();
    DrawQuestsVillage5();
    DrawQuestsVillage6();
    DrawQuestsVillage7();
    DrawQuestsVillage8();
    DrawQuestsVillage9();
}

void TownScreen::DrawQuests() {
    DrawQuestsTown1();
    DrawQuestsTown2();
    DrawQuestsTown3();
    DrawQuestsTown4();
}

void DrawQuestDialogues(HouseScreen& screen) {
    switch (screen.Kind()) {
        case HouseKind::Village:
            static_cast<VillageScreen&>(screen).DrawQuests();
            return;
        case HouseKind::Town:
            static_cast<TownScreen&>(screen).DrawQuests();
            return;
        case HouseKind::Castle:
            static_cast<CastleScreen&>(screen).DrawQuests();
            return;
        case HouseKind::Palace:
            static_cast<PalaceScreen&>(screen).DrawQuests();
            return;
        case HouseKind::Temple:
            static_cast<TempleScreen&>(screen).DrawQuests();
            return;
        case HouseKind::Tower:
            static_cast<TowerScreen&>(screen).DrawQuests();
            return;
    }
}

}  // namespace varn

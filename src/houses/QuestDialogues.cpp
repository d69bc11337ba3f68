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

void DrawQuestDialogues(HouseScreen& screen) {
    switch (screen.Kind()) {
        case HouseKind::Village: {
            auto& village = static_cast<VillageScreen&>(screen);
            village.DrawQuestsVillage1();
            village.DrawQuestsVillage2();
            village.DrawQuestsVillage3();
            village.DrawQuestsVillage4();
            village.DrawQuestsVillage5();
            village.DrawQuestsVillage6();
            village.DrawQuestsVillage7();
            village.DrawQuestsVillage8();
            village.DrawQuestsVillage9();
            return;
        }
        case HouseKind::Town: {
            auto& town = static_cast<TownScreen&>(screen);
            town.DrawQuestsTown1();
            town.DrawQuestsTown2();
            town.DrawQuestsTown3();
            town.DrawQuestsTown4();
            return;
        }
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

#include "houses/HouseQuests.h"

#include "houses/QuestEngine.h"

namespace varn {

namespace {

void UpdateIfShown(HouseScreen& screen, int number) {
    const QuestChain* chain = ChainOf(screen);
    if (screen.houseNumber == number && chain != nullptr) {
        RunQuestProgress(screen, *chain);
    }
}

}  // namespace
void VillageScreen::UpdateQuestsVillage1() {
    UpdateIfShown(*this, 1);
}

void VillageScreen::UpdateQuestsVillage2() {
    UpdateIfShown(*this, 2);
}

void VillageScreen::UpdateQuestsVillage3() {
    UpdateIfShown(*this, 3);
}

void VillageScreen::UpdateQuestsVillage4() {
    UpdateIfShown(*this, 4);
}

void VillageScreen::UpdateQuestsVillage5() {
    UpdateIfShown(*this, 5);
}

void VillageScreen::UpdateQuestsVillage6() {
    UpdateIfShown(*this, 6);
}

void VillageScreen::UpdateQuestsVillage7() {
    UpdateIfShown(*this, 7);
}

void VillageScreen::UpdateQuestsVillage8() {
    UpdateIfShown(*this, 8);
}

void VillageScreen::UpdateQuestsVillage9() {
    UpdateIfShown(*this, 9);
}

void TownScreen::UpdateQuestsTown1() {
    UpdateIfShown(*this, 1);
}

void TownScreen::UpdateQuestsTown2() {
    UpdateIfShown(*this, 2);
}

void TownScreen::UpdateQuestsTown3() {
    UpdateIfShown(*this, 3);
}

void TownScreen::UpdateQuestsTown4() {
    UpdateIfShown(*this, 4);
}

void CastleScreen::UpdateQuests() {
    RunQuestProgress(*this, kCastleChain);
}

void PalaceScreen::UpdateQuests() {
    RunQuestProgress(*this, kPalaceChain);
}

void TempleScreen::UpdateQuests() {
    RunQuestProgress(*this, kTempleChain);
}

void TowerScreen::UpdateQuests() {
    RunQuestProgress(*this, kTowerChain);
}

void VillageScreen::UpdateQuests() {
    UpdateQuestsVillage1();
    UpdateQuestsVillage2();
    UpdateQuestsVillage3();
    UpdateQuestsVillage4();
    UpdateQuestsVillage5();
    UpdateQuestsVillage6();
    UpdateQuestsVillage7();
    UpdateQuestsVillage8();
    UpdateQuestsVillage9();
}

void TownScreen::UpdateQuests() {
    UpdateQuestsTown1();
    UpdateQuestsTown2();
    UpdateQuestsTown3();
    UpdateQuestsTown4();
}

void RunQuestUpdaters(HouseScreen& screen) {
    switch (screen.Kind()) {
        case HouseKind::Village:
            static_cast<VillageScreen&>(screen).UpdateQuests();
            return;
        case HouseKind::Town:
            static_cast<TownScreen&>(screen).UpdateQuests();
            return;
        case HouseKind::Castle:
            static_cast<CastleScreen&>(screen).UpdateQuests();
            return;
        case HouseKind::Palace:
            static_cast<PalaceScreen&>(screen).UpdateQuests();
            return;
        case HouseKind::Temple:
            static_cast<TempleScreen&>(screen).UpdateQuests();
            return;
        case HouseKind::Tower:
            static_cast<TowerScreen&>(screen).UpdateQuests();
            return;
    }
}

}  // namespace varn

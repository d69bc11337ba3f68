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

void RunQuestUpdaters(HouseScreen& screen) {
    switch (screen.Kind()) {
        case HouseKind::Village: {
            auto& village = static_cast<VillageScreen&>(screen);
            village.UpdateQuestsVillage1();
            village.UpdateQuestsVillage2();
            village.UpdateQuestsVillage3();
            village.UpdateQuestsVillage4();
            village.UpdateQuestsVillage5();
            village.UpdateQuestsVillage6();
            village.UpdateQuestsVillage7();
            village.UpdateQuestsVillage8();
            village.UpdateQuestsVillage9();
            return;
        }
        case HouseKind::Town: {
            auto& town = static_cast<TownScreen&>(screen);
            town.UpdateQuestsTown1();
            town.UpdateQuestsTown2();
            town.UpdateQuestsTown3();
            town.UpdateQuestsTown4();
            return;
        }
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

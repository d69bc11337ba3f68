#include "houses/HouseScreen.h"

namespace varn {

HouseScreen::HouseScreen(HouseKind kind) : kind_(kind) {}

HouseScreen::~HouseScreen() = default;

uint8_t& HouseScreen::Quest(int quest) {
    if (quest < 1 || quest > kQuestCount) {
        discardedQuest_ = 0;
        return discardedQuest_;
    }
    return questState[static_cast<size_t>(quest - 1)];
}

uint8_t HouseScreen::Quest(int quest) const {
    if (quest < 1 || quest > kQuestCount) {
        return 0;
    }
    return questState[static_cast<size_t>(quest - 1)];
}

}  // namespace varn

#include <cstdio>

#include "houses/HousePictures.h"
#include "houses/HouseScreen.h"

namespace varn {

namespace {

constexpr int32_t kBoxTextWidth = 500;
constexpr int32_t kEntryTextWidth = 400;
constexpr int32_t kTextHeight = 32;

}  // namespace

void HouseScreen::DrawActionMessages() {
    SpriteSet* main = mainSprites.get();
    auto line = [this](const char* text, int32_t x, int32_t y) {
        DrawText(text, x, y, kBoxTextWidth, kTextHeight);
    };
    if (noRoomShown != 0) {
        DrawBox(160, 320, 5.0f, 1.1f);
        line("No room for new recruit!", 200, 340);
    }
    if (noMoneyForRecruit != 0) {
        DrawBox(140, 320, 5.2f, 1.1f);
        line("You don't have enough money!", 160, 340);
    }
    if (recruitJoinedShown != 0) {
        DrawBox(150, 320, 5.0f, 1.1f);
        line("New Recruit Joined!", 210, 340);
    }
    if (disbandQuestion != 0) {
        DrawBox(180, 300, 4.0f, 1.8f);
        line("Disband?", 250, 320);
        Sprite(main, kYesButtonSlot, buttons.Look(kDisbandYesButton), 230, 370, 1.0f, 1.0f);
        Sprite(main, kNoButtonSlot, buttons.Look(kDisbandNoButton), 340, 370, 1.0f, 1.0f);
    }
    if (healFailShown != 0 && noGoldForHeal == 0) {
        DrawBox(180, 200, 5.6f, 1.8f);
        line("0 gold paid", 220, 220);
        line("Nobody was hurt", 220, 260);
    }
    if (healFailShown != 0 && noGoldForHeal != 0) {
        DrawBox(180, 200, 5.6f, 1.1f);
        line("You don't have enough gold", 220, 224);
    }
    if (healDoneShown != 0) {
        DrawBox(180, 200, 5.6f, 1.8f);
        std::snprintf(healPriceText, sizeof healPriceText, "%ld", static_cast<long>(healPrice));
        DrawText(healPriceText, 220, 220, 100, 100);
        DrawText("gold paid", 250, 220, 200, kTextHeight);
        line("Everyone has been healed.", 220, 260);
    }
}

void HouseScreen::DrawEntryMessages() {
    auto line = [this](const char* text, int32_t x, int32_t y) {
        DrawText(text, x, y, kEntryTextWidth, kTextHeight);
    };
    // Army i's count before and after, with the arrow between, in a grid of two columns.
    auto pair = [this](size_t i, int32_t arrowSlot) {
        const int32_t x0 = 130 + 250 * static_cast<int32_t>(i % 2);
        const int32_t y0 = 200 + 130 * static_cast<int32_t>(i / 2);
        const int32_t digitsY = y0 + 54;
        DrawArmyPicture(army.unitType[i], x0, y0, 0.86f);
        DrawCount(army.previousAlive[i], x0 + 22, x0 + 28, digitsY, 0.8f, 0.8f);
        Sprite(mainSprites.get(), arrowSlot, 0, x0 + 64, y0 + 25, 0.9f, 1.1f);
        DrawArmyPicture(army.unitType[i], x0 + 90, y0, 0.86f);
        DrawCount(army.alive[i], x0 + 112, x0 + 118, digitsY, 0.8f, 0.8f);
    };
    if (raisedMessage != 0) {
        DrawBox(115, 145, 6.7f, 6.6f);
        line("All downed armies have been raised.", 150, 154);
        line("(Fame -1)", 150, 175);
        if (fameDownLatch == 0) {
            fameDownLatch = 1;
        }
    }
    if (trainingMessage != 0) {
        if (raisedMessage == 0) {
            DrawBox(115, 150, 6.7f, 7.5f);
            line("Due to higher training and equipment", 150, 165);
        }
        for (size_t i = 0; i < kArmySlotCount; ++i) {
            if (armyRose[i] != 0) {
                pair(i, kRiseArrowSlot);
            }
        }
    }
    if (raisedMessage != 0) {
        for (size_t i = 0; i < kArmySlotCount; ++i) {
            if (armyRaised[i] != 0) {
                pair(i, kRaisedArrowSlot);
            }
        }
    }
}

void HouseScreen::DrawStoreMessages() const {
    auto box = [this](float scaleX, float scaleY, const char* first, const char* second) {
        DrawBox(150, 0, scaleX, scaleY);
        DrawText(first, 190, 40, kEntryTextWidth, kTextHeight);
        if (second != nullptr) {
            DrawText(second, 190, 70, kEntryTextWidth, kTextHeight);
        }
    };
    if (returnedMessage != 0) {
        if (heldAny != 0) {
            box(7.0f, 3.8f, "Gave you some stuff back", "and your bag got filled up ");
        } else {
            box(6.5f, 1.9f, "Since there was room in your bag ",
                manyHeld != 0 ? "you get all your items back. " : "you get your item back. ");
        }
    }
    if (stillHeldMessage != 0 && heldAny != 0) {
        box(5.0f, 3.8f, manyHeld != 0 ? "Still holding your items." : "Still holding one item.",
            nullptr);
    }
}

}  // namespace varn

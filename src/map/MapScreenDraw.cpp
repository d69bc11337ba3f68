#include <algorithm>

#include "engine/FigureSheets.h"
#include "map/MapScreen.h"
#include "platform/Backend.h"

namespace varn {

// The objects on the map over the terrain, and the two clocks that animate them.

namespace {

constexpr uint32_t kWalkFrameMs = 100;
constexpr uint32_t kChestFrameMs = 500;

// Bags 16..19 never stand on the map.
constexpr int kDrawnBags = 16;

// The captive-hero sites beside armies 3, 62 and 63.
struct PrisonSite {
    int army;
    int32_t x;
    int32_t y;
};
constexpr std::array<PrisonSite, 3> kPrisonSites = {
    {{3, -347, 880}, {62, -1325, 210}, {63, 330, -314}}};

bool OnScreenX(int64_t x) {
    return x > -40 && x < 800;
}

// A world position less the scroll, wide: an army's position is whatever the world held.
int32_t ScreenOffset(int32_t position, int32_t scroll) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(int64_t{position} - scroll, INT32_MIN, INT32_MAX));
}

bool OnScreen(int32_t x, int32_t y) {
    return OnScreenX(x) && y > -40 && y < 600;
}

// Up, right, down or left for the moving armies' figures.
uint8_t FacingGroup(Facing facing) {
    return facing == 0 ? 0 : facing <= 3 ? 1 : facing == 4 ? 2 : 3;
}

// True when the clock's period has passed since it was last restarted.
bool Tick(uint8_t& state, uint32_t& startMs, uint32_t periodMs) {
    const uint32_t now = platform::TimeGetTime();
    if (state == kClockRestart) {
        startMs = now;
        state = kClockRunning;
        return false;
    }
    if (state == kClockRunning && now - startMs > periodMs) {
        state = kClockRestart;
        return true;
    }
    return false;
}

}  // namespace

void MapScreen::Animate() {
    if (Tick(walkClockState, walkClockMs, kWalkFrameMs)) {
        walkFrame = std::min<uint8_t>(walkFrame, 3);
        if (walkFrameRising != 0) {
            if (++walkFrame == 3) {
                walkFrameRising = 0;
            }
        } else if (walkFrame == 0) {
            walkFrame = 1;
            walkFrameRising = 1;
        } else {
            --walkFrame;
        }
    }
    if (Tick(chestClockState, chestClockMs, kChestFrameMs)) {
        chestFrame = static_cast<uint8_t>((chestFrame + 1) % 4);
    }
}

void MapScreen::DrawGoldPiles(int32_t scrollX, int32_t scrollY) {
    auto draw = [&](int slot, int frame, int32_t worldX, int32_t worldY) {
        const int32_t x = worldX - scrollX;
        const int32_t y = worldY - scrollY;
        if (OnScreen(x, y)) {
            DrawSprite(slot, frame, x, y, 0.625f, 0.625f);
        }
    };
    for (int pile = 0; pile < kPileCount; ++pile) {
        if (pileActive[pile] != 0) {
            draw(kMapPileSlot, 0, pileX[pile], pileY[pile]);
        }
    }
    for (int bag = 0; bag < kDrawnBags; ++bag) {
        if (bagActive[bag] != 0) {
            draw(kMapBagSlot, 0, bagX[bag], bagY[bag]);
        }
    }
    for (int chest = 0; chest < kChestCount; ++chest) {
        if (chestActive[chest] != 0) {
            draw(kMapChestSlot, chestFrame, chestX[chest], chestY[chest]);
        }
    }
}

void MapScreen::DrawObjects(int32_t scrollX, int32_t scrollY) {
    for (const PrisonSite& site : kPrisonSites) {
        if (armyActive[site.army] != 0) {
            DrawSprite(kMapPrisonSlot, 0, site.x - scrollX, site.y - scrollY, 1.0f, 1.0f);
        }
    }
    if (!enemySprites) {
        return;
    }
    for (int army = 0; army < kMapEntityCount; ++army) {
        const int32_t x = ScreenOffset(armyX[army], scrollX);
        if (armyActive[army] == 0 || !OnScreenX(x)) {
            continue;
        }
        int frame = 0;
        if (army >= kFirstMovingArmyEntity) {
            armyFacingGroup[army] = FacingGroup(armyFacing[army]);
            frame = armyFacingGroup[army] * kFramesPerFacing;
            if (army == currentMover && enemyWalking != 0) {
                frame += walkFrame;
            }
        }
        enemySprites->Draw(armyPicture[army], frame, x, ScreenOffset(armyY[army], scrollY),
                           0xFFFFFFFF, 0.8f, 0.8f);
    }
}

void MapScreen::DrawSelection(int32_t scrollX, int32_t scrollY) {
    if (playerSelected == 1) {
        DrawSprite(kMapSelectedSlot, 0, walkX - scrollX - 5, walkY - scrollY - 5, 1.59f, 1.59f);
    }
    if (heroSelected >= 1 && heroSelected <= kHeroCount) {
        const int hero = heroSelected - 1;
        DrawSprite(kMapSelectedSlot, 0, heroX[hero] - scrollX - 5, heroY[hero] - scrollY - 5, 1.59f,
                   1.59f);
    }
    const int playerFrame =
        playerFacing * kFramesPerFacing + (walkState >= kWalkOrdered ? walkFrame : 0);
    DrawSprite(kMapPlayerSlot, playerFrame, walkX - scrollX + 8, walkY - scrollY - 5, 0.8f, 0.8f);
    for (int hero = 0; hero < kHeroCount; ++hero) {
        if (heroOnMap[hero] == 0) {
            continue;
        }
        const int frame =
            heroFacing[hero] * kFramesPerFacing + (walkingHero == hero + 1 ? walkFrame : 0);
        DrawSprite(kMapHeroSlot, frame, heroX[hero] - scrollX + 8, heroY[hero] - scrollY - 5, 0.8f,
                   0.8f);
    }
    // The dots of the path still to walk; the one under the pointer is drawn larger.
    for (int point = 0; point < kPathPoints; ++point) {
        if (pointPending[point] == 0) {
            continue;
        }
        if (pathX[point] == cursorCellX && pathY[point] == cursorCellY) {
            DrawSprite(kMapDotSlot, 1, pathX[point] - scrollX + 6, pathY[point] - scrollY + 6, 0.9f,
                       0.9f);
        } else {
            DrawSprite(kMapDotSlot, 0, pathX[point] - scrollX + 10, pathY[point] - scrollY + 10,
                       0.6f, 0.6f);
        }
    }
    const int32_t targetScreenX = targetX - scrollX;
    const int32_t targetScreenY = targetY - scrollY;
    if (targetSet != 0 && playerAttack == 0 && tradeMode == kTradeOff && tradeFailed == 0) {
        DrawSprite(kMapBlockedSlot, 0, targetScreenX, targetScreenY, 1.25f, 1.25f);
    }
    if (targetSet != 0 && playerAttack != 0) {
        DrawSprite(kMapBattleSlot, 0, targetScreenX, targetScreenY, 1.25f, 1.25f);
    }
    if (blockedMarker != 0) {
        DrawSprite(kMapBlockedPathSlot, 0, blockedX - scrollX, blockedY - scrollY, 1.25f, 1.25f);
    }
    if (tradeMode != kTradeOff && targetSet != 0) {
        DrawSprite(kMapTradeSlot, 0, targetScreenX, targetScreenY, 1.25f, 1.25f);
    }
}

}  // namespace varn

#pragma once

#include <cstdint>

#include "engine/ButtonBar.h"

namespace varn {

// The battle's side buttons and the two answers of the retreat question.
enum SideButton : uint8_t {
    kSideEndTurn = 1,
    kSideRetreat = 2,
    kSideRetreatYes = 3,
    kSideRetreatNo = 4,
    kSideGrid = 5,
    kSideQuit = 6,
    kSideOptions = 7,
};

// In the order the hover and click tests try them. Retreat opens its question at the press and
// shows hovered while held; Yes confirms at the press.
inline constexpr ButtonRect kSideButtons[] = {
    {kSideEndTurn, 700, 250, 83, 38},
    {kSideRetreat, 700, 190, 83, 35, kButtonHovered, true},
    {kSideRetreatYes, 330, 335, 32, 32, kButtonPressed, true},
    {kSideRetreatNo, 430, 335, 32, 32},
    {kSideGrid, 700, 130, 83, 35},
    {kSideQuit, 710, 20, 64, 32},
    {kSideOptions, 700, 70, 83, 35},
};

// The field's camera range.
inline constexpr int32_t kCameraMin = -26;
inline constexpr int32_t kCameraMaxX = 826;
inline constexpr int32_t kCameraMaxY = 734;

}  // namespace varn

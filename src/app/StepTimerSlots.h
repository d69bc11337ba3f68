#pragma once

#include <cstddef>

namespace varn {

// Every index of GameApp::stepTimers and the states that use it. The two slots are shared: a
// state starts the timers it animates with when they are missing and those that free theirs in
// the leave step say so below, so a state that follows finds a fresh timer or the map's.
//
// slot 0: the map's and the battle's scrolling (kept for the game); the portrait's glow (freed
//         when the portrait leaves).
// slot 1: the map's and the battle's walking (kept); the portrait's slide, the story's rising
//         text and the name entry's cursor (each freed when its state leaves).
// Slots 2 to 6 are free for new states.
inline constexpr size_t kScrollTimer = 0;
inline constexpr size_t kGlowTimer = 0;
inline constexpr size_t kWalkTimer = 1;
inline constexpr size_t kSlideTimer = 1;
inline constexpr size_t kRiseTimer = 1;
inline constexpr size_t kCursorTimer = 1;
inline constexpr size_t kStepTimerCount = 7;

}  // namespace varn

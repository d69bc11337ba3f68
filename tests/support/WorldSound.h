#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/GameApp.h"
#include "checks/WorldInvariants.h"

namespace varn {

// Every invariant of the running game holds after step; each fault is its own failure.
inline void ExpectWorldSound(const GameApp& app, const std::string& step) {
    for (const std::string& violation : WorldInvariantViolations(app)) {
        ADD_FAILURE() << step << ": " << violation;
    }
}

}  // namespace varn

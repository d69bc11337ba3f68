#pragma once

#include "app/StateList.h"

namespace varn {

class GameApp;

// The current state: a plain function that forwards to one state member of GameApp.
using StateThunk = void (*)(GameApp* app);

#define VARN_DECLARE_THUNK(Name) void Name##StateThunk(GameApp* app);
VARN_STATES(VARN_DECLARE_THUNK)
#undef VARN_DECLARE_THUNK

}  // namespace varn

#include "app/StateThunks.h"

#include "app/GameApp.h"

namespace varn {

#define VARN_DEFINE_THUNK(Name)           \
    void Name##StateThunk(GameApp* app) { \
        app->Run##Name##State();          \
    }
VARN_STATES(VARN_DEFINE_THUNK)
#undef VARN_DEFINE_THUNK

}  // namespace varn

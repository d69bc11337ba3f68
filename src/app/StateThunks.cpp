#include "app/StateThunks.h"

#include "app/GameApp.h"

namespace varn {

void MainMenuStateThunk(GameApp* app) {
    app->RunMainMenuState();
}

}  // namespace varn

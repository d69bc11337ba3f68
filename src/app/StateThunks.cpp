#include "app/StateThunks.h"

#include "app/GameApp.h"

void MainMenuStateThunk(GameApp* app) {
    app->RunMainMenuState();
}

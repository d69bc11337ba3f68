#pragma once

namespace varn {

class GameApp;

// The current state: a plain function that forwards to one state member of GameApp.
using StateThunk = void (*)(GameApp* app);

void MainMenuStateThunk(GameApp* app);

}  // namespace varn

#include "app/GameApp.h"
#include "platform/Backend.h"

using namespace varn;

int main() {
    platform::UseSdlBackend();
    GameApp* app = new GameApp();
    app->Run();
    delete app;
    return 0;
}

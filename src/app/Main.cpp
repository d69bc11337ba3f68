#include <cstdio>
#include <memory>

#include "app/GameApp.h"
#include "platform/Backend.h"

using namespace varn;

int main() {
    platform::UseSdlBackend();
    auto app = std::make_unique<GameApp>();
    if (app->Run() == 0) {
        std::fprintf(stderr, "varn: cannot start: the window or the display could not be opened\n");
        return 1;
    }
    return 0;
}

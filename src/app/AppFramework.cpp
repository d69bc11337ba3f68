#include "app/AppFramework.h"

#include <cstdio>

namespace varn {

AppFramework* g_app = nullptr;

AppFramework::~AppFramework() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

AppFramework::AppFramework() {
    std::snprintf(caption, sizeof caption, "%s", "Application Caption");
    g_app = this;
}

int32_t AppFramework::MsgProc(platform::Message) {
    return 0;
}

int32_t AppWindowProc(platform::Message message) {
    if (message == platform::Message::Destroy) {
        platform::Current().PostQuitMessage();
        return 0;
    }
    return g_app != nullptr ? g_app->MsgProc(message) : 0;
}

uint32_t AppFramework::Run() {
    platform::Backend& backend = platform::Current();
    if (!backend.CreateMainWindow(caption, x, y, width, height)) {
        return 0;
    }
    hWnd = &backend;
    ResizeClient(width, height);

    const bool started = Init() == 1;
    if (started) {
        for (;;) {
            platform::Message message = backend.PeekMessage();
            if (message == platform::Message::Quit) {
                break;
            }
            if (message != platform::Message::None) {
                AppWindowProc(message);
                continue;
            }
            if (Frame() == 0) {
                break;
            }
        }
    }
    Cleanup();
    return started ? 1 : 0;
}

uint32_t AppFramework::ResizeClient(int clientWidth, int clientHeight) {
    platform::Backend& backend = platform::Current();
    platform::Rect window = backend.WindowRect();
    platform::Rect client = backend.ClientRect();
    int outerWidth = (window.right - window.left) - client.right + clientWidth;
    int outerHeight = (window.bottom - window.top) - client.bottom + clientHeight;
    backend.MoveMainWindow(window.left, window.top, outerWidth, outerHeight);
    return 1;
}

uint32_t AppFramework::ShowMouseCursor(bool show) {
    platform::Current().ShowSystemCursor(show);
    return 1;
}

}  // namespace varn

#pragma once

#include <cstdint>

#include "platform/Backend.h"

namespace varn {

// Stands in for the window handle: non-null once the window exists.
using WindowHandle = void*;

// The application base: opens the main window, initialises, runs the message loop and cleans up,
// calling the four operations a game overrides.
class AppFramework {
  public:
    AppFramework();
    virtual ~AppFramework();

    virtual int32_t MsgProc(platform::Message message);
    virtual uint32_t Init() { return 1; }
    virtual uint32_t Cleanup() { return 1; }
    virtual uint32_t Frame() { return 1; }

    // 0 when the window cannot be created or Init fails; 1 after a run that ended normally.
    uint32_t Run();
    uint32_t ResizeClient(int width, int height);
    uint32_t ShowMouseCursor(bool show);
    WindowHandle GetHWnd() const { return hWnd; }

    char caption[260];
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 256;
    int32_t height = 256;
    WindowHandle hWnd = nullptr;
};

// The one application object, for the window procedure.
extern AppFramework* g_app;

// Where the message loop hands each message: a destroyed window posts the quit message.
int32_t AppWindowProc(platform::Message message);

}  // namespace varn

#include "app/GameApp.h"

namespace varn {

// The kingdom map's frame. The terrain, the panel and the map objects join it as they are wired
// in; until then it runs the common frame only, so the states around it can hand over to it.
void GameApp::RunMapState() {
    OpenFrame();
    PollKeyboard();
    CloseFrame(FrameRateRow::None);
}

}  // namespace varn

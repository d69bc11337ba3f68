#pragma once

#include <cstdint>
#include <memory>

#include "engine/ButtonBar.h"
#include "engine/PictureTable.h"
#include "engine/SpriteSet.h"

namespace varn {

class GraphicsDevice;
class InputDevice;

// The panel's buttons. 3, 7 and 8 name no button.
enum PanelButton : uint8_t {
    kEndDayButton = 1,
    kHideShowButton = 2,
    kQuitButton = 4,
    kYouButton = 5,
    kHeroesButton = 6,
    kWealthButton = 9,
    kQuestLogButton = 10,
    kOptionsButton = 11,
};

// The map's buttons in the order they are tested. The four large ones run past the right edge
// of the screen.
inline constexpr ButtonRect kPanelButtons[] = {
    {kEndDayButton, 678, 440, 96, 42},    {kHideShowButton, 726, 12, 64, 32},
    {kQuitButton, 650, 12, 64, 32},       {kYouButton, 659, 100, 256, 70},
    {kHeroesButton, 659, 170, 256, 70},   {kWealthButton, 659, 240, 256, 70},
    {kQuestLogButton, 659, 310, 256, 70}, {kOptionsButton, 678, 390, 96, 37},
};

// The heroes and the player's own screens show only Hide/Show, elsewhere and with id 1.
inline constexpr uint8_t kScreenHideShowButton = 1;
inline constexpr ButtonRect kScreenHideShowButtons[] = {{kScreenHideShowButton, 485, 140, 64, 32}};

inline constexpr int32_t kPanelSlotCount = 20;

inline constexpr PictureLoad kPanelPictures[] = {
    {0, "Art\\Controls\\Button3.bmp", 64, 64, 0},
    {1, "Art\\Controls\\ButtonQuit.bmp", 64, 32, 0},
    {2, "Art\\Controls\\ButtonSave.bmp", 64, 32, 0},
    {3, "Art\\Controls\\ButtonHide.bmp", 64, 32, 0},
    {4, "Art\\Controls\\Button4.bmp", 64, 32, 0},
    {5, "Art\\Controls\\ButtonShow.bmp", 64, 32, 0},
    {6, "Art\\Controls\\Write1.bmp", 64, 32, 0xFF000000},
    {7, "Art\\Controls\\Picture1.bmp", 64, 32, 0xFF000000},
    {8, "Art\\Controls\\Portrait.bmp", 64, 64, 0xFF00FF00},
    {9, "Art\\Controls\\Fire2.bmp", 32, 32, 0xFF000000},
    {10, "Art\\You\\Numbers.bmp", 32, 32, 0xFF000000},
    {11, "Art\\Controls\\Numbers1.bmp", 32, 32, 0xFF000000},
    {12, "Art\\Heroes\\Back1.bmp", 256, 256, 0},
    {13, "Art\\Controls\\Button51.bmp", 64, 32, 0},
    {14, "Art\\Controls\\WriteOptions.bmp", 128, 32, 0xFF000000},
    {15, "Art\\Controls\\Options.bmp", 64, 32, 0xFFFF0000},
    {16, "Art\\Heroes\\Back3.bmp", 64, 64, 0},
    {17, "Art\\Heroes\\Back2.bmp", 128, 128, 0},
    {18, "Art\\Heroes\\Back4.bmp", 128, 128, 0},
};

// The column of buttons at the right of the kingdom map. It draws itself, tells which button is
// under the pointer and which was pressed, and runs the quest log's fire; the state that shows it
// decides what a button does. One panel serves the map, the heroes and the player's own screens,
// so whether it is shown carries over between them. Digits for the map's message boxes are in
// slots 10 and 11 of its set.
class ControlPanel {
  public:
    ControlPanel() = default;
    virtual ~ControlPanel() = default;
    ControlPanel(const ControlPanel&) = delete;
    ControlPanel& operator=(const ControlPanel&) = delete;

    void Init(GraphicsDevice* device);
    void Free();

    // The map's buttons. While the panel is hidden only Hide/Show reacts: the other buttons
    // neither hover nor press.
    void Hover(int32_t mouseX, int32_t mouseY);
    // 1 when a fresh press of either mouse button lands on a button; else 0, changing nothing.
    int Click(int32_t mouseX, int32_t mouseY, const InputDevice& mouse);
    // The pressed button to act on this frame, or 0: once the mouse buttons are free, or at once
    // when the pointer has slid off it. A frame without a fresh press ends an unused press.
    uint8_t TakeAction(InputDevice& mouse);
    void ResetHover() { buttons.ResetHover(); }

    // The single Hide/Show button of the heroes and the player's own screens.
    void HoverShowHide(int32_t mouseX, int32_t mouseY);
    int ClickShowHide(int32_t mouseX, int32_t mouseY, const InputDevice& mouse);
    uint8_t TakeShowHideAction(InputDevice& mouse);
    void DrawShowHide();

    // Advances the fire one frame of eight per period of over 200 ms.
    void Animate();
    void Draw();

    uint8_t hideShowState() const { return buttons.Look(kHideShowButton); }
    uint8_t quitState() const { return buttons.Look(kQuitButton); }
    uint8_t youState() const { return buttons.Look(kYouButton); }
    uint8_t heroesState() const { return buttons.Look(kHeroesButton); }
    uint8_t wealthState() const { return buttons.Look(kWealthButton); }
    uint8_t questLogState() const { return buttons.Look(kQuestLogButton); }
    uint8_t endDayState() const { return buttons.Look(kEndDayButton); }
    uint8_t optionsState() const { return buttons.Look(kOptionsButton); }

    std::unique_ptr<SpriteSet> sprites;
    uint32_t animStart = 0;
    uint8_t animState = 1;  // 1 take a new start time, 2 waiting for the period to pass
    uint8_t fireFrame = 0;
    uint8_t justHidden = 0;  // set by the map in the frame it hides the panel
    uint8_t portrait = 1;    // frame of the player's portrait
    uint8_t shown = 1;
    // hoverId, pressedId and held of the map's buttons.
    ButtonBar buttons{kPanelButtons};
    ButtonBar showHideButton{kScreenHideShowButtons};
};

}  // namespace varn

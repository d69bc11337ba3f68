#pragma once

#include <cstdint>
#include <vector>

#include "platform/BackBuffer.h"
#include "platform/Backend.h"
#include "platform/TextureImage.h"

namespace varn {

namespace platform {

// Comparison of the alpha test, numbered as the game's callers pass them.
enum class CompareFunction : uint32_t {
    Never = 1,
    Less = 2,
    Equal = 3,
    LessEqual = 4,
    Greater = 5,
    NotEqual = 6,
    GreaterEqual = 7,
    Always = 8,
};

// Texture filters, numbered as the game's callers pass them; only Linear samples bilinearly.
enum class TextureFilter : uint32_t {
    None = 0,
    Point = 1,
    Linear = 2,
};

struct Matrix4 {
    float m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
};

// The device's render states. Only the alpha test and the stage-0 filters act on drawing: the
// device draws 2D sprites and never blends or lights. The others are kept for whoever asks.
struct RenderStates {
    bool lighting = true;
    bool zEnable = false;
    bool alphaBlendEnable = false;
    uint32_t sourceBlend = 2;       // one
    uint32_t destinationBlend = 1;  // zero
    bool alphaTestEnable = false;
    uint32_t alphaReference = 0;
    CompareFunction alphaFunction = CompareFunction::Always;
    uint32_t ambient = 0;
    Matrix4 projection;
    // Texture stage 0.
    uint32_t colourArg1 = 2;       // texture
    uint32_t colourArg2 = 1;       // current
    uint32_t colourOperation = 4;  // modulate
    TextureFilter minFilter = TextureFilter::Point;
    TextureFilter magFilter = TextureFilter::Point;
};

// A rectangle of texels: left and top inclusive, right and bottom exclusive.
struct SourceRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool operator==(const SourceRect&) const = default;
};

struct DisplayMode {
    int width = 0;
    int height = 0;
    int refreshRate = 0;
    uint32_t format = 0;  // a PixelFormat code
};

// The display adapter as the game's device code sees it: the desktop's mode and which back-buffer
// formats a device can have. The software renderer draws R5G6B5 and X1R5G5B5 frames; the
// reference type is the renderer alone, the hardware type also needs the display (the backend)
// to show the format.
class Adapter2D {
  public:
    // The software display shows every frame scaled to the screen, so its desktop is the mode the
    // renderer draws in: 800 x 600 at R5G6B5.
    DisplayMode DesktopMode() const;
    bool CheckDeviceType(uint32_t format, bool windowed, bool hardware) const;
};

constexpr int kTextureStages = 8;

// Where one back-buffer column or row samples the texture: between texels first and second,
// weight 0..32 toward second.
struct SampleTap {
    int32_t first = 0;
    int32_t second = 0;
    uint32_t weight = 0;
};

// Which alphas of 0..255 pass the alpha test as set now: as a table, and for bilinear samples,
// whose alpha comes from a coverage of 0..1024, as the (at most two) coverage ranges low..high
// that pass, so that their loops compare instead of looking up.
struct AlphaPassTable {
    bool passes[256] = {};
    int16_t coverageLow[2] = {2048, 2048};
    int16_t coverageHigh[2] = {-1, -1};
};

// The software 2D device: an R5G6B5 back buffer, render states, scenes, and sprite drawing of
// A1R5G5B5 textures. Create it after the display was opened with the chosen format.
class Device2D {
  public:
    Device2D();

    // Fails for a size outside 1..8192, a format the renderer cannot draw (R5G6B5 and X1R5G5B5;
    // the frame is R5G6B5 in memory either way), or a depth buffer, which a 2D device lacks.
    bool Create(int width, int height, uint32_t backBufferFormat, bool depthBuffer = false);
    bool created() const { return backBuffer_.width > 0; }
    uint32_t backBufferFormat() const { return format_; }

    void SetLighting(bool on) { states_.lighting = on; }
    void SetZEnable(bool on) { states_.zEnable = on; }
    void SetAlphaBlendEnable(bool on) { states_.alphaBlendEnable = on; }
    void SetSourceBlend(uint32_t factor) { states_.sourceBlend = factor; }
    void SetDestinationBlend(uint32_t factor) { states_.destinationBlend = factor; }
    void SetAlphaTestEnable(bool on);
    void SetAlphaReference(uint32_t reference);
    void SetAlphaFunction(CompareFunction function);
    void SetAmbient(uint32_t argb) { states_.ambient = argb; }
    void SetProjection(const Matrix4& matrix) { states_.projection = matrix; }
    void SetColourArg1(uint32_t arg) { states_.colourArg1 = arg; }
    void SetColourArg2(uint32_t arg) { states_.colourArg2 = arg; }
    void SetColourOperation(uint32_t operation) { states_.colourOperation = operation; }
    void SetMinFilter(TextureFilter filter) { states_.minFilter = filter; }
    void SetMagFilter(TextureFilter filter) { states_.magFilter = filter; }
    const RenderStates& states() const { return states_; }

    // Textures bound to the stages; a sprite draw binds its texture to stage 0.
    void SetTexture(int stage, const TextureImage* texture);
    const TextureImage* texture(int stage) const;

    // BeginScene fails inside a scene, EndScene outside one; EndScene unbinds every stage.
    bool BeginScene();
    bool EndScene();
    bool inScene() const { return inScene_; }
    void Clear(uint32_t argb);
    bool Present();

    BackBuffer& backBuffer() { return backBuffer_; }
    const BackBuffer& backBuffer() const { return backBuffer_; }

    // Draws the source rectangle of the texture with its top-left corner at (x, y), stretched by
    // the scales from that corner. A texel copy at scale 1, bilinear when scaled and the filter
    // says linear; the alpha test drops what fails it and nothing is blended; the colour
    // modulates the texels (white leaves them unchanged). The part of the rectangle outside the
    // texture and the part of the picture outside the back buffer are left out. False only for a
    // texture without pixels.
    bool DrawSprite(const TextureImage& texture, const SourceRect& source, float x, float y,
                    float scaleX, float scaleY, uint32_t colour);

  private:
    void UpdateAlphaPass();

    RenderStates states_;
    uint32_t format_ = 0;
    BackBuffer backBuffer_;
    const TextureImage* textures_[kTextureStages] = {};
    bool inScene_ = false;
    // Whether an alpha of 0..255 passes the alpha test as set now.
    AlphaPassTable alphaPasses_;
    // Per-draw sampling of each back-buffer column and row, and the working rows of bilinear
    // draws, sized once with the back buffer.
    std::vector<SampleTap> columnTaps_;
    std::vector<SampleTap> rowTaps_;
    std::vector<int32_t> offsetScratch_;
    std::vector<uint32_t> pairScratch_;
    std::vector<uint16_t> scratch_;
};

// The device's sprite object: every texture reaches the back buffer through it.
class Sprite2D {
  public:
    explicit Sprite2D(Device2D& device) : device_(device) {}
    bool Draw(const TextureImage& texture, const SourceRect& source, float x, float y, float scaleX,
              float scaleY, uint32_t colour) {
        Current().TraceDraw({&texture, source.left, source.top, x, y, scaleX, scaleY});
        return device_.DrawSprite(texture, source, x, y, scaleX, scaleY, colour);
    }

  private:
    Device2D& device_;
};

}  // namespace platform

}  // namespace varn

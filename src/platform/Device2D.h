#pragma once

#include <cstdint>
#include <vector>

#include "platform/BackBuffer.h"
#include "platform/Backend.h"
#include "platform/ScaledSpriteCache.h"
#include "platform/TextureImage.h"

namespace varn {

namespace platform {

struct SpriteSpan;

// How the alpha test compares a texel's alpha with its reference.
enum class CompareFunction : uint8_t {
    Never,
    Less,
    Equal,
    LessEqual,
    Greater,
    NotEqual,
    GreaterEqual,
    Always,
};

// How a scaled draw samples its texture: the nearest texel or bilinearly.
enum class TextureFilter : uint8_t { Point, Linear };

// The device's state that acts on drawing: the alpha test and the filters of scaled draws.
struct RenderStates {
    bool alphaTestEnable = false;
    uint32_t alphaReference = 0;
    CompareFunction alphaFunction = CompareFunction::Always;
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

// The display adapter as the game's device code sees it: which back-buffer formats a full-screen
// device can have. The software renderer draws R5G6B5 and X1R5G5B5 frames; the reference type is
// the renderer alone, the hardware type also needs the display (the backend) to show the format.
class Adapter2D {
  public:
    bool CheckDeviceType(uint32_t format, bool hardware) const;
};

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

// The software 2D device: an R5G6B5 back buffer, the alpha test and filters, scenes, and sprite
// drawing of A1R5G5B5 textures. Create it after the display was opened with the chosen format.
class Device2D {
  public:
    Device2D();

    // Fails for a size outside 1..8192 or a format the renderer cannot draw (R5G6B5 and X1R5G5B5;
    // the frame is R5G6B5 in memory either way).
    bool Create(int width, int height, uint32_t backBufferFormat);
    bool created() const { return backBuffer_.width > 0; }
    uint32_t backBufferFormat() const { return format_; }

    void SetAlphaTestEnable(bool on);
    void SetAlphaReference(uint32_t reference);
    void SetAlphaFunction(CompareFunction function);
    void SetMinFilter(TextureFilter filter) { states_.minFilter = filter; }
    void SetMagFilter(TextureFilter filter) { states_.magFilter = filter; }
    const RenderStates& states() const { return states_; }

    // BeginScene fails inside a scene, EndScene outside one.
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
    // Where a draw's texels go: the corner and the far edges in back-buffer pixels.
    struct Placement {
        double originX = 0;
        double originY = 0;
        double endX = 0;
        double endY = 0;
        float scaleX = 1;
        float scaleY = 1;
        SourceRect texels;
    };

    void UpdateAlphaPass();
    void Rasterize(SpriteSpan& span, const Placement& place, BackBuffer& target);
    bool DrawRemembered(SpriteSpan& span, const Placement& place);

    RenderStates states_;
    uint32_t format_ = 0;
    BackBuffer backBuffer_;
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
    // Bilinear draws seen more than once, and where their pictures are made.
    ScaledSpriteCache scaledPictures_;
    BackBuffer pictureOverBlack_;
    BackBuffer pictureOverWhite_;
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

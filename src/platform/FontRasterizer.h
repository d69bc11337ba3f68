#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/BackBuffer.h"
#include "platform/Backend.h"
#include "platform/TextStrip.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;
struct _FcPattern;

namespace varn {

namespace platform {

// One face at one size: glyphs rendered anti-aliased by FreeType, found through fontconfig, and
// drawn into the back buffer. Rendered glyphs are kept, and each string laid out into a strip of
// coverage is kept too, so a frame of the same text costs only blends.
class FontRasterizer {
  public:
    FontRasterizer() = default;
    ~FontRasterizer();
    FontRasterizer(const FontRasterizer&) = delete;
    FontRasterizer& operator=(const FontRasterizer&) = delete;

    // The face name must resolve to that face or to one fontconfig declares metric-compatible
    // with it ("Arial" finds Liberation Sans); any other fallback fails. A face that cannot be
    // opened or rasterised is reported on standard error, once a run, and the stand-ins
    // fontconfig offers for it are tried in its order, those of the weight and slant asked for
    // first. height is the character height in pixels.
    // Bold or italic comes from the face's own variant when there is one and is synthesised
    // otherwise. Reopening closes the previous face first.
    bool Open(const char* face, int height, bool bold, bool italic);
    void Close();
    bool IsOpen() const { return face_ != nullptr; }

    // Draws text from the top-left corner of clip, a line break starting a new line, clipped to
    // clip and to the buffer; each pixel is mixed toward the ARGB colour by the glyph's coverage
    // times the colour's alpha. Returns the height of the lines laid out, or -1 when not open.
    int DrawText(BackBuffer& target, std::string_view text, const Rect& clip, uint32_t argb);

    // Pixels from one line's top to the next.
    int LineHeight() const { return lineHeight_; }

  private:
    struct Glyph {
        int left = 0;  // from the pen to the bitmap's left column
        int top = 0;   // from the baseline up to the bitmap's top row
        int width = 0;
        int rows = 0;
        int advance = 0;
        std::vector<uint8_t> coverage;  // width x rows, 0..255
    };

    struct FaceMatch;

    static bool Describe(_FcPattern* font, FaceMatch& match);
    static bool FindFace(const char* face, int height, bool bold, bool italic, FaceMatch& match);
    static std::vector<FaceMatch> StandIns(const char* face, int height, bool bold, bool italic);
    // Opens the face and renders a glyph of it: false, reported, for a damaged file.
    bool LoadFace(const FaceMatch& match, int height);
    const Glyph& GlyphOf(uint8_t character);
    TextStrip& StripOf(std::string_view text);

    // Strings kept at most; then they are dropped all at once.
    static constexpr size_t kStripLimit = 512;
    void RenderGlyph(uint8_t character, Glyph& glyph);

    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
    bool embolden_ = false;
    int ascent_ = 0;
    int lineHeight_ = 0;
    std::array<Glyph, 256> glyphs_;
    std::bitset<256> rendered_;
    std::unordered_map<std::string, TextStrip> strips_;
};

}  // namespace platform

}  // namespace varn

#include "platform/FontRasterizer.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <limits>
#include <string>

#include "platform/CoverageBlend.h"
#include "platform/ReportOnce.h"
#include "platform/TextStrip.h"

namespace varn {

namespace platform {

struct FontRasterizer::FaceMatch {
    std::string path;
    int index = 0;
    bool embolden = false;  // no bold variant: thicken the outlines
    bool slant = false;     // no italic variant: shear the outlines
    FT_Matrix shear = {0x10000, 0, 0, 0x10000};
};

namespace {

constexpr int kMaxHeight = 1024;

FT_Fixed ToFixed(double value) {
    return static_cast<FT_Fixed>(value * 65536.0);
}

// After substitution the family asked for and the faces declared metric-compatible with it are
// bound strongly; the generic fallbacks that fontconfig appends are bound weakly.
bool IsStronglyBound(const FcPattern* request, const FcChar8* family) {
    FcValue value;
    FcValueBinding binding;
    for (int i = 0;
         FcPatternGetWithBinding(request, FC_FAMILY, i, &value, &binding) == FcResultMatch; ++i) {
        if (binding != FcValueBindingWeak && value.type == FcTypeString &&
            FcStrCmpIgnoreCase(value.u.s, family) == 0) {
            return true;
        }
    }
    return false;
}

bool IsFamilyAskedFor(const FcPattern* request, FcPattern* font) {
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
        if (IsStronglyBound(request, family)) {
            return true;
        }
    }
    return false;
}

}  // namespace

FontRasterizer::~FontRasterizer() {
    Close();
}

namespace {

// The request for a face, substituted as fontconfig's matching expects; null when out of memory.
FcPattern* RequestFor(const char* face, int height, bool bold, bool italic) {
    FcPattern* request = FcPatternCreate();
    if (request == nullptr) {
        return nullptr;
    }
    FcPatternAddString(request, FC_FAMILY, reinterpret_cast<const FcChar8*>(face));
    FcPatternAddDouble(request, FC_PIXEL_SIZE, height);
    FcPatternAddInteger(request, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(request, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, request, FcMatchPattern);
    FcDefaultSubstitute(request);
    return request;
}

// Whether a face draws in the weight and slant asked for, its own or synthesised: regular is book
// to medium weight, bold is demibold and heavier, and an oblique serves for italic.
bool DrawsStyle(FcPattern* font, bool emboldened, bool sheared, bool bold, bool italic) {
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(font, FC_SLANT, 0, &slant);
    const bool isBold = weight >= FC_WEIGHT_DEMIBOLD || emboldened;
    const bool isRegular = weight >= FC_WEIGHT_BOOK && weight <= FC_WEIGHT_MEDIUM && !emboldened;
    const bool isItalic = slant != FC_SLANT_ROMAN || sheared;
    return (bold ? isBold : isRegular) && isItalic == italic;
}

std::string FreeTypeError(FT_Error error) {
    return "FreeType error " + std::to_string(error);
}

}  // namespace

bool FontRasterizer::Describe(FcPattern* font, FaceMatch& match) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) {
        return false;
    }
    match.path = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(font, FC_INDEX, 0, &match.index);
    FcBool embolden = FcFalse;
    FcPatternGetBool(font, FC_EMBOLDEN, 0, &embolden);
    match.embolden = embolden == FcTrue;
    FcMatrix* shear = nullptr;
    if (FcPatternGetMatrix(font, FC_MATRIX, 0, &shear) == FcResultMatch) {
        match.slant = true;
        match.shear = FT_Matrix{ToFixed(shear->xx), ToFixed(shear->xy), ToFixed(shear->yx),
                                ToFixed(shear->yy)};
    }
    return true;
}

bool FontRasterizer::FindFace(const char* face, int height, bool bold, bool italic,
                              FaceMatch& match) {
    FcPattern* request = RequestFor(face, height, bold, italic);
    if (request == nullptr) {
        return false;
    }
    FcResult result = FcResultNoMatch;
    FcPattern* font = FcFontMatch(nullptr, request, &result);
    const bool found = font != nullptr && IsFamilyAskedFor(request, font) && Describe(font, match);
    if (font != nullptr) {
        FcPatternDestroy(font);
    }
    FcPatternDestroy(request);
    return found;
}

std::vector<FontRasterizer::FaceMatch> FontRasterizer::StandIns(const char* face, int height,
                                                                bool bold, bool italic) {
    // Fontconfig ranks the family above the style: a damaged regular face would give way to its
    // bold, wider, and lines set for the regular would lose their last letters. The faces in the
    // style asked for come first, each group in fontconfig's order.
    std::vector<FaceMatch> styled;
    std::vector<FaceMatch> others;
    FcPattern* request = RequestFor(face, height, bold, italic);
    if (request == nullptr) {
        return styled;
    }
    FcResult result = FcResultNoMatch;
    FcFontSet* sorted = FcFontSort(nullptr, request, FcFalse, nullptr, &result);
    for (int i = 0; sorted != nullptr && i < sorted->nfont; ++i) {
        if (FcPattern* font = FcFontRenderPrepare(nullptr, request, sorted->fonts[i])) {
            FaceMatch match;
            if (Describe(font, match)) {
                const bool inStyle = DrawsStyle(font, match.embolden, match.slant, bold, italic);
                (inStyle ? styled : others).push_back(match);
            }
            FcPatternDestroy(font);
        }
    }
    if (sorted != nullptr) {
        FcFontSetDestroy(sorted);
    }
    FcPatternDestroy(request);
    styled.insert(styled.end(), others.begin(), others.end());
    return styled;
}

bool FontRasterizer::LoadFace(const FaceMatch& match, int height) {
    if (FT_Init_FreeType(&library_) != 0) {
        library_ = nullptr;
        return false;
    }
    if (const FT_Error error = FT_New_Face(library_, match.path.c_str(), match.index, &face_)) {
        face_ = nullptr;
        ReportOnce(match.path, "the font cannot be opened: " + FreeTypeError(error));
        return false;
    }
    // A file cut short still opens, and its glyphs load without their outlines: every text
    // would stay blank. A letter with ink must draw some.
    FT_Error error = FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(height));
    if (error == 0) {
        error = FT_Load_Char(face_, 'A', FT_LOAD_DEFAULT);
    }
    if (error == 0) {
        error = FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_NORMAL);
    }
    if (error != 0 || face_->glyph->bitmap.width == 0 || face_->glyph->bitmap.rows == 0) {
        ReportOnce(match.path, "the font cannot be rasterised: " +
                                   (error != 0 ? FreeTypeError(error) : "its letter A is blank"));
        return false;
    }
    if (match.slant) {
        FT_Matrix shear = match.shear;
        FT_Set_Transform(face_, &shear, nullptr);
    }
    embolden_ = match.embolden;
    // Lines are as high as the face's ascent and descent, rounded outward, without line gap.
    const FT_Size_Metrics& metrics = face_->size->metrics;
    ascent_ = static_cast<int>((metrics.ascender + 63) >> 6);
    lineHeight_ = ascent_ + static_cast<int>((-metrics.descender + 63) >> 6);
    return true;
}

bool FontRasterizer::Open(const char* face, int height, bool bold, bool italic) {
    Close();
    if (face == nullptr) {
        return false;
    }
    Trace("font.Create(" + std::string(face) + ", " + std::to_string(height) + ")");
    FaceMatch best;
    if (height < 1 || height > kMaxHeight || !FindFace(face, height, bold, italic, best)) {
        return false;
    }
    if (LoadFace(best, height)) {
        return true;
    }
    // The face asked for is damaged: the stand-ins fontconfig offers for it, its style first.
    for (const FaceMatch& standIn : StandIns(face, height, bold, italic)) {
        Close();
        if ((standIn.path != best.path || standIn.index != best.index) &&
            LoadFace(standIn, height)) {
            return true;
        }
    }
    Close();
    return false;
}

void FontRasterizer::Close() {
    if (face_ != nullptr) {
        FT_Done_Face(face_);
        face_ = nullptr;
    }
    if (library_ != nullptr) {
        FT_Done_FreeType(library_);
        library_ = nullptr;
    }
    embolden_ = false;
    ascent_ = 0;
    lineHeight_ = 0;
    glyphs_.fill(Glyph());
    rendered_.reset();
    strips_.clear();
}

void FontRasterizer::RenderGlyph(uint8_t character, Glyph& glyph) {
    glyph = Glyph();
    // The game's strings are narrow; their bytes are Latin-1 code points.
    if (FT_Load_Char(face_, character, FT_LOAD_DEFAULT) != 0) {
        return;
    }
    FT_GlyphSlot slot = face_->glyph;
    if (embolden_) {
        FT_GlyphSlot_Embolden(slot);
    }
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
        return;
    }
    const FT_Bitmap& bitmap = slot->bitmap;
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    if (!mono && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) {
        return;
    }
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.coverage.resize(static_cast<size_t>(glyph.width) * static_cast<size_t>(glyph.rows));
    const int greys = std::max(2, static_cast<int>(bitmap.num_grays));
    for (int row = 0; row < glyph.rows; ++row) {
        const uint8_t* source = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
        uint8_t* out = glyph.coverage.data() + static_cast<size_t>(row) * glyph.width;
        for (int column = 0; column < glyph.width; ++column) {
            if (mono) {
                out[column] = (source[column >> 3] & (0x80 >> (column & 7))) ? 255 : 0;
            } else {
                out[column] = static_cast<uint8_t>(source[column] * 255 / (greys - 1));
            }
        }
    }
}

const FontRasterizer::Glyph& FontRasterizer::GlyphOf(uint8_t character) {
    if (!rendered_[character]) {
        RenderGlyph(character, glyphs_[character]);
        rendered_[character] = true;
    }
    return glyphs_[character];
}

int FontRasterizer::DrawText(BackBuffer& target, std::string_view text, const Rect& clip,
                             uint32_t argb) {
    if (!IsOpen()) {
        return -1;
    }
    if (text.empty()) {
        return 0;
    }
    const PixelBox box{std::max<int64_t>(clip.left, 0), std::max<int64_t>(clip.top, 0),
                       std::min<int64_t>(clip.right, target.width),
                       std::min<int64_t>(clip.bottom, target.height)};
    TextStrip& strip = StripOf(text);
    const PixelBox ink = strip.Extent();
    const bool traced = ink.right > ink.left && Current().TracesText();
    Rect inked;
    std::vector<uint16_t> ground;
    if (traced) {
        const auto at = [](int64_t corner, int64_t offset) {
            return static_cast<int32_t>(std::clamp<int64_t>(corner + offset,
                                                            std::numeric_limits<int32_t>::min(),
                                                            std::numeric_limits<int32_t>::max()));
        };
        inked = {at(clip.left, ink.left), at(clip.top, ink.top), at(clip.left, ink.right),
                 at(clip.top, ink.bottom)};
        ground = PixelsUnder(target, inked);
    }
    strip.Draw(target, clip.left, clip.top, box, SplitColour(argb));
    if (traced) {
        Current().TraceText({text, inked, clip, argb, ground});
    }
    return strip.lines() * lineHeight_;
}

TextStrip& FontRasterizer::StripOf(std::string_view text) {
    const std::string key(text);
    auto found = strips_.find(key);
    if (found != strips_.end()) {
        return found->second;
    }
    if (strips_.size() >= kStripLimit) {
        strips_.clear();  // text that changes every frame: counters, clocks
    }
    std::vector<PlacedGlyph> placed;
    placed.reserve(text.size());
    int64_t penX = 0;
    int64_t baseline = ascent_;
    int lines = 1;
    for (size_t i = 0; i < text.size(); ++i) {
        const char character = text[i];
        if (character == '\r' || character == '\n') {
            // CR, LF and CR LF each end a line.
            if (character == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            penX = 0;
            baseline += lineHeight_;
            ++lines;
            continue;
        }
        const Glyph& glyph = GlyphOf(static_cast<uint8_t>(character));
        placed.push_back(PlacedGlyph{penX + glyph.left, baseline - glyph.top, glyph.width,
                                     glyph.rows, glyph.coverage.data()});
        penX += glyph.advance;
    }
    return strips_.emplace(key, TextStrip(placed, lines)).first->second;
}

}  // namespace platform

}  // namespace varn

#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace varn {

// Names and item texts are drawn from letter-sheet pictures, one glyph code per letter.
using GlyphCode = uint8_t;

inline constexpr int kGlyphStringLength = 21;
using GlyphString = std::array<GlyphCode, kGlyphStringLength>;

inline constexpr GlyphCode kGlyphBlank = 0;
// Shown while typing, never drawn.
inline constexpr GlyphCode kGlyphCursor = 1;
// Frames 2..27 of the first letter sheet: a..z.
inline constexpr GlyphCode kGlyphSmallA = 2;
// Frame code - 28 of the second letter sheet: A..Z first.
inline constexpr GlyphCode kGlyphCapitalA = 28;
// Frame code - 80 of the number sheet: 0..9.
inline constexpr GlyphCode kGlyphDigitZero = 80;
inline constexpr GlyphCode kGlyphLast = 89;

constexpr bool IsValidGlyph(GlyphCode code) {
    return code <= kGlyphLast;
}

// The glyph of one English character; false for characters no letter sheet holds.
constexpr bool EncodeGlyph(char c, GlyphCode& code) {
    if (c == ' ') {
        code = kGlyphBlank;
    } else if (c >= 'a' && c <= 'z') {
        code = static_cast<GlyphCode>(kGlyphSmallA + (c - 'a'));
    } else if (c >= 'A' && c <= 'Z') {
        code = static_cast<GlyphCode>(kGlyphCapitalA + (c - 'A'));
    } else if (c >= '0' && c <= '9') {
        code = static_cast<GlyphCode>(kGlyphDigitZero + (c - '0'));
    } else {
        return false;
    }
    return true;
}

// True when every character has a glyph and the text fits a GlyphString.
constexpr bool CanEncodeGlyphs(std::string_view text) {
    if (text.size() > static_cast<size_t>(kGlyphStringLength)) {
        return false;
    }
    GlyphCode code = 0;
    for (char c : text) {
        if (!EncodeGlyph(c, code)) {
            return false;
        }
    }
    return true;
}

// English text as glyph codes, blank-filled to the full string. Callers check CanEncodeGlyphs;
// a character without a glyph becomes a blank and text past the string's end is dropped.
constexpr GlyphString EncodeGlyphs(std::string_view text) {
    GlyphString glyphs{};
    for (size_t i = 0; i < text.size() && i < glyphs.size(); ++i) {
        GlyphCode code = kGlyphBlank;
        EncodeGlyph(text[i], code);
        glyphs[i] = code;
    }
    return glyphs;
}

// Glyph codes as text, trailing blanks dropped; a code without a character reads as a blank.
inline std::string GlyphText(std::span<const GlyphCode> glyphs) {
    std::string text;
    for (GlyphCode code : glyphs) {
        if (code >= kGlyphSmallA && code < kGlyphSmallA + 26) {
            text += static_cast<char>('a' + (code - kGlyphSmallA));
        } else if (code >= kGlyphCapitalA && code < kGlyphCapitalA + 26) {
            text += static_cast<char>('A' + (code - kGlyphCapitalA));
        } else if (code >= kGlyphDigitZero && code <= kGlyphLast) {
            text += static_cast<char>('0' + (code - kGlyphDigitZero));
        } else {
            text += ' ';
        }
    }
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

// The index of the last non-zero code, which centres the drawn text; 0 when all are blank.
constexpr int LastGlyphIndex(std::span<const GlyphCode> glyphs) {
    int last = 0;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        if (glyphs[i] != kGlyphBlank) {
            last = static_cast<int>(i);
        }
    }
    return last;
}

}  // namespace varn

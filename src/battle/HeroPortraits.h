#pragma once

#include <array>
#include <cstdint>

namespace varn {

// The heroes' portraits, hero number n at entry n - 1, with the colour key of each picture.
struct HeroPortrait {
    const char* path;
    uint32_t colourKey;
};

inline constexpr uint32_t kKeyRed = 0xFFFF0000;
inline constexpr uint32_t kKeyBlack = 0xFF000000;

inline constexpr std::array<HeroPortrait, 10> kHeroPortraits = {{
    {"Art\\Heroes\\Heroe1.bmp", kKeyRed},
    {"Art\\Heroes\\Heroe2.bmp", kKeyRed},
    {"Art\\Heroes\\Heroe3.bmp", kKeyBlack},
    {"Art\\Heroes\\Heroe4.bmp", kKeyRed},
    {"Art\\Heroes\\Heroe5.bmp", kKeyRed},
    {"Art\\Heroes\\Heroe6.bmp", kKeyRed},
    {"Art\\Heroes\\Heroe7.bmp", kKeyRed},
    {"Art\\Heroes\\Heroe8.bmp", kKeyRed},
    {"Art\\Heroes\\Heroe9.bmp", kKeyBlack},
    {"Art\\Heroes\\Heroe10.bmp", kKeyBlack},
}};

inline constexpr int16_t kPortraitSize = 128;

}  // namespace varn

#pragma once

#include <string>

namespace varn {

// What a player without game data or a font is told: one line naming what is missing and where
// the game looked, or an empty string when nothing is. The game runs on either way.
std::string MissingDataReport(bool fontFound, const char* fontFace);

}  // namespace varn

#pragma once

#include <string>

namespace varn {

namespace platform {

// Tells the player on standard error, as "varn: <path>: <why>", what the game found damaged or in
// its way; each path once a run, so a file asked for every frame or every save is named once.
// The game runs on either way.
void ReportOnce(const std::string& path, const std::string& why);

}  // namespace platform

}  // namespace varn

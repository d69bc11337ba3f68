#pragma once

#include <span>

#include "engine/PictureTable.h"

namespace varn {

// Every screen's picture table, so that tests check them all against the data set. A screen
// that loads pictures adds its table here.
std::span<const NamedPictureTable> AllPictureTables();

}  // namespace varn

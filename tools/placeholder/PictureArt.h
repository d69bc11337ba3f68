#pragma once

#include "Canvas.h"
#include "Manifest.h"

namespace varn {

namespace placeholder {

// The picture of a bmp or arrow row. Frames lie left to right, then top to bottom, as the game
// cuts them; cells beyond the frame count and the edge of every tile show the colour key. No
// colour but the key's own quantises to any colour key in 5 bits per channel.
Canvas DrawPicture(const ManifestRow& row);

}  // namespace placeholder

}  // namespace varn

#pragma once

#include "Canvas.h"
#include "Manifest.h"

namespace varn {

namespace placeholder {

// The picture of a picture row. Frames lie left to right, then top to bottom, as the game cuts
// them; cells beyond the frame count show the colour key. No colour but the key's own quantises
// to any colour key in 5 bits per channel. With labels, every frame also shows the row's label
// and its frame number, for developers matching pictures to files.
Canvas DrawPicture(const ManifestRow& row, bool labels);

}  // namespace placeholder

}  // namespace varn

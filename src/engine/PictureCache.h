#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/TextureImage.h"

namespace varn {

// The pictures decoded in this run, by game path and colour key: a screen entered again gets its
// pictures without reading or decoding a file. Textures share the decoded pixels, which no one
// changes. The graphics device holds it and drops it when released, with the game's data.
class PictureCache {
  public:
    // The picture, decoded on first asking; null when the file is missing or not a picture (that
    // is not kept, so a file put there later is found). Every call is traced as a load.
    std::shared_ptr<const platform::TextureImage> Load(const char* gamePath, uint32_t colourKey);
    void Clear() { pictures_.clear(); }
    size_t Count() const { return pictures_.size(); }

  private:
    std::map<std::pair<std::string, uint32_t>, std::shared_ptr<const platform::TextureImage>>
        pictures_;
};

}  // namespace varn

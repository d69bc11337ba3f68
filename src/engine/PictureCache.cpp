#include "engine/PictureCache.h"

#include "platform/ImageLoader.h"

namespace varn {

std::shared_ptr<const platform::TextureImage> PictureCache::Load(const char* gamePath,
                                                                 uint32_t colourKey) {
    if (gamePath == nullptr) {
        return nullptr;
    }
    auto key = std::make_pair(std::string(gamePath), colourKey);
    auto found = pictures_.find(key);
    if (found != pictures_.end()) {
        platform::TraceTextureLoad(gamePath, colourKey);
        return found->second;
    }
    auto image = std::make_shared<platform::TextureImage>();
    if (!platform::LoadTextureImage(gamePath, colourKey, *image)) {
        return nullptr;
    }
    pictures_.emplace(std::move(key), image);
    return image;
}

}  // namespace varn

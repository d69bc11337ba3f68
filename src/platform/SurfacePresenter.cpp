#include "platform/SurfacePresenter.h"

#include <SDL2/SDL.h>

#include <cstring>

namespace varn {

namespace platform {

namespace {

// The source pixel nearest to the centre of each of count target pixels.
void NearestIndices(int sourceSize, int count, std::vector<int>& indices) {
    indices.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        indices[static_cast<size_t>(i)] =
            static_cast<int>((int64_t{2} * i + 1) * sourceSize / (int64_t{2} * count));
    }
}

uint32_t* PixelRow32(SDL_Surface* surface, int y) {
    return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) +
                                       static_cast<ptrdiff_t>(y) * surface->pitch);
}

}  // namespace

SurfacePresenter::~SurfacePresenter() {
    SDL_FreeSurface(staging_);
}

bool SurfacePresenter::PrepareStaging(int width, int height, uint32_t format) {
    if (staging_ != nullptr && staging_->w == width && staging_->h == height &&
        staging_->format->format == format) {
        return true;
    }
    SDL_FreeSurface(staging_);
    staging_ = SDL_CreateRGBSurfaceWithFormat(0, width, height, 0, format);
    if (staging_ == nullptr) {
        return false;
    }
    // A plain copy when scaling, whatever alpha the format has.
    SDL_SetSurfaceBlendMode(staging_, SDL_BLENDMODE_NONE);
    return true;
}

bool SurfacePresenter::TargetChanged(const SDL_Surface* target) const {
    return target->pixels != targetPixels_ || target->w != targetWidth_ ||
           target->h != targetHeight_ || target->format->format != targetFormat_;
}

bool SurfacePresenter::Draw(const BackBuffer& frame, SDL_Surface* target) {
    if (target == nullptr || frame.width <= 0 || frame.height <= 0 ||
        frame.pixels.size() <
            static_cast<size_t>(frame.width) * static_cast<size_t>(frame.height)) {
        return false;
    }
    const uint32_t format = target->format->format;
    if (SDL_ISPIXELFORMAT_INDEXED(format) || !PrepareStaging(frame.width, frame.height, format)) {
        return false;
    }
    if (SDL_ConvertPixels(frame.width, frame.height, SDL_PIXELFORMAT_RGB565, frame.pixels.data(),
                          frame.width * static_cast<int>(sizeof(uint16_t)), format,
                          staging_->pixels, staging_->pitch) != 0) {
        return false;
    }

    const bool repaint =
        TargetChanged(target) || frame.width != frameWidth_ || frame.height != frameHeight_;
    if (repaint) {
        if (SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0)) != 0) {
            return false;
        }
        targetPixels_ = target->pixels;
        targetWidth_ = target->w;
        targetHeight_ = target->h;
        targetFormat_ = format;
        frameWidth_ = frame.width;
        frameHeight_ = frame.height;
        picture_ = LetterboxRect(frame.width, frame.height, target->w, target->h);
    }
    changed_ = repaint ? PictureRect{0, 0, target->w, target->h} : picture_;
    if (picture_.width == 0 || picture_.height == 0) {
        return true;  // nothing of the picture fits
    }

    SDL_Rect into{picture_.x, picture_.y, picture_.width, picture_.height};
    if (picture_.width == frame.width && picture_.height == frame.height) {
        return SDL_BlitSurface(staging_, nullptr, target, &into) == 0;
    }
    if (target->format->BytesPerPixel != 4 || SDL_MUSTLOCK(target)) {
        return SDL_BlitScaled(staging_, nullptr, target, &into) == 0;
    }
    ScaleNearest32(target, repaint);
    return true;
}

// SDL's scaler works out every target pixel on its own; here each source row is scaled once and
// the target rows that repeat it are copies, which halves the work at the usual sizes.
void SurfacePresenter::ScaleNearest32(SDL_Surface* target, bool pictureMoved) {
    if (pictureMoved || columns_.size() != static_cast<size_t>(picture_.width)) {
        NearestIndices(staging_->w, picture_.width, columns_);
        NearestIndices(staging_->h, picture_.height, rows_);
    }
    const size_t rowBytes = static_cast<size_t>(picture_.width) * sizeof(uint32_t);
    const uint32_t* previous = nullptr;
    int previousSource = -1;
    for (int y = 0; y < picture_.height; ++y) {
        uint32_t* to = PixelRow32(target, picture_.y + y) + picture_.x;
        const int source = rows_[static_cast<size_t>(y)];
        if (source == previousSource) {
            std::memcpy(to, previous, rowBytes);
        } else {
            const uint32_t* from = PixelRow32(staging_, source);
            for (int x = 0; x < picture_.width; ++x) {
                to[x] = from[columns_[static_cast<size_t>(x)]];
            }
        }
        previous = to;
        previousSource = source;
    }
}

}  // namespace platform

}  // namespace varn

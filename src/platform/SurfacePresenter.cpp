#include "platform/SurfacePresenter.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstring>

namespace varn {

namespace platform {

namespace {

constexpr size_t kColours = 65536;

// The source pixel nearest to the centre of each of count target pixels.
void NearestIndices(int sourceSize, int count, std::vector<int>& indices) {
    indices.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        indices[static_cast<size_t>(i)] =
            static_cast<int>((int64_t{2} * i + 1) * sourceSize / (int64_t{2} * count));
    }
}

// The first of the ascending indices that shows source position at or after from.
int FirstShowing(const std::vector<int>& indices, int from) {
    return static_cast<int>(std::lower_bound(indices.begin(), indices.end(), from) -
                            indices.begin());
}

uint8_t* PixelRow(SDL_Surface* surface, int y) {
    return static_cast<uint8_t*>(surface->pixels) + static_cast<ptrdiff_t>(y) * surface->pitch;
}

// The frame's pixels count to count are looked up once each, then spread over the target's
// columns; the bytes of each pixel are copied as the table holds them, whatever the machine's
// byte order.
template <int kBytes>
void ScaleRow(const uint16_t* source, const int* columns, int count, const uint32_t* lookup,
              uint32_t* converted, uint8_t* out) {
    const int first = columns[0];
    const int last = columns[count - 1];
    for (int x = first; x <= last; ++x) {
        converted[x] = lookup[source[x]];
    }
    for (int i = 0; i < count; ++i) {
        std::memcpy(out + static_cast<ptrdiff_t>(i) * kBytes, &converted[columns[i]], kBytes);
    }
}

void ScaleRowOf(int bytesPerPixel, const uint16_t* source, const int* columns, int count,
                const uint32_t* lookup, uint32_t* converted, uint8_t* out) {
    switch (bytesPerPixel) {
        case 4:
            ScaleRow<4>(source, columns, count, lookup, converted, out);
            break;
        case 3:
            ScaleRow<3>(source, columns, count, lookup, converted, out);
            break;
        default:
            ScaleRow<2>(source, columns, count, lookup, converted, out);
            break;
    }
}

}  // namespace

bool SurfacePresenter::PrepareLookup(uint32_t format) {
    if (format == lookupFormat_ && !lookup_.empty()) {
        return true;
    }
    const int bytes = SDL_BYTESPERPIXEL(format);
    if (SDL_ISPIXELFORMAT_INDEXED(format) || bytes < 2 || bytes > 4) {
        return false;
    }
    std::vector<uint16_t> colours(kColours);
    for (size_t colour = 0; colour < kColours; ++colour) {
        colours[colour] = static_cast<uint16_t>(colour);
    }
    std::vector<uint8_t> converted(kColours * static_cast<size_t>(bytes));
    if (SDL_ConvertPixels(static_cast<int>(kColours), 1, SDL_PIXELFORMAT_RGB565, colours.data(),
                          static_cast<int>(kColours * sizeof(uint16_t)), format, converted.data(),
                          static_cast<int>(converted.size())) != 0) {
        return false;
    }
    lookup_.assign(kColours, 0);
    for (size_t colour = 0; colour < kColours; ++colour) {
        std::memcpy(&lookup_[colour], &converted[colour * static_cast<size_t>(bytes)],
                    static_cast<size_t>(bytes));
    }
    lookupFormat_ = format;
    bytesPerPixel_ = bytes;
    return true;
}

bool SurfacePresenter::TargetChanged(const SDL_Surface* target) const {
    return target->pixels != targetPixels_ || target->w != targetWidth_ ||
           target->h != targetHeight_ || target->format->format != targetFormat_;
}

void SurfacePresenter::Forget() {
    forgotten_ = true;
}

void SurfacePresenter::Repaint(const BackBuffer& frame, SDL_Surface* target) {
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    targetPixels_ = target->pixels;
    targetWidth_ = target->w;
    targetHeight_ = target->h;
    targetFormat_ = target->format->format;
    frameWidth_ = frame.width;
    frameHeight_ = frame.height;
    forgotten_ = false;
    picture_ = LetterboxRect(frame.width, frame.height, target->w, target->h);
    NearestIndices(frame.width, picture_.width, columns_);
    NearestIndices(frame.height, picture_.height, rows_);
    converted_.resize(static_cast<size_t>(frame.width));
    changes_.Forget();
}

PictureRect SurfacePresenter::TargetRect(const ChangedBand& band) const {
    const int left = FirstShowing(columns_, band.left);
    const int right = FirstShowing(columns_, band.right);
    const int top = FirstShowing(rows_, band.top);
    const int bottom = FirstShowing(rows_, band.bottom);
    return PictureRect{picture_.x + left, picture_.y + top, right - left, bottom - top};
}

void SurfacePresenter::DrawRect(const BackBuffer& frame, SDL_Surface* target,
                                const PictureRect& rect) {
    const int column = rect.x - picture_.x;
    const size_t rowBytes = static_cast<size_t>(rect.width) * static_cast<size_t>(bytesPerPixel_);
    const ptrdiff_t offset = static_cast<ptrdiff_t>(rect.x) * bytesPerPixel_;
    const uint8_t* previous = nullptr;
    int previousSource = -1;
    for (int y = rect.y; y < rect.y + rect.height; ++y) {
        uint8_t* out = PixelRow(target, y) + offset;
        const int source = rows_[static_cast<size_t>(y - picture_.y)];
        if (source == previousSource) {
            std::memcpy(out, previous, rowBytes);
        } else {
            ScaleRowOf(bytesPerPixel_, frame.Row(source), columns_.data() + column, rect.width,
                       lookup_.data(), converted_.data(), out);
        }
        previous = out;
        previousSource = source;
    }
}

bool SurfacePresenter::Draw(const BackBuffer& frame, SDL_Surface* target) {
    if (target == nullptr || frame.width <= 0 || frame.height <= 0 ||
        frame.pixels.size() <
            static_cast<size_t>(frame.width) * static_cast<size_t>(frame.height) ||
        !PrepareLookup(target->format->format)) {
        return false;
    }
    if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) {
        return false;
    }
    changed_.clear();
    const bool repaint = forgotten_ || TargetChanged(target) || frame.width != frameWidth_ ||
                         frame.height != frameHeight_;
    if (repaint) {
        Repaint(frame, target);
        changed_.push_back(PictureRect{0, 0, target->w, target->h});
    }
    for (const ChangedBand& band : changes_.Compare(frame)) {
        const PictureRect rect = TargetRect(band);
        if (rect.width > 0 && rect.height > 0) {
            DrawRect(frame, target, rect);
            if (!repaint) {
                changed_.push_back(rect);
            }
        }
    }
    if (SDL_MUSTLOCK(target)) {
        SDL_UnlockSurface(target);
    }
    return true;
}

}  // namespace platform

}  // namespace varn

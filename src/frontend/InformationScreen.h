#pragma once

#include <span>
#include <string_view>

#include "engine/ButtonBar.h"
#include "engine/PictureTable.h"
#include "frontend/PageButtons.h"
#include "frontend/ScreenArt.h"

namespace varn {

class GraphicsDevice;

inline constexpr PictureLoad kInformationPictures[] = {
    kPreviousPagePicture,
    kNextPagePicture,
    kBackPagePicture,
};

// One page of how to play: a title and its lines.
struct InformationPage {
    std::string_view title;
    std::span<const std::string_view> lines;
};

std::span<const InformationPage> InformationPages();

// The pages of how to play, one shown at a time, with the page buttons.
class InformationScreen {
  public:
    virtual ~InformationScreen() = default;

    void Init(GraphicsDevice* device);
    void Free();
    void Draw();

    ButtonBar buttons{kPageButtons};
    ScreenArt art;
    PageCursor pages{0, static_cast<int>(InformationPages().size())};
};

}  // namespace varn

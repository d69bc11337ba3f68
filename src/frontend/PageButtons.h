#pragma once

#include <cstdint>

#include "engine/ButtonBar.h"
#include "engine/PictureTable.h"

namespace varn {

struct ScreenArt;

// The buttons under a screen of several pages: previous and next page, and back to where the
// screen was opened from, above the row where the frame rate may be shown. Their pictures sit in
// the slots of their ids.
enum PageButton : uint8_t { kPagePrevious = 1, kPageNext = 2, kPageBack = 3 };

inline constexpr ButtonRect kPageButtons[] = {
    {kPagePrevious, 40, 480, 192, 64},
    {kPageBack, 304, 480, 192, 64},
    {kPageNext, 568, 480, 192, 64},
};

inline constexpr PictureLoad kPreviousPagePicture{kPagePrevious, "Art\\Menu2\\Previous.bmp", 192,
                                                  64, 0xFF000000};
inline constexpr PictureLoad kNextPagePicture{kPageNext, "Art\\Menu2\\Next.bmp", 192, 64,
                                              0xFF000000};
inline constexpr PictureLoad kBackPagePicture{kPageBack, "Art\\Menu2\\Back.bmp", 192, 64,
                                              0xFF000000};

// Which of count pages (at least one) is shown, from 0.
struct PageCursor {
    int page = 0;
    int count = 1;

    bool HasPrevious() const { return page > 0; }
    bool HasNext() const { return page + 1 < count; }
};

// Turns the pages by this frame's button action and keys: the page buttons turn one page where
// there is one, Enter turns to the next page or, on the last, leaves. True when the screen is to
// be left (Escape or Backspace, the back button, Enter on the last page).
bool TurnPages(PageCursor& pages, uint8_t action, bool backKey, bool enterKey);

// The page buttons that lead somewhere, at the hovering scales, and "Page n of m" between them
// when there is more than one page.
void DrawPageButtons(ScreenArt& art, const ButtonBar& buttons, const PageCursor& pages);

}  // namespace varn

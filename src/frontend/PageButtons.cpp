#include "frontend/PageButtons.h"

#include <cstdio>

#include "frontend/FrontEndDrawing.h"
#include "frontend/ScreenArt.h"

namespace varn {

namespace {

constexpr int32_t kPageNumberX = 352;
constexpr int32_t kPageNumberY = 448;

}  // namespace

bool TurnPages(PageCursor& pages, uint8_t action, bool backKey, bool enterKey) {
    if (backKey || action == kPageBack) {
        return true;
    }
    if (action == kPagePrevious && pages.HasPrevious()) {
        --pages.page;
    } else if (action == kPageNext || enterKey) {
        if (pages.HasNext()) {
            ++pages.page;
        } else if (enterKey) {
            return true;
        }
    }
    return false;
}

void DrawPageButtons(ScreenArt& art, const ButtonBar& buttons, const PageCursor& pages) {
    if (pages.HasPrevious()) {
        DrawButton(art.sprites, kPagePrevious, buttons, kPagePrevious, kLargeButtonScales);
    }
    if (pages.HasNext()) {
        DrawButton(art.sprites, kPageNext, buttons, kPageNext, kLargeButtonScales);
    }
    DrawButton(art.sprites, kPageBack, buttons, kPageBack, kLargeButtonScales);
    if (pages.count > 1) {
        char text[32];
        std::snprintf(text, sizeof text, "Page %d of %d", pages.page + 1, pages.count);
        art.Text(text, kPageNumberX, kPageNumberY, kTextGrey);
    }
}

}  // namespace varn

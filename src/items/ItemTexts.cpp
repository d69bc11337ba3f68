#include "items/ItemTexts.h"

#include <span>

#include "items/ItemBonuses.h"
#include "items/ItemTextData.h"

namespace varn {

namespace {

// Appends words to a line, one blank between them; the line starts blank.
class LineWriter {
  public:
    explicit LineWriter(std::span<GlyphCode> line) : line_(line) {}

    void Append(Word word) {
        if (word == Word::None) {
            return;
        }
        if (next_ > 0) {
            ++next_;
        }
        const GlyphString& glyphs = item_text_data::GlyphsOf(word);
        for (GlyphCode code : glyphs) {
            if (code == kGlyphBlank || next_ >= line_.size()) {
                break;
            }
            line_[next_++] = code;
        }
    }

  private:
    std::span<GlyphCode> line_;
    size_t next_ = 0;
};

void UpdateLastIndex(const GlyphString& line, uint8_t& last) {
    for (GlyphCode code : line) {
        if (code != kGlyphBlank) {
            last = static_cast<uint8_t>(LastGlyphIndex(line));
            return;
        }
    }
}

}  // namespace

namespace ItemCatalogue {

void DescribeItem(ItemDescription& description, int32_t id) {
    description.statLabel.fill(kGlyphBlank);
    LineWriter(description.statLabel).Append(item_text_data::LabelOf(FactsOf(KindOf(id)).stat));

    description.line1.fill(kGlyphBlank);
    description.line2.fill(kGlyphBlank);
    if (const ItemText* text = item_text_data::TextOf(id)) {
        LineWriter name(description.line1);
        name.Append(text->qualifier);
        name.Append(item_text_data::NounOf(id));
        LineWriter second(description.line2);
        second.Append(Word::Of);
        second.Append(text->ending);
        second.Append(text->endingSecond);
    }
    UpdateLastIndex(description.line1, description.line1Last);
    UpdateLastIndex(description.line2, description.line2Last);
}

void RefreshDescription(ItemDescription& description, int32_t shownItem) {
    if (description.itemId == shownItem) {
        return;
    }
    // The description keeps the id's low byte, as its field is one byte wide.
    description.itemId = static_cast<uint8_t>(shownItem);
    DescribeItem(description, description.itemId);
    description.bonus = BonusOf(description.itemId);
}

}  // namespace ItemCatalogue

}  // namespace varn

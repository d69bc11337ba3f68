#pragma once

#include <cstdint>

#include "houses/HouseScreen.h"
#include "houses/QuestChains.h"
#include "houses/QuestTexts.h"

namespace varn {

// Where a talk dialogue draws: the house screen, or a test's record of what was asked.
class DialogueCanvas {
  public:
    virtual ~DialogueCanvas() = default;
    virtual void Box(const Panel& panel) = 0;
    virtual void Text(const char* text, int32_t x, int32_t y, int32_t width, int32_t height,
                      uint32_t colour) = 0;
    virtual void ItemPicture(ItemId item, Spot at) = 0;
    // A 32 x 32 button picture of the screen's control set.
    virtual void Button(int32_t slot, int32_t frame, Spot at) = 0;
};

// Draws on the screen itself: the backdrop and font of the house, the item pictures the quest
// progress flagged.
class ScreenCanvas final : public DialogueCanvas {
  public:
    explicit ScreenCanvas(const HouseScreen& screen) : screen_(screen) {}
    void Box(const Panel& panel) override;
    void Text(const char* text, int32_t x, int32_t y, int32_t width, int32_t height,
              uint32_t colour) override;
    void ItemPicture(ItemId item, Spot at) override;
    void Button(int32_t slot, int32_t frame, Spot at) override;

  private:
    const HouseScreen& screen_;
};

// The texts of the house a screen shows; null for a village or town number that names no
// place.
const HouseTexts* TextsOf(HouseKind kind, int houseNumber);

// The notes that an item went to the house's store because the bag was full: under a reward
// while the talk box is open, under a gift while it shows.
void DrawBagFullNotes(const HouseScreen& screen, DialogueCanvas& canvas);

// The talk box of one house from the flags of the last quest progress run: the nothing-to-say
// notice, each quest's offer, reminder and reward with the join box, "Accept?", and the gift of
// a quest just accepted. Opens the accept question, lets an accepted quest move on and raises
// the fame latch of a reward.
void DrawQuestTalk(HouseScreen& screen, const QuestChain& chain, const HouseTexts& texts,
                   DialogueCanvas& canvas);

}  // namespace varn

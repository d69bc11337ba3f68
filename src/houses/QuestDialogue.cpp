#include "houses/QuestDialogue.h"

#include <cstdio>

namespace varn {

namespace {

constexpr int16_t kReminderTitleY = 320;
constexpr int16_t kReminderLineY = 350;
constexpr int16_t kNoteTitleOffset = 10;
constexpr int16_t kNoteLineOffset = 40;
constexpr int16_t kNoteLineStep = 30;
constexpr int16_t kNoteLineWidth = 400;
constexpr int32_t kYesButtonSlot = 22;
constexpr int32_t kNoButtonSlot = 23;

bool FlagSet(const HouseScreen& screen, int flag) {
    return screen.questDisplay[static_cast<size_t>(flag)] != 0;
}

bool FlagSet(const HouseScreen& screen, const ChainQuest& link, QuestMoment moment) {
    return FlagSet(screen, DisplayFlag(link, moment));
}

bool AnyRewardShown(const HouseScreen& screen) {
    for (int slot = 0; slot < kChainLength; ++slot) {
        if (FlagSet(screen, 4 * slot + static_cast<int>(QuestMoment::Reward))) {
            return true;
        }
    }
    return false;
}

void Title(DialogueCanvas& canvas, uint8_t quest, int32_t x, int32_t y) {
    char title[16];
    std::snprintf(title, sizeof title, "Quest %d", quest);
    canvas.Text(title, x, y, kTitleWidth, kLineHeight, kTitleColour);
}

void Line(DialogueCanvas& canvas, const TextLine& line, uint32_t colour) {
    canvas.Text(line.text, line.x, line.y, line.width, line.height, colour);
}

void Lines(DialogueCanvas& canvas, const Panel& panel, const auto& lines, uint32_t colour) {
    canvas.Box(panel);
    for (const TextLine& line : lines) {
        Line(canvas, line, colour);
    }
}

void DrawNotice(DialogueCanvas& canvas, const Notice& notice) {
    canvas.Box(notice.panel);
    for (int k = 0; k < notice.lineCount; ++k) {
        Line(canvas, notice.lines[static_cast<size_t>(k)], kTitleColour);
    }
}

void DrawHolding(const HouseScreen& screen, DialogueCanvas& canvas) {
    if (screen.heldAny != 0) {
        Lines(canvas, kHoldingPanel, kHoldingLines, kTextGrey);
    }
}

void DrawNothingToSay(const HouseScreen& screen, const HouseTexts& texts, DialogueCanvas& canvas) {
    const NoticeRule& rule = texts.nothingToSay;
    const Notice* notice = screen.Quest(rule.quest) < rule.below ? rule.whileBelow : rule.otherwise;
    if (notice != nullptr) {
        DrawNotice(canvas, *notice);
    }
    DrawHolding(screen, canvas);
}

void DrawOffer(DialogueCanvas& canvas, uint8_t quest, const OfferText& offer) {
    canvas.Box(offer.panel);
    Title(canvas, quest, offer.textX, offer.lineY[0]);
    for (int k = 0; k < offer.lineCount; ++k) {
        canvas.Text(offer.lines[static_cast<size_t>(k)], offer.textX,
                    offer.lineY[static_cast<size_t>(k + 1)], offer.lineWidth, kLineHeight,
                    kTextGrey);
    }
}

void DrawReminder(DialogueCanvas& canvas, uint8_t quest, const ReminderText& reminder) {
    canvas.Box(reminder.panel);
    Title(canvas, quest, reminder.titleX, kReminderTitleY);
    canvas.Text(reminder.line, reminder.lineX, kReminderLineY, reminder.lineWidth, kLineHeight,
                kTextGrey);
}

// A gift or a reward: the lines, "Fame +1 " and the picture of the note's own item.
void DrawNote(DialogueCanvas& canvas, uint8_t quest, const NoteText& note, ItemId item) {
    canvas.Box(note.panel);
    Title(canvas, quest, note.textX, note.panel.y + kNoteTitleOffset);
    for (int k = 0; k < note.lineCount; ++k) {
        canvas.Text(note.lines[static_cast<size_t>(k)], note.textX,
                    note.panel.y + kNoteLineOffset + kNoteLineStep * k, kNoteLineWidth, kLineHeight,
                    kTextGrey);
    }
    canvas.Text(kFameLine, note.fame.x, note.fame.y, kNoteLineWidth, kLineHeight, kTextGrey);
    if (item != kNoItem) {
        canvas.ItemPicture(item, note.picture);
    }
}

void DrawJoin(DialogueCanvas& canvas, const HouseTexts& texts) {
    if (texts.joinMessage == nullptr) {
        return;
    }
    canvas.Box(kJoinPanel);
    canvas.Text(texts.joinMessage, kJoinMessageSpot.x, kJoinMessageSpot.y, kJoinMessageWidth,
                kLineHeight, kTextGrey);
    canvas.Text(texts.joinBenefits, kJoinBenefitsSpot.x, kJoinBenefitsSpot.y, kJoinBenefitsWidth,
                kLineHeight, kTextGrey);
}

void DrawAcceptQuestion(const HouseScreen& screen, DialogueCanvas& canvas) {
    canvas.Box(kAcceptPanel);
    Line(canvas, kAcceptText, kTextGrey);
    canvas.Button(kYesButtonSlot, screen.buttons.Look(kAcceptYesButton), kAcceptYesSpot);
    canvas.Button(kNoButtonSlot, screen.buttons.Look(kAcceptNoButton), kAcceptNoSpot);
}

// The chain position whose quest shows in display slot `slot`.
size_t PositionOfSlot(const QuestChain& chain, int slot) {
    for (size_t p = 0; p < chain.size(); ++p) {
        if (chain[p].slot == slot) {
            return p;
        }
    }
    return chain.size();
}

// Of two open offers Yes takes the later, and its panel would cover the earlier: only the
// offer of the last display slot is written. -1 without an offer.
int LastOfferSlot(const HouseScreen& screen, const QuestChain& chain) {
    for (int slot = kChainLength - 1; slot >= 0; --slot) {
        const size_t p = PositionOfSlot(chain, slot);
        if (p != chain.size() && FlagSet(screen, chain[p], QuestMoment::Offer)) {
            return slot;
        }
    }
    return -1;
}

void DrawTalkBox(HouseScreen& screen, const QuestChain& chain, const HouseTexts& texts,
                 DialogueCanvas& canvas) {
    if (FlagSet(screen, kNothingToTellFlag)) {
        DrawNothingToSay(screen, texts, canvas);
    }
    for (int slot = 0; slot < kChainLength; ++slot) {
        const size_t p = PositionOfSlot(chain, slot);
        if (p == chain.size()) {
            continue;
        }
        const ChainQuest& link = chain[p];
        const QuestTexts& quest = texts.quests[p];
        if (FlagSet(screen, link, QuestMoment::Offer)) {
            if (slot == LastOfferSlot(screen, chain)) {
                DrawOffer(canvas, link.quest, quest.offer);
            }
            screen.acceptQuestion = 1;
        }
        if (FlagSet(screen, link, QuestMoment::Reminder)) {
            DrawReminder(canvas, link.quest, quest.reminder);
            DrawHolding(screen, canvas);
        }
        if (FlagSet(screen, link, QuestMoment::Reward)) {
            DrawNote(canvas, link.quest, quest.reward, link.rewardItem);
            if (screen.fameUpLatch == 0) {
                screen.fameUpLatch = 1;
            }
            if (link.joins) {
                DrawJoin(canvas, texts);
            }
        }
    }
    if (screen.acceptQuestion != 0) {
        DrawAcceptQuestion(screen, canvas);
    }
}

}  // namespace

void DrawBagFullNotes(const HouseScreen& screen, DialogueCanvas& canvas) {
    if (screen.bagFull == 0) {
        return;
    }
    if (screen.talkOpen != 0 && AnyRewardShown(screen)) {
        Lines(canvas, kRewardBagFullPanel, kRewardBagFullLines, kTextGrey);
    }
    if (screen.acceptedNow != 0) {
        Lines(canvas, kGiftBagFullPanel, kGiftBagFullLines, kTextGrey);
    }
}

void DrawQuestTalk(HouseScreen& screen, const QuestChain& chain, const HouseTexts& texts,
                   DialogueCanvas& canvas) {
    if (screen.talkOpen != 0) {
        DrawTalkBox(screen, chain, texts, canvas);
    }
    if (screen.acceptedNow == 0) {
        return;
    }
    for (size_t p = 0; p < chain.size(); ++p) {
        const ChainQuest& link = chain[p];
        if (FlagSet(screen, link, QuestMoment::Gift)) {
            DrawNote(canvas, link.quest, texts.quests[p].gift, link.giftItem);
            screen.giftShown = 1;
        }
    }
}

const HouseTexts* TextsOf(HouseKind kind, int houseNumber) {
    switch (kind) {
        case HouseKind::Village:
            return houseNumber >= 1 && houseNumber <= kVillageCount
                       ? &kVillageTexts[static_cast<size_t>(houseNumber - 1)]
                       : nullptr;
        case HouseKind::Town:
            return houseNumber >= 1 && houseNumber <= kTownCount
                       ? &kTownTexts[static_cast<size_t>(houseNumber - 1)]
                       : nullptr;
        case HouseKind::Castle:
            return &kCastleTexts;
        case HouseKind::Palace:
            return &kPalaceTexts;
        case HouseKind::Temple:
            return &kTempleTexts;
        case HouseKind::Tower:
            return &kTowerTexts;
    }
    return nullptr;
}

}  // namespace varn

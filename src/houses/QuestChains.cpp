#include "houses/QuestChains.h"

namespace varn {

namespace {

struct Payments {
    uint8_t quest;
    int32_t giftGold;
    ItemId giftItem;
    int32_t rewardGold;
    ItemId rewardItem;
};

constexpr int kNoJoin = -1;

// A chain whose first quest opens by `first` and every later one once the one before it is
// solved, shown in chain order.
constexpr QuestChain PlainChain(OpenWhen first, int joiningPosition,
                                const std::array<Payments, kChainLength>& rows) {
    QuestChain chain{};
    for (int p = 0; p < kChainLength; ++p) {
        const Payments& row = rows[p];
        chain[p] = ChainQuest{row.quest,
                              p == 0 ? first : OpenWhen::Solved,
                              p == 0 ? uint8_t{0} : rows[p - 1].quest,
                              row.giftGold,
                              row.giftItem,
                              row.rewardGold,
                              row.rewardItem,
                              p == joiningPosition,
                              static_cast<uint8_t>(p)};
    }
    return chain;
}

}  // namespace

// Village 1 waits for the day and for help from town 2 or the palace, and shows its quests in
// its own slot order.
const std::array<QuestChain, 9> kVillageChains = {{
    {{
        {1, OpenWhen::DayStarted, 0, 20, kNoItem, 50, 12, false, 2},
        {2, OpenWhen::Solved, 1, 30, 127, 100, 151, false, 0},
        {5, OpenWhen::SolvedAndHelpFound, 2, 80, 247, 110, 99, true, 1},
        {11, OpenWhen::Solved, 5, 60, 159, 100, 136, false, 3},
        {34, OpenWhen::Solved, 11, 65, 167, 115, 148, false, 4},
    }},
    PlainChain(OpenWhen::Locked, 0,
               {{{29, 30, 87, 60, 112},
                 {42, 36, 24, 70, 185},
                 {50, 41, 143, 72, 124},
                 {54, 45, 170, 80, 56},
                 {59, 50, 135, 100, 77}}}),
    PlainChain(OpenWhen::Locked, 0,
               {{{28, 30, 47, 70, 71},
                 {36, 35, 184, 78, 142},
                 {39, 40, 105, 90, 19},
                 {47, 50, 180, 100, 232},
                 {51, 60, 238, 110, 61}}}),
    PlainChain(OpenWhen::Locked, 1,
               {{{40, 30, 169, 60, 138},
                 {48, 35, 93, 70, 11},
                 {61, 40, 100, 80, 222},
                 {71, 45, 242, 90, 21},
                 {72, 50, 168, 100, 39}}}),
    PlainChain(OpenWhen::Locked, 3,
               {{{52, 30, 145, 60, 191},
                 {66, 35, 36, 70, 125},
                 {69, 40, 97, 80, 178},
                 {73, 45, 126, 90, 237},
                 {74, 50, 41, 100, 79}}}),
    PlainChain(OpenWhen::Locked, 2,
               {{{35, 30, 149, 60, 171},
                 {45, 35, 14, 70, 103},
                 {49, 40, 96, 80, 132},
                 {56, 45, 16, 90, 40},
                 {63, 50, 249, 100, 78}}}),
    PlainChain(OpenWhen::Locked, 3,
               {{{53, 30, 245, 60, 227},
                 {57, 35, 140, 70, 131},
                 {60, 40, 117, 80, 95},
                 {62, 45, 46, 90, 181},
                 {67, 50, 118, 100, 240}}}),
    PlainChain(OpenWhen::Locked, 3,
               {{{55, 30, 101, 60, 15},
                 {58, 35, 229, 70, 18},
                 {64, 40, 150, 80, 120},
                 {65, 45, 20, 90, 48},
                 {68, 50, 121, 100, 235}}}),
    PlainChain(OpenWhen::Locked, kNoJoin,
               {{{19, 30, 52, 70, 176},
                 {20, 40, 107, 80, 5},
                 {21, 45, 177, 90, 94},
                 {22, 50, 147, 100, 6},
                 {24, 60, 175, 110, 7}}}),
}};

// Town 2's first quest is offered by the world from the new game on.
const std::array<QuestChain, 4> kTownChains = {{
    PlainChain(OpenWhen::Locked, 1,
               {{{12, 55, 88, 100, 38},
                 {13, 55, 108, 110, 187},
                 {14, 55, 244, 110, 130},
                 {17, 55, 189, 110, 4},
                 {31, 55, 23, 110, 60}}}),
    PlainChain(OpenWhen::ByWorld, 0,
               {{{3, 40, 139, 100, 1},
                 {16, 50, 129, 100, 231},
                 {25, 54, 9, 110, 230},
                 {30, 60, 188, 114, 74},
                 {43, 70, 13, 120, 234}}}),
    PlainChain(OpenWhen::Locked, 4,
               {{{8, 40, kNoItem, 80, 156},
                 {27, 45, 8, 86, 102},
                 {33, 50, 98, 90, 54},
                 {37, 60, 165, 100, 59},
                 {38, 62, 190, 110, 248}}}),
    PlainChain(OpenWhen::Locked, 4,
               {{{7, 40, 141, 80, 37},
                 {18, 40, 134, 100, 173},
                 {32, 50, 10, 105, 109},
                 {44, 60, 160, 110, 92},
                 {46, 65, 162, 120, 63}}}),
}};

// Quest 91's reward names no armor: every armor is already given somewhere, so it pays gold and
// fame alone.
const QuestChain kCastleChain = PlainChain(OpenWhen::Locked, kNoJoin,
                                           {{{81, 40, 68, 100, 26},
                                             {82, 55, 164, 110, 31},
                                             {83, 50, 42, 110, 182},
                                             {85, 60, 228, 110, 27},
                                             {91, 62, 250, 110, kNoItem}}});

// Quest 4 is the world's to open; quest 70 waits for the world's quest 6, not for quest 4.
const QuestChain kPalaceChain = [] {
    QuestChain chain = PlainChain(OpenWhen::ByWorld, kNoJoin,
                                  {{{4, 40, 111, 100, 91},
                                    {70, 55, 75, 110, 73},
                                    {75, 50, 45, 110, 29},
                                    {79, 60, 174, 110, 33},
                                    {87, 62, 226, 110, 60}}});
    chain[1].after = 6;
    return chain;
}();

const QuestChain kTempleChain = PlainChain(OpenWhen::Locked, kNoJoin,
                                           {{{9, 40, 110, 80, 157},
                                             {10, 45, 51, 86, 158},
                                             {15, 50, 64, 96, 146},
                                             {23, 55, 89, 110, 44},
                                             {41, 55, 28, 110, 225}}});

const QuestChain kTowerChain = PlainChain(OpenWhen::Locked, kNoJoin,
                                          {{{26, 40, 22, 100, 83},
                                            {76, 55, 35, 110, 53},
                                            {88, 50, 32, 110, 80},
                                            {89, 60, 163, 110, 239},
                                            {90, 62, 122, 110, 86}}});

uint8_t JoiningQuest(const QuestChain& chain) {
    for (const ChainQuest& link : chain) {
        if (link.joins) {
            return link.quest;
        }
    }
    return 0;
}

}  // namespace varn

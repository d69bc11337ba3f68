#pragma once

#include <array>
#include <cstdint>

namespace varn {

// The fixed cells of the kingdom map's treasure, quest objects and places.

inline constexpr std::array<int32_t, 25> kChestCells = {
    9898, 1254, 10100, 1716, 9744, 9778, 1022,  508,  8821, 2364, 8178, 5504, 3345,
    586,  1979, 9199,  7844, 4797, 1900, 10263, 7816, 395,  766,  9468, 4181,
};

// Bags 16..19 have no cell and stay off the map.
inline constexpr std::array<int32_t, 16> kBagCells = {
    1451, 1754, 1433, 10032, 8351, 4067, 4019, 7005, 7828, 7463, 7852, 9560, 3358, 2233, 8217, 1031,
};

inline constexpr std::array<int32_t, 20> kPileCells = {
    1506, 1012, 9815, 10168, 213,  2152, 9064, 1596, 1772,  9267,
    569,  4846, 3042, 6049,  8188, 8672, 1417, 7906, 10280, 938,
};

inline constexpr int kQuestObjectSlots = 50;
inline constexpr std::array<int32_t, 33> kQuestObjectCells = {
    1508, 1558, 1741, 2460, 8265, 8510, 1187, 2936, 2818, 2878, 2522,
    6905, 2105, 2213, 2067, 1826, 8504, 8065, 1295, 8958, 4249, 2278,
    8374, 1972, 2296, 8548, 310,  2510, 2570, 2810, 2566, 4145, 4685,
};
// Two quest objects lie on two cells each.
inline constexpr std::array<int16_t, 33> kQuestObjectCodes = {
    1000, 1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1007, 1008,
    1009, 1010, 1011, 1012, 1013, 1014, 1015, 1016, 1017, 1018, 1019,
    1020, 1021, 1022, 1023, 1024, 1025, 1025, 1026, 1027, 1028, 1029,
};

inline constexpr int kCellsPerVillage = 3;
inline constexpr std::array<std::array<int32_t, kCellsPerVillage>, 9> kVillageCells = {{
    {1352, 1353, 1354},
    {8863, 8864, 8888},
    {1142, 1144, 1193},
    {2372, 2373, 2374},
    {8197, 8198, 8199},
    {3827, 3888, 3889},
    {158, 157, 159},
    {7071, 7131, 7132},
    {2939, 2998, 2937},
}};

// Towns 1..4 one after another.
inline constexpr std::array<int, 4> kTownCellCounts = {8, 15, 15, 15};
inline constexpr int kTownCellSlots = 53;
inline constexpr std::array<int32_t, kTownCellSlots> kTownCells = {
    9961, 9962, 9963, 9964, 9986, 9987, 9988, 9989,                                      //
    1806, 1807, 1808, 1809, 1810, 1856, 1857, 1858, 1859, 1860, 1906, 1907, 1908, 1909,  //
    1910,                                                                                //
    8106, 8107, 8108, 8109, 8110, 8156, 8157, 8158, 8159, 8160, 8206, 8207, 8208, 8209,  //
    8210,                                                                                //
    1586, 1587, 1588, 1589, 1590, 1636, 1637, 1638, 1639, 1640, 1686, 1687, 1688, 1689,  //
    1690,
};

inline constexpr std::array<int32_t, 6> kPalaceCells = {927, 877, 928, 878, 929, 879};
inline constexpr std::array<int32_t, 6> kTempleCells = {8362, 8363, 8364, 8412, 8413, 8414};
inline constexpr std::array<int32_t, 22> kCastleCells = {
    4375, 4435, 4495, 4314, 4374, 4434, 4494, 4554, 4313, 4373, 4433,
    4493, 4553, 4312, 4372, 4432, 4492, 4552, 4311, 4371, 4431, 4491,
};
inline constexpr int32_t kTowerCell = 4502;
inline constexpr std::array<int32_t, 2> kGoldMineCells = {1308, 1358};
inline constexpr std::array<int32_t, 2> kIronMineCells = {843, 893};

// The eight further sites one after another; the list has room for 100.
inline constexpr int kSiteCount = 8;
inline constexpr int kSiteCellSlots = 100;
inline constexpr std::array<int, kSiteCount> kSiteCellCounts = {5, 6, 12, 10, 10, 23, 10, 14};
inline constexpr std::array<int32_t, 90> kSiteCells = {
    6753, 6813, 6872, 6873, 6874,                                                  // site 1
    2592, 2593, 2594, 2652, 2653, 2654,                                            // site 2
    3428, 3487, 3488, 3489, 3546, 3547, 3548, 3549, 3550, 3607, 3608, 3609,        // site 3
    3148, 3207, 3208, 3209, 3267, 3268, 3269, 3327, 3328, 3329,                    // site 4
    4097, 4098, 4157, 4158, 4159, 4160, 4217, 4218, 4219, 4220,                    // site 5
    4057, 4058, 4059, 4116, 4117, 4118, 4119, 4120, 4176, 4177, 4178, 4179, 4180,  // site 6
    4236, 4237, 4238, 4239, 4240, 4296, 4297, 4298, 4299, 4300,                    //
    5218, 5277, 5278, 5279, 5337, 5338, 5339, 5397, 5398, 5399,                    // site 7
    5547, 5548, 5549, 5550, 5606, 5607, 5608, 5609, 5610, 5666, 5667, 5668, 5669,  // site 8
    5670,
};

// Site 1..8 of an index into the site list, or 0 past the used entries.
constexpr uint8_t SiteOfListIndex(int index) {
    int first = 0;
    for (int site = 0; site < kSiteCount; ++site) {
        if (index >= first && index < first + kSiteCellCounts[site]) {
            return static_cast<uint8_t>(site + 1);
        }
        first += kSiteCellCounts[site];
    }
    return 0;
}

// Town 1..4 of an index into the town list, or 0 past the used entries.
constexpr uint8_t TownOfListIndex(int index) {
    int first = 0;
    for (int town = 0; town < static_cast<int>(kTownCellCounts.size()); ++town) {
        if (index >= first && index < first + kTownCellCounts[town]) {
            return static_cast<uint8_t>(town + 1);
        }
        first += kTownCellCounts[town];
    }
    return 0;
}

}  // namespace varn

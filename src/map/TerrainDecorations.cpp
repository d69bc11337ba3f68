#include "map/TerrainTables.h"

namespace varn {

namespace {

// A decoration belongs to the tile that holds its top-left corner.
constexpr TerrainPiece Decoration(int32_t x, int32_t y, int32_t slot, int32_t frame, float scaleX,
                                  float scaleY) {
    const int32_t tileX = kWorldLeft + (x - kWorldLeft) / kTileSize * kTileSize;
    const int32_t tileY = kWorldTop + (y - kWorldTop) / kTileSize * kTileSize;
    return {tileX, tileY, x, y, slot, frame, scaleX, scaleY, Unconditionally(), false};
}

// Stones (MAPOthers and MapOthers2), bushes (MapOthers3) and ruins (MapOthers5), in the order of
// the tiles they lie on.
constexpr TerrainPiece kDecorations[] = {
    Decoration(-1741, -1119, 111, 5, 0.8f, 1.1f), Decoration(-1441, -1050, 111, 6, 2.5f, 1.6f),
    Decoration(-1288, -1178, 111, 4, 2.6f, 0.6f), Decoration(-1222, -1084, 111, 3, 2.3f, 0.6f),
    Decoration(-1288, -1149, 111, 0, 1.1f, 2.8f), Decoration(-1270, -1129, 111, 6, 2.2f, 1.5f),
    Decoration(-941, -1059, 111, 0, 1.9f, 0.5f),  Decoration(-889, -1099, 111, 0, 1.1f, 2.0f),
    Decoration(-842, -1125, 111, 4, 0.7f, 2.9f),  Decoration(100, -1070, 111, 5, 1.3f, 0.7f),
    Decoration(1973, -1168, 110, 1, 1.8f, 2.7f),  Decoration(2005, -1037, 110, 0, 1.7f, 2.3f),
    Decoration(2046, -1163, 110, 3, 2.5f, 2.6f),  Decoration(2156, -1199, 110, 1, 1.1f, 0.5f),
    Decoration(2209, -1098, 110, 3, 1.4f, 2.1f),  Decoration(2527, -1106, 110, 2, 1.8f, 2.3f),
    Decoration(2450, -1163, 110, 2, 2.1f, 0.9f),  Decoration(2715, -1059, 110, 1, 2.5f, 0.9f),
    Decoration(2681, -1161, 111, 0, 1.0f, 1.2f),  Decoration(2804, -1047, 110, 2, 0.5f, 2.6f),
    Decoration(3100, -1050, 111, 6, 0.8f, 2.2f),  Decoration(3442, -1081, 110, 3, 2.7f, 1.2f),
    Decoration(-233, -823, 111, 5, 2.3f, 2.4f),   Decoration(-72, -914, 111, 1, 2.0f, 2.0f),
    Decoration(178, -945, 111, 4, 2.3f, 1.5f),    Decoration(961, -934, 111, 7, 0.8f, 2.6f),
    Decoration(1942, -987, 110, 3, 2.0f, 2.3f),   Decoration(2150, -926, 111, 7, 0.7f, 2.0f),
    Decoration(2139, -885, 111, 1, 0.6f, 1.0f),   Decoration(2270, -980, 110, 0, 1.9f, 1.5f),
    Decoration(2283, -847, 110, 0, 1.9f, 1.0f),   Decoration(2388, -990, 110, 1, 0.9f, 2.2f),
    Decoration(2339, -918, 110, 1, 1.4f, 2.6f),   Decoration(2211, -820, 111, 5, 1.3f, 1.0f),
    Decoration(2285, -833, 111, 6, 1.7f, 2.2f),   Decoration(2469, -820, 110, 2, 2.0f, 2.9f),
    Decoration(2542, -823, 110, 0, 2.8f, 2.3f),   Decoration(2933, -929, 110, 0, 0.9f, 0.6f),
    Decoration(2937, -914, 110, 3, 2.4f, 1.7f),   Decoration(2879, -913, 110, 1, 1.8f, 2.5f),
    Decoration(2891, -925, 111, 6, 2.5f, 2.8f),   Decoration(2808, -927, 111, 6, 0.6f, 2.0f),
    Decoration(3038, -978, 110, 0, 1.2f, 1.3f),   Decoration(3479, -977, 110, 0, 1.2f, 0.6f),
    Decoration(-1684, -717, 111, 0, 2.2f, 1.3f),  Decoration(-26, -624, 111, 6, 0.6f, 1.1f),
    Decoration(577, -738, 111, 7, 1.5f, 1.9f),    Decoration(410, -724, 111, 0, 2.8f, 1.0f),
    Decoration(964, -698, 111, 7, 0.6f, 1.4f),    Decoration(935, -689, 111, 3, 0.6f, 1.5f),
    Decoration(1083, -701, 111, 5, 1.5f, 1.2f),   Decoration(1932, -717, 111, 2, 1.4f, 2.1f),
    Decoration(2486, -788, 110, 1, 2.7f, 2.6f),   Decoration(2602, -735, 111, 5, 1.9f, 2.0f),
    Decoration(2853, -667, 110, 0, 2.4f, 1.3f),   Decoration(3076, -692, 110, 0, 1.6f, 0.6f),
    Decoration(3157, -770, 111, 5, 2.8f, 2.5f),   Decoration(3387, -684, 110, 2, 2.4f, 0.5f),
    Decoration(3318, -610, 110, 0, 2.9f, 2.4f),   Decoration(3284, -764, 110, 1, 1.6f, 2.3f),
    Decoration(-1509, -425, 111, 5, 1.8f, 1.3f),  Decoration(-1368, -523, 111, 4, 0.5f, 1.8f),
    Decoration(-1127, -598, 111, 1, 0.9f, 0.8f),  Decoration(2018, -600, 110, 1, 2.5f, 1.9f),
    Decoration(2220, -470, 90, 0, 1.4f, 1.4f),    Decoration(2359, -519, 111, 2, 2.5f, 2.7f),
    Decoration(2610, -440, 110, 3, 1.9f, 0.9f),   Decoration(3374, -446, 90, 0, 1.5f, 2.3f),
    Decoration(3448, -497, 113, 0, 0.6f, 1.0f),   Decoration(2137, -359, 111, 7, 2.4f, 1.5f),
    Decoration(2712, -316, 110, 0, 2.1f, 2.7f),   Decoration(2692, -219, 110, 1, 2.8f, 1.2f),
    Decoration(2755, -295, 111, 7, 1.6f, 1.8f),   Decoration(2814, -273, 110, 1, 2.4f, 2.4f),
    Decoration(3052, -271, 110, 1, 0.8f, 1.4f),   Decoration(3220, -209, 113, 0, 1.1f, 1.2f),
    Decoration(2523, -119, 110, 3, 2.0f, 2.6f),   Decoration(2717, -150, 90, 1, 1.8f, 2.7f),
    Decoration(2971, -148, 110, 1, 1.2f, 2.6f),   Decoration(2891, -95, 110, 0, 1.0f, 1.6f),
    Decoration(3200, -140, 90, 1, 0.8f, 1.0f),    Decoration(-1651, 126, 111, 1, 2.3f, 2.1f),
    Decoration(-1776, 134, 111, 5, 1.4f, 1.2f),   Decoration(2042, 138, 111, 2, 2.8f, 2.5f),
    Decoration(3010, 20, 113, 1, 1.2f, 1.2f),     Decoration(3222, 77, 110, 2, 1.5f, 1.8f),
    Decoration(3286, 7, 111, 2, 1.4f, 1.8f),      Decoration(-1633, 257, 111, 2, 1.0f, 1.4f),
    Decoration(2497, 210, 110, 1, 0.9f, 2.4f),    Decoration(2918, 359, 90, 1, 2.5f, 1.5f),
    Decoration(2936, 313, 110, 0, 2.2f, 2.3f),    Decoration(3260, 334, 110, 3, 1.9f, 2.7f),
    Decoration(3287, 284, 110, 2, 2.2f, 1.4f),    Decoration(3426, 249, 110, 3, 1.5f, 0.7f),
    Decoration(1877, 552, 90, 0, 0.5f, 2.2f),     Decoration(1932, 503, 90, 1, 2.5f, 2.7f),
    Decoration(2222, 411, 113, 1, 0.9f, 0.5f),    Decoration(2521, 481, 110, 1, 0.8f, 2.3f),
    Decoration(2941, 444, 113, 0, 1.3f, 1.4f),    Decoration(3109, 578, 110, 0, 2.4f, 2.2f),
    Decoration(3341, 557, 110, 2, 1.1f, 1.2f),    Decoration(2380, 759, 110, 3, 1.8f, 1.6f),
    Decoration(2663, 781, 90, 0, 2.7f, 2.5f),     Decoration(2990, 605, 110, 3, 2.7f, 0.5f),
    Decoration(2853, 643, 110, 2, 1.6f, 2.3f),    Decoration(2887, 729, 110, 1, 0.7f, 2.2f),
    Decoration(3170, 696, 90, 0, 2.1f, 2.5f),     Decoration(3346, 723, 110, 1, 0.6f, 2.4f),
    Decoration(3290, 679, 111, 0, 2.9f, 2.2f),    Decoration(3473, 656, 110, 1, 1.6f, 0.6f),
    Decoration(-1666, 961, 111, 5, 1.3f, 2.6f),   Decoration(-1628, 881, 111, 6, 1.2f, 2.8f),
    Decoration(1928, 990, 110, 1, 1.9f, 0.7f),    Decoration(2902, 961, 111, 2, 2.3f, 2.6f),
    Decoration(3428, 975, 110, 0, 2.8f, 0.7f),    Decoration(3469, 964, 111, 6, 1.7f, 1.8f),
    Decoration(3258, 1055, 90, 0, 1.1f, 1.2f),    Decoration(3201, 1089, 110, 1, 1.9f, 1.9f),
    Decoration(-1777, 1356, 111, 1, 0.7f, 1.7f),  Decoration(-1673, 1201, 111, 3, 1.2f, 1.0f),
    Decoration(2438, 1293, 90, 1, 2.5f, 1.3f),    Decoration(2550, 1214, 113, 1, 0.9f, 1.2f),
    Decoration(2714, 1389, 111, 5, 2.6f, 1.8f),   Decoration(2678, 1348, 113, 1, 0.5f, 1.3f),
    Decoration(3139, 1291, 111, 6, 1.8f, 0.7f),   Decoration(3254, 1314, 110, 2, 1.3f, 0.8f),
    Decoration(3267, 1271, 110, 2, 1.3f, 1.2f),   Decoration(3274, 1382, 111, 0, 2.7f, 1.4f),
    Decoration(1974, 1402, 110, 2, 2.2f, 1.8f),   Decoration(1880, 1463, 110, 0, 1.6f, 2.7f),
    Decoration(2000, 1483, 110, 1, 2.9f, 2.1f),   Decoration(2025, 1536, 113, 1, 0.6f, 0.7f),
    Decoration(2365, 1502, 110, 3, 2.1f, 2.8f),   Decoration(2253, 1468, 110, 0, 0.9f, 1.3f),
    Decoration(2415, 1569, 110, 2, 1.9f, 0.9f),   Decoration(2514, 1543, 110, 1, 2.5f, 0.6f),
    Decoration(2492, 1452, 110, 0, 1.5f, 1.8f),   Decoration(2694, 1426, 110, 0, 2.8f, 2.3f),
    Decoration(2721, 1406, 113, 2, 0.9f, 1.5f),   Decoration(2904, 1590, 110, 0, 1.0f, 0.9f),
    Decoration(3301, 1431, 110, 3, 2.2f, 2.8f),   Decoration(3496, 1443, 113, 3, 1.1f, 1.4f),
    Decoration(1939, 1745, 110, 1, 1.6f, 1.1f),   Decoration(1862, 1648, 113, 0, 0.7f, 1.4f),
    Decoration(2348, 1776, 110, 0, 0.7f, 0.6f),   Decoration(2304, 1723, 110, 0, 1.4f, 0.8f),
    Decoration(2601, 1647, 110, 1, 0.8f, 2.0f),   Decoration(2984, 1757, 110, 0, 1.8f, 2.0f),
    Decoration(3060, 1659, 110, 3, 1.6f, 1.7f),   Decoration(3127, 1665, 113, 0, 1.1f, 1.0f),
    Decoration(3305, 1647, 110, 1, 2.7f, 2.0f),   Decoration(3498, 1695, 110, 1, 1.0f, 2.2f),
    Decoration(3457, 1750, 113, 3, 1.0f, 0.6f),   Decoration(-664, 1975, 110, 0, 1.4f, 2.3f),
    Decoration(-618, 1874, 110, 2, 1.9f, 1.0f),   Decoration(-746, 1864, 111, 0, 0.9f, 1.6f),
    Decoration(-485, 1812, 110, 0, 0.9f, 2.2f),   Decoration(-508, 1926, 110, 0, 2.4f, 2.6f),
    Decoration(-472, 1895, 110, 3, 1.7f, 2.5f),   Decoration(-512, 1947, 110, 0, 1.8f, 2.7f),
    Decoration(-569, 1838, 111, 2, 1.6f, 1.3f),   Decoration(-367, 1938, 110, 0, 2.8f, 1.3f),
    Decoration(-282, 1905, 110, 1, 1.2f, 1.6f),   Decoration(-330, 1833, 110, 1, 2.4f, 1.2f),
    Decoration(-235, 1905, 111, 5, 1.9f, 1.6f),   Decoration(-107, 1946, 110, 1, 0.5f, 2.5f),
    Decoration(-99, 1923, 110, 0, 1.1f, 0.5f),    Decoration(-26, 1834, 111, 3, 2.2f, 1.7f),
    Decoration(100, 1946, 110, 2, 1.4f, 0.8f),    Decoration(39, 1810, 110, 1, 1.5f, 1.0f),
    Decoration(159, 1930, 110, 0, 1.2f, 2.1f),    Decoration(5, 1937, 110, 2, 1.6f, 1.0f),
    Decoration(106, 1851, 111, 6, 2.3f, 2.4f),    Decoration(260, 1863, 110, 2, 2.5f, 0.5f),
    Decoration(296, 1895, 110, 3, 2.1f, 2.4f),    Decoration(372, 1859, 110, 0, 1.1f, 1.2f),
    Decoration(225, 1905, 110, 0, 1.7f, 1.7f),    Decoration(234, 1921, 111, 0, 2.6f, 0.8f),
    Decoration(584, 1876, 110, 2, 1.9f, 1.8f),    Decoration(400, 1985, 110, 3, 2.1f, 1.0f),
    Decoration(585, 1890, 111, 2, 0.9f, 1.7f),    Decoration(691, 1882, 110, 2, 1.9f, 2.4f),
    Decoration(660, 1922, 110, 1, 1.3f, 0.9f),    Decoration(700, 1809, 110, 2, 1.2f, 0.6f),
    Decoration(670, 1973, 111, 6, 2.8f, 2.3f),    Decoration(808, 1880, 110, 0, 2.3f, 2.0f),
    Decoration(939, 1837, 111, 6, 2.8f, 2.6f),    Decoration(1061, 1880, 110, 2, 2.8f, 0.8f),
    Decoration(1145, 1967, 110, 0, 1.6f, 0.7f),   Decoration(1059, 1828, 111, 0, 2.4f, 2.7f),
    Decoration(1819, 1990, 110, 2, 2.3f, 2.7f),   Decoration(2285, 1838, 110, 2, 2.8f, 0.5f),
    Decoration(2244, 1831, 110, 3, 2.3f, 1.5f),   Decoration(2574, 1826, 110, 3, 0.7f, 2.3f),
    Decoration(2531, 1910, 110, 2, 1.0f, 1.0f),   Decoration(3087, 1888, 110, 2, 1.6f, 2.8f),
    Decoration(3169, 1977, 110, 3, 1.8f, 2.7f),   Decoration(3012, 1937, 110, 3, 0.8f, 2.1f),
    Decoration(3508, 1978, 110, 0, 2.2f, 1.8f),
};

}  // namespace

std::span<const TerrainPiece> TerrainDecorations() {
    return kDecorations;
}

}  // namespace varn

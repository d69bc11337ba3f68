#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "battle/BattleScreen.h"
#include "battle/scenarios/ScenarioTables.h"
#include "battle/scenarios/VictoryConsequences.h"
#include "world/MapCells.h"

namespace varn {

namespace {

// The scenario numbers as the battles are designed; every table row is checked against them.

struct EnemyExpectation {
    int battle;
    int count;
    int placed;
    std::vector<int> pictures;
    std::vector<std::pair<int, int>> kinds;
    int men;
    std::pair<int, int> attack;
    std::pair<int, int> defence;
};

struct PlayerExpectation {
    int battle;
    int brilliant;
    int great;
    int last;
    int layout;
    int cameraX;
    int cameraY;
    std::vector<int> allyPictures;
};

struct AllyTotals {
    int battle;
    int groups;
    int allies;
    int men;
    int attack;
    int defence;
};

// Battle, count, placed, pictures, kinds as {number, kind}, men in all, attack, defence.
const EnemyExpectation kEnemyExpectations[] = {
    {1, 8, 8, {0, 3, 4}, {{5, 0}, {1, 3}, {2, 4}}, 48, {3, 14}, {3, 9}},
    {2, 11, 11, {0, 1, 3, 4}, {{7, 0}, {1, 1}, {1, 3}, {2, 4}}, 108, {6, 20}, {4, 30}},
    {3, 6, 6, {1, 2, 4}, {{4, 1}, {1, 2}, {1, 4}}, 42, {5, 7}, {1, 10}},
    {4, 9, 9, {0, 1, 2}, {{6, 0}, {2, 1}, {1, 2}}, 76, {6, 26}, {2, 12}},
    {5, 13, 13, {0, 1, 2, 3, 4}, {{4, 0}, {4, 1}, {1, 2}, {1, 3}, {3, 4}}, 150, {6, 28}, {2, 31}},
    {6, 9, 9, {4}, {{9, 4}}, 47, {5, 12}, {2, 6}},
    {7, 10, 10, {0, 1, 2, 4}, {{4, 0}, {4, 1}, {1, 2}, {1, 4}}, 54, {6, 28}, {2, 15}},
    {8, 16, 16, {1, 2, 4, 6}, {{9, 1}, {3, 2}, {3, 4}, {1, 6}}, 254, {12, 40}, {8, 40}},
    {9, 26, 26, {0, 2, 3, 4}, {{21, 0}, {2, 2}, {1, 3}, {2, 4}}, 130, {6, 23}, {5, 22}},
    {10, 9, 9, {0, 3, 4}, {{6, 0}, {1, 3}, {2, 4}}, 65, {6, 12}, {6, 20}},
    {11, 20, 20, {0, 1, 2, 3, 4}, {{4, 0}, {8, 1}, {3, 3}, {5, 4}}, 344, {8, 28}, {7, 28}},
    {12, 26, 26, {0, 1, 2, 3, 4}, {{4, 0}, {14, 1}, {3, 2}, {1, 3}, {4, 4}}, 448, {7, 26}, {7, 28}},
    {13, 18, 18, {0, 2, 3, 4}, {{10, 0}, {1, 2}, {1, 3}, {6, 4}}, 219, {6, 12}, {6, 20}},
    {14, 20, 20, {0, 1, 2, 3, 4}, {{14, 0}, {1, 1}, {1, 2}, {1, 3}, {3, 4}}, 309, {9, 18}, {8, 22}},
    {15, 18, 18, {0, 3, 4}, {{14, 0}, {2, 3}, {2, 4}}, 284, {9, 18}, {9, 18}},
    {16, 11, 11, {0, 3, 4}, {{8, 0}, {2, 3}, {1, 4}}, 168, {12, 28}, {9, 28}},
    {17, 25, 25, {1, 2, 3, 4}, {{18, 1}, {2, 2}, {1, 3}, {4, 4}}, 418, {12, 26}, {10, 29}},
    {18, 8, 8, {0, 3, 4}, {{5, 0}, {1, 3}, {2, 4}}, 48, {6, 14}, {6, 12}},
    {19, 32, 32, {0, 3, 4}, {{26, 0}, {2, 3}, {4, 4}}, 455, {11, 32}, {8, 32}},
    {20, 7, 7, {1}, {{7, 1}}, 91, {17, 17}, {17, 17}},
    {21, 15, 15, {2, 4, 5, 7}, {{1, 2}, {2, 4}, {10, 5}, {2, 7}}, 303, {14, 32}, {10, 36}},
    {22, 7, 7, {6, 8}, {{6, 6}, {1, 8}}, 216, {35, 40}, {40, 46}},
    {23, 14, 14, {4, 5, 7}, {{2, 4}, {10, 5}, {2, 7}}, 277, {14, 32}, {10, 37}},
    {24, 34, 34, {0, 3, 4}, {{26, 0}, {4, 3}, {4, 4}}, 698, {14, 20}, {8, 20}},
    {25, 10, 10, {0, 3}, {{9, 0}, {1, 3}}, 168, {14, 30}, {12, 30}},
    {26, 15, 15, {4, 5, 7}, {{2, 4}, {10, 5}, {3, 7}}, 301, {16, 40}, {12, 40}},
    {27, 12, 14, {4, 6, 8}, {{2, 4}, {10, 6}, {2, 8}}, 326, {16, 48}, {12, 50}},
    {28, 10, 15, {6, 8}, {{13, 6}, {2, 8}}, 259, {35, 40}, {40, 40}},
    {29, 14, 14, {6, 8}, {{12, 6}, {2, 8}}, 371, {35, 40}, {40, 46}},
    {30, 20, 20, {0, 1, 2, 3, 4}, {{6, 0}, {7, 1}, {2, 2}, {1, 3}, {4, 4}}, 358, {7, 26}, {7, 28}},
    {31, 21, 21, {5, 7}, {{19, 5}, {2, 7}}, 368, {24, 36}, {24, 38}},
    {32, 22, 22, {5, 7}, {{19, 5}, {3, 7}}, 365, {26, 30}, {30, 34}},
    {33, 12, 12, {1, 2, 4}, {{8, 1}, {2, 2}, {2, 4}}, 217, {14, 26}, {8, 30}},
    {34, 13, 13, {1, 2, 4}, {{8, 1}, {2, 2}, {3, 4}}, 244, {14, 20}, {8, 30}},
    {35, 10, 10, {0, 1, 2, 4}, {{6, 0}, {2, 1}, {1, 2}, {1, 4}}, 99, {6, 26}, {2, 12}},
    {36, 28, 28, {6, 8}, {{24, 6}, {4, 8}}, 523, {35, 41}, {40, 46}},
    {37, 14, 14, {2, 4, 5, 7}, {{1, 2}, {4, 4}, {8, 5}, {1, 7}}, 211, {14, 28}, {10, 30}},
    {38, 17, 17, {6, 7, 8}, {{13, 6}, {1, 7}, {3, 8}}, 432, {26, 40}, {26, 46}},
    {39, 32, 32, {0, 3, 4}, {{26, 0}, {2, 3}, {4, 4}}, 467, {10, 20}, {8, 20}},
    {40,
     21,
     21,
     {1, 2, 4, 6, 7, 8},
     {{2, 2}, {1, 4}, {16, 6}, {1, 7}, {1, 8}},
     521,
     {14, 40},
     {8, 46}},
    {41,
     41,
     41,
     {1, 2, 4, 6, 7, 8},
     {{6, 1}, {2, 2}, {4, 4}, {26, 6}, {1, 7}, {2, 8}},
     870,
     {14, 50},
     {8, 50}},
    {42, 41, 41, {1, 2, 4}, {{32, 1}, {3, 2}, {6, 4}}, 753, {14, 42}, {10, 50}},
    {43, 33, 33, {2, 4, 6, 8}, {{1, 2}, {4, 4}, {26, 6}, {2, 8}}, 494, {14, 40}, {8, 46}},
    {44, 33, 34, {4, 5, 7}, {{4, 4}, {26, 5}, {4, 7}}, 543, {14, 44}, {8, 40}},
    {45, 20, 20, {4, 6, 7, 8}, {{3, 4}, {14, 6}, {1, 7}, {2, 8}}, 361, {16, 40}, {10, 46}},
    {46,
     28,
     28,
     {0, 1, 2, 3, 4},
     {{4, 0}, {14, 1}, {2, 2}, {2, 3}, {6, 4}},
     475,
     {11, 32},
     {8, 29}},
    {47,
     33,
     34,
     {4, 5, 6, 7, 8},
     {{4, 4}, {7, 5}, {19, 6}, {1, 7}, {3, 8}},
     568,
     {14, 50},
     {8, 46}},
    {48, 24, 24, {0, 3, 4}, {{18, 0}, {2, 3}, {4, 4}}, 344, {11, 26}, {8, 26}},
    {49, 13, 13, {4, 6, 8}, {{10, 6}, {3, 8}}, 369, {32, 48}, {40, 46}},
    {50, 44, 44, {1, 2, 4, 7}, {{32, 1}, {3, 2}, {8, 4}, {1, 7}}, 876, {14, 42}, {10, 50}},
    {51, 32, 32, {0, 3, 4}, {{26, 0}, {2, 3}, {4, 4}}, 476, {12, 28}, {8, 20}},
    {52, 25, 25, {4, 6, 8}, {{3, 4}, {20, 6}, {2, 8}}, 381, {16, 42}, {10, 50}},
    {53, 34, 34, {1, 2, 4}, {{26, 1}, {3, 2}, {5, 4}}, 564, {14, 20}, {8, 29}},
    {54, 34, 34, {1, 2, 4}, {{26, 1}, {4, 2}, {4, 4}}, 566, {14, 20}, {10, 29}},
    {55,
     18,
     22,
     {1, 2, 4, 5, 6, 7},
     {{2, 1}, {1, 2}, {3, 4}, {14, 5}, {2, 7}},
     432,
     {14, 30},
     {7, 34}},
    {56, 22, 22, {2, 4, 6, 8}, {{2, 2}, {4, 4}, {14, 6}, {2, 8}}, 416, {14, 44}, {8, 46}},
    {57,
     19,
     19,
     {2, 4, 5, 6, 7, 8},
     {{1, 2}, {1, 4}, {13, 6}, {3, 7}, {1, 8}},
     390,
     {14, 44},
     {8, 46}},
    {58,
     28,
     28,
     {2, 4, 6, 7, 8},
     {{2, 2}, {4, 4}, {19, 6}, {1, 7}, {2, 8}},
     605,
     {15, 40},
     {8, 46}},
    {59,
     25,
     25,
     {1, 2, 4, 6, 8},
     {{5, 1}, {1, 2}, {3, 4}, {14, 6}, {2, 8}},
     484,
     {16, 40},
     {10, 50}},
    {60, 24, 24, {4, 6, 8}, {{5, 4}, {16, 6}, {3, 8}}, 570, {15, 60}, {10, 50}},
    {61, 41, 43, {1, 2, 4}, {{32, 1}, {4, 2}, {7, 4}}, 799, {14, 34}, {8, 40}},
    {62, 17, 17, {4, 6, 8}, {{2, 4}, {8, 6}, {7, 8}}, 689, {15, 44}, {10, 50}},
    {63, 21, 21, {6, 8}, {{18, 6}, {3, 8}}, 352, {30, 40}, {30, 46}},
    {64, 17, 17, {2, 4, 5, 7}, {{1, 2}, {4, 4}, {10, 5}, {2, 7}}, 246, {10, 36}, {7, 40}},
    {65, 14, 14, {0, 3, 4}, {{10, 0}, {1, 3}, {3, 4}}, 160, {8, 15}, {10, 15}},
    {66,
     34,
     34,
     {4, 5, 6, 7, 9, 10},
     {{4, 4}, {18, 5}, {1, 6}, {2, 7}, {6, 9}, {3, 10}},
     1255,
     {14, 100},
     {10, 60}},
    {67,
     34,
     34,
     {4, 5, 6, 7, 9, 10},
     {{6, 4}, {18, 5}, {1, 7}, {6, 9}, {3, 10}},
     1211,
     {14, 100},
     {10, 60}},
    {68,
     34,
     34,
     {4, 5, 7, 8, 9, 10},
     {{18, 5}, {4, 7}, {3, 8}, {6, 9}, {3, 10}},
     1321,
     {26, 100},
     {30, 60}},
    {69,
     27,
     27,
     {2, 4, 5, 6, 7, 8, 9, 10},
     {{2, 2}, {4, 4}, {14, 5}, {2, 6}, {1, 7}, {1, 8}, {2, 9}, {1, 10}},
     1170,
     {15, 100},
     {8, 60}},
    {70,
     34,
     34,
     {4, 5, 7, 8, 9, 10},
     {{18, 5}, {1, 7}, {6, 8}, {6, 9}, {3, 10}},
     1366,
     {26, 100},
     {30, 60}},
    {71,
     39,
     40,
     {4, 5, 7, 8, 9, 10},
     {{18, 5}, {1, 7}, {11, 8}, {6, 9}, {4, 10}},
     1682,
     {26, 100},
     {30, 60}},
    {72,
     24,
     24,
     {4, 5, 7, 9, 10},
     {{4, 4}, {14, 5}, {2, 7}, {2, 9}, {2, 10}},
     934,
     {15, 100},
     {8, 60}},
    {73,
     50,
     50,
     {5, 6, 7, 8, 9, 10},
     {{18, 6}, {7, 8}, {17, 9}, {8, 10}},
     3548,
     {35, 100},
     {40, 90}},
    {81, 15, 15, {4, 5, 6, 7}, {{3, 4}, {10, 5}, {1, 6}, {1, 7}}, 196, {13, 42}, {8, 40}},
    {82, 18, 18, {4, 5, 6, 7}, {{4, 4}, {11, 5}, {1, 6}, {2, 7}}, 275, {14, 36}, {10, 40}},
    {83, 17, 17, {4, 5, 6, 7}, {{3, 4}, {11, 5}, {1, 6}, {2, 7}}, 253, {10, 40}, {7, 42}},
    {84,
     21,
     21,
     {2, 4, 5, 6, 7},
     {{1, 2}, {3, 4}, {14, 5}, {1, 6}, {2, 7}},
     385,
     {10, 38},
     {7, 42}},
    {85,
     25,
     25,
     {1, 2, 4, 5, 6, 7, 9},
     {{2, 1}, {1, 2}, {4, 4}, {15, 5}, {1, 6}, {2, 7}},
     512,
     {10, 38},
     {7, 42}},
    {86,
     34,
     34,
     {0, 1, 2, 3, 4, 9},
     {{20, 0}, {6, 1}, {1, 2}, {3, 3}, {4, 4}},
     557,
     {10, 20},
     {10, 29}},
    {87,
     26,
     26,
     {1, 2, 4, 5, 6, 7, 8, 9},
     {{1, 2}, {3, 4}, {16, 5}, {2, 6}, {3, 7}, {1, 8}},
     646,
     {10, 70},
     {7, 50}},
    {88,
     31,
     31,
     {1, 2, 4, 5, 6, 7, 8, 9, 10},
     {{1, 2}, {5, 4}, {17, 5}, {2, 6}, {2, 7}, {1, 8}, {2, 9}, {1, 10}},
     897,
     {14, 100},
     {8, 60}},
    {89,
     35,
     35,
     {1, 2, 4, 5, 6, 7, 8, 9, 10},
     {{2, 2}, {4, 4}, {9, 5}, {7, 6}, {3, 7}, {4, 8}, {4, 9}, {2, 10}},
     1272,
     {14, 102},
     {10, 60}},
    {90,
     35,
     35,
     {1, 2, 4, 5, 6, 7, 8, 9, 10},
     {{2, 2}, {4, 4}, {9, 5}, {7, 6}, {3, 7}, {4, 8}, {4, 9}, {2, 10}},
     1315,
     {14, 102},
     {10, 60}},
    {91,
     42,
     42,
     {4, 5, 6, 7, 8, 9, 10},
     {{1, 4}, {14, 5}, {7, 6}, {3, 7}, {2, 8}, {11, 9}, {4, 10}},
     2057,
     {15, 100},
     {10, 60}},
    {92,
     46,
     46,
     {4, 5, 6, 7, 8, 9, 10},
     {{2, 4}, {14, 5}, {7, 6}, {3, 7}, {3, 8}, {13, 9}, {4, 10}},
     2314,
     {15, 100},
     {10, 60}},
    {93,
     48,
     48,
     {5, 6, 7, 8, 9, 10},
     {{14, 5}, {5, 6}, {2, 7}, {5, 8}, {17, 9}, {5, 10}},
     2926,
     {26, 100},
     {30, 80}},
};

// Battle, T1, T2, T3, layout, camera (-1 kept), ally pictures by kind.
const PlayerExpectation kPlayerExpectations[] = {
    {1, 6, 8, 10, 1, -1, -1, {}},           {2, 7, 11, 16, 2, -1, -1, {0}},
    {3, 5, 8, 13, 3, -1, -1, {}},           {4, 6, 10, 16, 4, -1, -1, {}},
    {5, 6, 10, 16, 4, -1, -1, {}},          {6, 4, 6, 10, 4, -1, -1, {}},
    {7, 6, 10, 16, 4, -1, -1, {}},          {8, 8, 11, 16, 5, 150, 125, {}},
    {9, 6, 10, 15, 6, 500, 200, {}},        {10, 6, 10, 16, 7, 500, 300, {}},
    {11, 7, 11, 16, 8, 485, 300, {0}},      {12, 7, 11, 16, 8, 485, 300, {0}},
    {13, 6, 10, 16, 9, 500, 300, {}},       {14, 6, 10, 16, 9, 405, 200, {}},
    {15, 6, 10, 16, 9, 405, 200, {}},       {16, 6, 10, 16, 9, 650, 300, {0}},
    {17, 7, 11, 16, 8, 485, 300, {0}},      {18, 7, 11, 16, 8, 415, 425, {0}},
    {19, 7, 11, 16, 8, 415, 110, {0}},      {20, 6, 10, 16, 9, 500, 300, {}},
    {21, 7, 11, 16, 10, 118, 382, {0}},     {22, 9, 13, 18, 11, 415, 110, {0}},
    {23, 8, 12, 17, 12, 35, 370, {0}},      {24, 10, 15, 20, 13, 400, 200, {0}},
    {25, 6, 10, 16, 14, 53, 461, {}},       {26, 6, 10, 16, 14, 53, 461, {0}},
    {27, 8, 12, 18, 14, 53, 461, {}},       {28, 6, 10, 16, 4, -1, -1, {0}},
    {29, 7, 11, 16, 15, 415, 110, {0}},     {30, 7, 11, 16, 8, 485, 300, {0}},
    {31, 8, 12, 16, 8, 485, 300, {0}},      {32, 9, 13, 18, 8, 485, 300, {}},
    {33, 7, 11, 16, 16, 55, 440, {}},       {34, 6, 10, 16, 14, 53, 461, {0}},
    {35, 7, 11, 17, 17, 11, 117, {}},       {36, 10, 15, 20, 8, 415, 110, {0}},
    {37, 6, 10, 16, 18, 162, 510, {}},      {38, 7, 10, 16, 18, 85, 430, {0}},
    {39, 8, 12, 17, 19, 387, 180, {}},      {40, 9, 13, 18, 12, 41, 470, {}},
    {41, 11, 15, 20, 19, 420, 216, {0}},    {42, 8, 12, 17, 8, 415, 110, {1}},
    {43, 12, 15, 20, 8, 415, 110, {0}},     {44, 8, 12, 18, 15, 415, 110, {0}},
    {45, 7, 11, 16, 11, 400, 330, {0}},     {46, 7, 11, 16, 11, 415, 110, {0}},
    {47, 7, 11, 16, 8, 415, 110, {0}},      {48, 7, 11, 16, 20, 470, 210, {0}},
    {49, 9, 13, 19, 20, 475, 217, {0}},     {50, 11, 16, 22, 8, 415, 110, {2}},
    {51, 7, 11, 17, 20, 470, 210, {0}},     {52, 8, 12, 18, 8, 415, 110, {0}},
    {53, 9, 13, 18, 21, 415, 110, {0}},     {54, 10, 14, 18, 21, 415, 110, {0}},
    {55, 8, 12, 16, 21, 415, 110, {0}},     {56, 10, 14, 18, 20, 300, 217, {0}},
    {57, 8, 12, 18, 20, 300, 217, {0}},     {58, 11, 15, 20, 8, 315, 300, {0}},
    {59, 6, 10, 16, 20, 475, 217, {0}},     {60, 7, 11, 16, 8, 315, 300, {0}},
    {61, 8, 12, 17, 20, 475, 217, {0}},     {62, 10, 14, 20, 20, 475, 217, {}},
    {63, 7, 11, 16, 8, 415, 110, {0}},      {64, 8, 11, 16, 20, 470, 210, {}},
    {65, 8, 11, 16, 20, 470, 210, {}},      {66, 11, 16, 22, 22, 366, 262, {2}},
    {67, 10, 15, 20, 8, 415, 110, {1}},     {68, 11, 16, 22, 8, 415, 110, {2}},
    {69, 11, 16, 22, 8, 415, 110, {1}},     {70, 11, 16, 23, 8, 415, 110, {2}},
    {71, 10, 15, 20, 8, 415, 110, {2}},     {72, 7, 11, 16, 8, 415, 110, {0}},
    {73, 12, 18, 24, 23, 450, 180, {1, 2}}, {81, 7, 11, 16, 2, 80, 200, {1}},
    {82, 7, 11, 16, 8, 415, 110, {0}},      {83, 7, 11, 16, 8, 415, 110, {0}},
    {84, 7, 11, 16, 8, 415, 130, {0}},      {85, 8, 11, 16, 8, 415, 130, {0}},
    {86, 9, 12, 17, 8, 415, 110, {0}},      {87, 9, 12, 17, 8, 415, 110, {0}},
    {88, 11, 14, 20, 8, 415, 110, {2}},     {89, 11, 14, 20, 8, 415, 110, {2}},
    {90, 11, 14, 20, 8, 415, 110, {1}},     {91, 11, 14, 20, 23, 450, 180, {2}},
    {92, 11, 14, 20, 23, 450, 180, {2}},    {93, 11, 14, 20, 23, 450, 180, {2}},
};

// Battle, groups, allies, and the sums of their men, attack and defence.
const AllyTotals kAllyTotals[] = {
    {2, 1, 4, 32, 24, 24},      {11, 1, 5, 68, 65, 72},     {12, 1, 6, 88, 95, 101},
    {16, 1, 1, 12, 15, 15},     {17, 1, 3, 48, 60, 62},     {19, 1, 12, 142, 172, 172},
    {21, 1, 4, 71, 86, 80},     {22, 1, 4, 56, 72, 72},     {23, 1, 2, 33, 52, 44},
    {24, 1, 4, 98, 128, 94},    {26, 1, 2, 42, 56, 48},     {28, 1, 4, 84, 112, 112},
    {29, 1, 8, 116, 148, 148},  {30, 1, 5, 82, 107, 109},   {31, 1, 5, 82, 107, 109},
    {34, 1, 1, 12, 14, 8},      {36, 1, 12, 196, 236, 236}, {38, 1, 2, 39, 36, 40},
    {41, 1, 8, 188, 288, 208},  {42, 1, 8, 97, 208, 208},   {43, 1, 12, 200, 236, 236},
    {44, 1, 8, 116, 148, 148},  {45, 1, 2, 44, 36, 52},     {46, 1, 4, 56, 72, 72},
    {47, 1, 12, 142, 172, 172}, {48, 1, 5, 80, 124, 116},   {49, 1, 2, 52, 56, 56},
    {50, 1, 4, 73, 140, 120},   {51, 1, 2, 52, 56, 56},     {52, 1, 12, 193, 236, 236},
    {53, 1, 8, 116, 148, 148},  {55, 1, 2, 44, 48, 32},     {57, 1, 1, 14, 18, 18},
    {58, 1, 9, 150, 207, 188},  {59, 1, 3, 67, 57, 57},     {60, 1, 8, 116, 148, 148},
    {61, 1, 9, 150, 212, 170},  {63, 1, 12, 193, 236, 236}, {66, 1, 5, 164, 200, 150},
    {67, 1, 8, 122, 240, 240},  {68, 1, 8, 127, 240, 240},  {69, 1, 8, 122, 240, 240},
    {70, 1, 8, 142, 240, 240},  {71, 1, 8, 154, 240, 240},  {72, 1, 8, 122, 148, 148},
    {73, 8, 16, 524, 544, 400}, {81, 1, 5, 40, 100, 100},   {82, 1, 8, 116, 148, 148},
    {83, 1, 8, 116, 148, 148},  {84, 1, 9, 141, 167, 167},  {85, 1, 10, 155, 186, 186},
    {86, 1, 12, 193, 236, 236}, {87, 1, 12, 193, 236, 236}, {88, 1, 12, 193, 360, 300},
    {89, 1, 12, 279, 360, 420}, {90, 1, 12, 223, 360, 420}, {91, 1, 12, 295, 360, 420},
    {92, 1, 12, 313, 360, 420}, {93, 1, 12, 343, 360, 452},
};

// Battles whose allies stay nameless, with the positions of the unnamed among the battle's
// allies (empty: all of them).
const std::map<int, std::vector<int>> kNameless = {
    {24, {}}, {28, {}}, {57, {}}, {66, {}},  {67, {}},  {68, {}},  {69, {}},
    {70, {}}, {71, {}}, {72, {}}, {26, {1}}, {58, {8}}, {85, {9}},
};

std::vector<const AllyEntry*> AlliesOf(const PlayerSideRow& row) {
    std::vector<const AllyEntry*> allies;
    for (const AllyGroup& group : row.groups) {
        for (const AllyEntry& ally : group.allies) {
            allies.push_back(&ally);
        }
    }
    return allies;
}

const StartLayout& LayoutOf(const PlayerSideRow& row) {
    return kStartLayouts[row.layout - 1];
}

TEST(ScenarioTables, EveryNumberedBattleHasBothSidesAndNoOtherNumberHasAny) {
    std::vector<int> expected;
    for (int battle = 1; battle <= kLastBattle; ++battle) {
        if (battle <= 73 || battle >= 81) {
            expected.push_back(battle);
        }
    }
    std::vector<int> players;
    std::vector<int> enemies;
    for (const PlayerSideRow& row : PlayerSideRows()) {
        players.push_back(row.battle);
        EXPECT_EQ(FindPlayerSideRow(row.battle), &row);
    }
    for (const EnemySideRow& row : EnemySideRows()) {
        enemies.push_back(row.battle);
        EXPECT_EQ(FindEnemySideRow(row.battle), &row);
    }
    EXPECT_EQ(players, expected);
    EXPECT_EQ(enemies, expected);
    for (int battle : {-1, 0, 74, 77, 80, kLastBattle + 1, 100, 255, 256, 1000}) {
        EXPECT_EQ(FindPlayerSideRow(battle), nullptr) << battle;
        EXPECT_EQ(FindEnemySideRow(battle), nullptr) << battle;
    }
}

TEST(ScenarioTables, PlayerRowsMatchTheirDesign) {
    ASSERT_EQ(std::size(kPlayerExpectations), PlayerSideRows().size());
    for (const PlayerExpectation& expected : kPlayerExpectations) {
        const PlayerSideRow* row = FindPlayerSideRow(expected.battle);
        ASSERT_NE(row, nullptr) << expected.battle;
        SCOPED_TRACE(expected.battle);
        EXPECT_EQ(std::tuple(int{row->brilliantTurns}, int{row->greatTurns}, int{row->lastTurn}),
                  std::tuple(expected.brilliant, expected.great, expected.last));
        EXPECT_LT(row->brilliantTurns, row->greatTurns);
        EXPECT_LT(row->greatTurns, row->lastTurn);
        EXPECT_EQ(row->layout, expected.layout);
        EXPECT_EQ(row->hasCamera, expected.cameraX >= 0);
        if (row->hasCamera) {
            EXPECT_EQ(std::pair(int{row->cameraX}, int{row->cameraY}),
                      std::pair(expected.cameraX, expected.cameraY));
            EXPECT_TRUE(row->cameraX >= -26 && row->cameraX <= 826);
            EXPECT_TRUE(row->cameraY >= -26 && row->cameraY <= 734);
        }
        // The invasion battles 90..93 and battle 66 load their ally pictures only with allies.
        std::set<int> pictures;
        for (int kind = 0; kind < kAllyKindCount; ++kind) {
            if (row->allyPictures & (1 << kind)) {
                pictures.insert(kind);
            }
        }
        for (const AllyGroup& group : row->groups) {
            pictures.insert(group.kind);
        }
        EXPECT_EQ(pictures,
                  std::set<int>(expected.allyPictures.begin(), expected.allyPictures.end()));
        const bool withAlliesOnly = expected.battle == 66 || expected.battle >= 90;
        EXPECT_EQ(row->allyPictures == 0, expected.allyPictures.empty() || withAlliesOnly);
    }
}

TEST(ScenarioTables, LayoutsAndAlliesStandOnTheFieldInTheirSlots) {
    for (const StartLayout& layout : kStartLayouts) {
        EXPECT_TRUE(IsFieldCell(layout.commanderCell));
        EXPECT_LT(layout.commanderFacing, kFacingCount);
        for (int s = 0; s < kBattleArmySlots; ++s) {
            EXPECT_TRUE(IsFieldCell(layout.armyCell[s]));
            EXPECT_LT(layout.armyFacing[s], kFacingCount);
        }
    }
    std::map<int, AllyTotals> totals;
    for (const AllyTotals& entry : kAllyTotals) {
        totals[entry.battle] = entry;
    }
    for (const PlayerSideRow& row : PlayerSideRows()) {
        SCOPED_TRACE(row.battle);
        AllyTotals sums{row.battle, static_cast<int>(row.groups.size()), 0, 0, 0, 0};
        std::set<int> slots;
        for (const AllyGroup& group : row.groups) {
            EXPECT_LT(group.kind, kAllyKindCount);
            if (group.condition != AllyCondition::Always &&
                group.condition != AllyCondition::DefenderFound) {
                EXPECT_TRUE(group.quest >= 1 && group.quest <= 100);
            }
            for (const AllyEntry& ally : group.allies) {
                EXPECT_TRUE(IsFieldCell(ally.cell));
                EXPECT_LT(ally.facing, kFacingCount);
                EXPECT_LT(ally.slot, kBattleAllySlots);
                EXPECT_TRUE(slots.insert(ally.slot).second) << "slot " << int{ally.slot};
                sums.allies += 1;
                sums.men += ally.men;
                sums.attack += ally.attack;
                sums.defence += ally.defence;
            }
        }
        const AllyTotals expected =
            totals.count(row.battle) ? totals[row.battle] : AllyTotals{row.battle, 0, 0, 0, 0, 0};
        EXPECT_EQ(std::tuple(sums.groups, sums.allies, sums.men, sums.attack, sums.defence),
                  std::tuple(expected.groups, expected.allies, expected.men, expected.attack,
                             expected.defence));
        // Slots follow the order given, but for the gap that battle 58 leaves at slot 8.
        int next = 0;
        for (int slot : slots) {
            if (row.battle == 58 && next == 8) {
                ++next;
            }
            EXPECT_EQ(slot, next++);
        }
    }
}

TEST(ScenarioTables, NamedAlliesHaveGlyphNamesAndTheNamelessStayBlank) {
    for (const PlayerSideRow& row : PlayerSideRows()) {
        const std::vector<const AllyEntry*> allies = AlliesOf(row);
        const auto nameless = kNameless.find(row.battle);
        for (size_t i = 0; i < allies.size(); ++i) {
            const GlyphString& name = allies[i]->name;
            EXPECT_TRUE(std::ranges::all_of(name, IsValidGlyph)) << row.battle;
            EXPECT_TRUE(std::ranges::none_of(name, [](GlyphCode c) { return c == kGlyphCursor; }));
            bool unnamed = false;
            if (nameless != kNameless.end()) {
                const std::vector<int>& positions = nameless->second;
                unnamed = positions.empty() ||
                          std::ranges::find(positions, static_cast<int>(i)) != positions.end();
            }
            EXPECT_EQ(name == GlyphString{}, unnamed) << row.battle << " ally " << i;
        }
    }
}

TEST(ScenarioTables, EnemyRowsMatchTheirDesign) {
    ASSERT_EQ(std::size(kEnemyExpectations), EnemySideRows().size());
    for (const EnemyExpectation& expected : kEnemyExpectations) {
        const EnemySideRow* row = FindEnemySideRow(expected.battle);
        ASSERT_NE(row, nullptr) << expected.battle;
        SCOPED_TRACE(expected.battle);
        EXPECT_EQ(row->enemyCount, expected.count);
        EXPECT_EQ(static_cast<int>(row->enemies.size()), expected.placed);

        std::vector<int> pictures;
        for (int kind = 0; kind < kEnemyKindCount; ++kind) {
            if (row->pictures & (1 << kind)) {
                pictures.push_back(kind);
            }
        }
        EXPECT_EQ(pictures, expected.pictures);

        std::map<int, int> kinds;
        std::vector<int> slots;
        int men = 0;
        std::pair attack(255, 0);
        std::pair defence(255, 0);
        for (const EnemyEntry& enemy : row->enemies) {
            EXPECT_TRUE(IsFieldCell(enemy.cell));
            EXPECT_LT(enemy.facing, kFacingCount);
            EXPECT_LT(enemy.kind, kEnemyKindCount);
            EXPECT_TRUE(enemy.men >= 3 && enemy.men <= 160) << int{enemy.men};
            ++kinds[enemy.kind];
            slots.push_back(enemy.slot);
            men += enemy.men;
            attack = {std::min<int>(attack.first, enemy.attack),
                      std::max<int>(attack.second, enemy.attack)};
            defence = {std::min<int>(defence.first, enemy.defence),
                       std::max<int>(defence.second, enemy.defence)};
        }
        std::map<int, int> expectedKinds;
        for (auto [number, kind] : expected.kinds) {
            expectedKinds[kind] += number;
        }
        EXPECT_EQ(kinds, expectedKinds);
        EXPECT_EQ(men, expected.men);
        EXPECT_EQ(attack, expected.attack);
        EXPECT_EQ(defence, expected.defence);

        // Slots fill from 0 in order; battle 27 alone leaves slot 13 empty and uses slot 14.
        std::vector<int> expectedSlots;
        for (int slot = 0; static_cast<int>(expectedSlots.size()) < expected.placed; ++slot) {
            if (!(expected.battle == 27 && slot == 13)) {
                expectedSlots.push_back(slot);
            }
        }
        EXPECT_EQ(slots, expectedSlots);
    }
}

TEST(ScenarioTables, NoTwoUnitsOfABattleShareACell) {
    for (const PlayerSideRow& row : PlayerSideRows()) {
        SCOPED_TRACE(row.battle);
        std::set<int> taken;
        const StartLayout& layout = LayoutOf(row);
        EXPECT_TRUE(taken.insert(layout.commanderCell).second);
        for (int16_t cell : layout.armyCell) {
            EXPECT_TRUE(taken.insert(cell).second) << cell;
        }
        // Every ally counts, whether its condition holds or not.
        for (const AllyEntry* ally : AlliesOf(row)) {
            EXPECT_TRUE(taken.insert(ally->cell).second) << "ally " << ally->cell;
        }
        for (const EnemyEntry& enemy : FindEnemySideRow(row.battle)->enemies) {
            EXPECT_TRUE(taken.insert(enemy.cell).second) << "enemy " << enemy.cell;
        }
    }
}

TEST(ScenarioTables, SetUpUnitsStandAtTheirCellsPixels) {
    for (const PlayerSideRow& row : PlayerSideRows()) {
        BattleScreen screen;
        screen.battleId = row.battle;
        screen.mapByte = 1;
        screen.questState.fill(7);
        screen.SetupPlayerSide();
        screen.SetupEnemySide();
        for (int a = 0; a < kBattleAllySlots; ++a) {
            if (screen.allyPresent[a]) {
                EXPECT_EQ(screen.allyX[a], CellColumn(screen.allyCell[a]) * 80);
                EXPECT_EQ(screen.allyY[a], CellRow(screen.allyCell[a]) * 80);
            }
        }
        for (int e = 0; e < kBattleEnemySlots; ++e) {
            if (screen.enemyPresent[e]) {
                EXPECT_EQ(screen.enemyX[e], ((screen.enemyCell[e] - 1) % 20) * 80) << row.battle;
                EXPECT_EQ(screen.enemyY[e], ((screen.enemyCell[e] - 1) / 20) * 80) << row.battle;
            }
        }
    }
}

TEST(VictoryTable, QuestsOnceHeroesAndCellsOnTheMap) {
    std::set<int> quests;
    int previous = 0;
    for (const VictoryRow& row : VictoryRows()) {
        SCOPED_TRACE(row.battle);
        EXPECT_GT(row.battle, previous);
        previous = row.battle;
        EXPECT_NE(FindPlayerSideRow(row.battle), nullptr);
        for (uint8_t quest : row.quests) {
            if (quest != 0) {
                EXPECT_LE(quest, 100);
                EXPECT_TRUE(quests.insert(quest).second) << "quest " << int{quest};
            }
        }
        EXPECT_TRUE(row.mine == -1 || row.mine == 0 || row.mine == 5);
        EXPECT_TRUE(row.trigger >= -1 && row.trigger < 30);
        EXPECT_LE(row.hero, 10);
        if (row.hero != 0) {
            EXPECT_TRUE(row.heroCell >= 1 && row.heroCell <= kMapCellCount);
        }
    }
}

}  // namespace

}  // namespace varn

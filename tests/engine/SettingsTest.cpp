#include "engine/Settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace varn {

namespace {

// Writes text as the file of that name alone in Data, loads the settings and returns the values
// up to the last nonzero one.
std::vector<int32_t> LoadedFrom(const std::string& text, const char* name = "data1.txt") {
    std::filesystem::remove_all("Data");
    std::filesystem::create_directory("Data");
    std::ofstream(std::string("Data/") + name, std::ios::binary) << text;
    Settings settings;
    settings.Load();
    std::vector<int32_t> values(settings.values, settings.values + Settings::kValueCount);
    while (!values.empty() && values.back() == 0) {
        values.pop_back();
    }
    return values;
}

}  // namespace

TEST(SettingsLoad, ReadsTenIntegersOnceUntilTheFirstValueThatIsNotANumber) {
    const std::pair<std::string, std::vector<int32_t>> cases[] = {
        {"1 -2\t3\n4\r\n  5 6\n\n7 8 9 +10 11 12\n", {1, -2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"1", {1}},
        {"-7 3", {-7, 3}},
        {"0 1", {0, 1}},
        {"5 7 x 9 11", {5, 7}},
        {"abc 1 1 1", {}},
        {"12abc 5", {12}},
        {"4 99999999999999999999 6", {4, INT_MAX}},
        {"", {}},
        {std::string("\0\x01\xff", 3), {}},
    };
    TempWorkingDir dir;
    for (const auto& [text, values] : cases) {
        EXPECT_EQ(LoadedFrom(text), values) << text;
    }
    EXPECT_EQ(LoadedFrom("8", "DATA1.TXT"), std::vector<int32_t>{8});
    EXPECT_TRUE(LoadedFrom("8", "data2.txt").empty());
    // The file is read once only: a settings object that found none keeps its zeros.
    Settings settings;
    settings.Load();
    LoadedFrom("5 6");
    settings.Load();
    EXPECT_EQ(settings.values[0], 0);
}

}  // namespace varn

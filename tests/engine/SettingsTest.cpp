#include "engine/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

void WriteSettingsFile(const fs::path& folder, const std::string& text,
                       const char* name = "data1.txt") {
    fs::create_directories(folder / "Data");
    std::ofstream(folder / "Data" / name, std::ios::binary) << text;
}

std::vector<int32_t> LoadedValues() {
    Settings settings;
    settings.Load();
    EXPECT_EQ(settings.loadPending, 0);
    return std::vector<int32_t>(settings.values, settings.values + Settings::kValueCount);
}

std::vector<int32_t> Values(std::vector<int32_t> leading) {
    leading.resize(Settings::kValueCount, 0);
    return leading;
}

}  // namespace

TEST(SettingsLoad, ReadsUpToTenIntegersAcrossAnyWhiteSpace) {
    TempWorkingDir dir;
    WriteSettingsFile(dir.path(), "1 -2\t3\n4\r\n  5 6\n\n7 8 9 +10 11 12\n");
    EXPECT_EQ(LoadedValues(), Values({1, -2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(SettingsLoad, TheOnlyNumberOneShowsTheFrameRate) {
    TempWorkingDir dir;
    WriteSettingsFile(dir.path(), "1");
    EXPECT_EQ(LoadedValues(), Values({1}));
}

TEST(SettingsLoad, NegativeFirstNumberIsKept) {
    TempWorkingDir dir;
    WriteSettingsFile(dir.path(), "-7 3");
    EXPECT_EQ(LoadedValues(), Values({-7, 3}));
}

TEST(SettingsLoad, ReadingStopsAtTheFirstValueThatIsNotANumber) {
    TempWorkingDir dir;
    WriteSettingsFile(dir.path(), "5 7 x 9 11");
    EXPECT_EQ(LoadedValues(), Values({5, 7}));

    WriteSettingsFile(dir.path(), "abc 1 1 1");
    EXPECT_EQ(LoadedValues(), Values({}));

    WriteSettingsFile(dir.path(), "12abc 5");
    EXPECT_EQ(LoadedValues(), Values({12}));

    WriteSettingsFile(dir.path(), "3 - 4");
    EXPECT_EQ(LoadedValues(), Values({3}));
}

TEST(SettingsLoad, NumberTooLargeEndsTheReading) {
    TempWorkingDir dir;
    WriteSettingsFile(dir.path(), "4 99999999999999999999 6");
    std::vector<int32_t> values = LoadedValues();
    EXPECT_EQ(values[0], 4);
    EXPECT_EQ(std::vector<int32_t>(values.begin() + 2, values.end()), std::vector<int32_t>(8, 0));
}

TEST(SettingsLoad, EmptyOrMissingFileLeavesEverythingZero) {
    TempWorkingDir dir;
    EXPECT_EQ(LoadedValues(), Values({}));

    WriteSettingsFile(dir.path(), "");
    EXPECT_EQ(LoadedValues(), Values({}));

    WriteSettingsFile(dir.path(), std::string("\0\x01\xff", 3));
    EXPECT_EQ(LoadedValues(), Values({}));
}

TEST(SettingsLoad, FileIsFoundWhateverTheCaseOfItsName) {
    TempWorkingDir dir;
    WriteSettingsFile(dir.path(), "8", "DATA1.TXT");
    EXPECT_EQ(LoadedValues(), Values({8}));
}

TEST(SettingsLoad, ReadsTheFileOnlyOnce) {
    TempWorkingDir dir;
    WriteSettingsFile(dir.path(), "1 2");
    Settings settings;
    EXPECT_EQ(settings.loadPending, 1);
    settings.Load();

    WriteSettingsFile(dir.path(), "5 6");
    settings.Load();
    EXPECT_EQ(settings.values[0], 1);
    EXPECT_EQ(settings.values[1], 2);
}

#include "platform/Files.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/TempDir.h"

namespace varn {

namespace fs = std::filesystem;

namespace {

void WriteText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

std::string ReadText(const char* gamePath) {
    std::vector<uint8_t> bytes;
    if (!platform::ReadWholeFile(gamePath, bytes)) {
        return "<missing>";
    }
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

TEST(Files, GamePathsResolveWhateverTheCaseAndSeparators) {
    TempWorkingDir dir;
    WriteText(dir.path() / "art" / "MAP" / "back.BMP", "picture");
    WriteText(dir.path() / "Data" / "data1.txt", "1");

    EXPECT_EQ(ReadText("Art\\Map\\Back.bmp"), "picture");
    EXPECT_EQ(ReadText("ART/map//BACK.bmp"), "picture");
    EXPECT_EQ(ReadText("Data//data1.txt"), "1");
    EXPECT_EQ(ReadText("Data\\\\DATA1.TXT"), "1");
    EXPECT_EQ(ReadText("Art\\Map\\Missing.bmp"), "<missing>");
    EXPECT_EQ(platform::OpenFile(nullptr, "rb"), nullptr);
}

TEST(Files, AtomicWriteCreatesTheFolderAndReplacesTheFileWhole) {
    TempWorkingDir dir;
    const std::string first = "first save";
    ASSERT_TRUE(platform::WriteFileAtomically(
        "Saves\\1.save", reinterpret_cast<const uint8_t*>(first.data()), first.size()));
    EXPECT_EQ(ReadText("Saves\\1.save"), first);

    const std::string second = "second";
    ASSERT_TRUE(platform::WriteFileAtomically(
        "saves\\1.SAVE", reinterpret_cast<const uint8_t*>(second.data()), second.size()));
    EXPECT_EQ(ReadText("Saves\\1.save"), second);
    // The write went to the existing file, not to a second one spelt differently.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "Saves"), fs::directory_iterator()),
              1);
}

TEST(Files, AWriteKilledBeforeItsRenameLeavesTheOldFileWholeAndItsLeftoverCanBeRemoved) {
    TempWorkingDir dir;
    const std::string old = "the old save";
    ASSERT_TRUE(platform::WriteFileAtomically(
        "Saves\\2.save", reinterpret_cast<const uint8_t*>(old.data()), old.size()));

    // A child process dies in the middle of its write: it never reaches the rename.
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FILE* partial = std::fopen("Saves/2.save.tmp", "wb");
        std::fputs("half", partial);
        std::fflush(partial);
        _exit(3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(ReadText("Saves\\2.save"), old);
    ASSERT_TRUE(fs::exists("Saves/2.save.tmp"));
    // Named as the game names the file, whatever the case.
    platform::RemoveLeftoverTemporary("saves\\2.SAVE");
    EXPECT_FALSE(fs::exists("Saves/2.save.tmp"));
    EXPECT_EQ(ReadText("Saves\\2.save"), old);
    platform::RemoveLeftoverTemporary("Saves\\2.save");
    EXPECT_EQ(ReadText("Saves\\2.save"), old);
}

TEST(Files, AnUnwritableTargetIsReportedAsAFailure) {
    TempWorkingDir dir;
    WriteText(dir.path() / "Saves", "a file where the folder should be");
    const std::string data = "x";
    EXPECT_FALSE(platform::WriteFileAtomically(
        "Saves\\3.save", reinterpret_cast<const uint8_t*>(data.data()), data.size()));
    EXPECT_FALSE(platform::WriteFileAtomically(nullptr, nullptr, 0));
}

// Its own leftover file in the way of a save is replaced; a folder of that name is the player's:
// left where it is, the save refused and the path that blocks it named, once.
TEST(Files, WhatStandsWhereTheTemporaryFileGoesIsReplacedWhenItIsALeftoverOrNamed) {
    TempWorkingDir dir;
    const std::string data = "the save";
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.data());
    WriteText(dir.path() / "Saves" / "1.save.tmp", "half a save");
    ASSERT_TRUE(platform::WriteFileAtomically("Saves\\1.save", bytes, data.size()));
    EXPECT_EQ(ReadText("Saves\\1.save"), data);
    EXPECT_FALSE(fs::exists("Saves/1.save.tmp"));

    fs::create_directories("Saves/4.save.tmp/inside");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(platform::WriteFileAtomically("Saves\\4.save", bytes, data.size()));
    EXPECT_FALSE(platform::WriteFileAtomically("Saves\\4.save", bytes, data.size()));
    platform::RemoveLeftoverTemporary("Saves\\4.save");
    const std::string saves = (dir.path() / "Saves").string();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "varn: " + saves + "/4.save.tmp: keeps " + saves +
                  "/4.save from being written: a folder stands where its temporary file goes\n");
    EXPECT_TRUE(fs::is_directory("Saves/4.save.tmp/inside"));
    EXPECT_FALSE(fs::exists("Saves/4.save"));
}

}  // namespace varn

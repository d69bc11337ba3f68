#include "engine/DataBlob.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string>
#include <vector>

#include "engine/AllocationWatch.h"
#include "support/TempDir.h"

namespace varn {

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadBytes(const char* path) {
    std::ifstream stream(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(stream), {});
}

void WriteBytes(const char* path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

void Fill(DataBlob& blob, uint32_t size) {
    uint8_t* bytes = blob.Alloc(size);
    std::iota(bytes, bytes + size, uint8_t{7});
}

}  // namespace

TEST(DataBlob, SavesTheLengthThenTheBytesAndReadsThemBack) {
    TempWorkingDir dir;
    DataBlob blob;
    Fill(blob, 70000);
    EXPECT_EQ(blob.SaveToFile("Saves\\1.save"), 1u);
    const Bytes file = ReadBytes("Saves/1.save");
    ASSERT_EQ(file.size(), 70004u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 4), (Bytes{0x70, 0x11, 0x01, 0x00}));
    EXPECT_TRUE(std::equal(file.begin() + 4, file.end(), blob.data));
    DataBlob loaded;
    uint32_t size = 0;
    uint8_t* bytes = loaded.LoadFromFile("SAVES\\1.SAVE", &size);
    EXPECT_EQ(size, 70000u);
    EXPECT_TRUE(std::equal(bytes, bytes + size, blob.data));
    // An empty file gives an empty buffer; bytes past the stored length are ignored.
    WriteBytes("empty.save", {});
    EXPECT_NE(loaded.LoadFromFile("empty.save", &size), nullptr);
    EXPECT_EQ(size, 0u);
    WriteBytes("long.save", {0x03, 0x00, 0x00, 0x00, 7, 8, 9, 10, 11});
    bytes = loaded.LoadFromFile("long.save", nullptr);
    EXPECT_EQ(Bytes(bytes, bytes + loaded.size), (Bytes{7, 8, 9}));
}

TEST(DataBlob, ASaveOfNothingOrToNowhereTouchesNoFile) {
    TempWorkingDir dir;
    WriteBytes("1.save", {1, 2, 3});
    DataBlob fresh;
    EXPECT_EQ(fresh.SaveToFile("2.save"), 0u);
    DataBlob freed;
    Fill(freed, 600);
    freed.Free();
    freed.Free();
    EXPECT_EQ(freed.SaveToFile("1.save"), 0u);
    ASSERT_NE(freed.Alloc(0), nullptr);
    EXPECT_EQ(freed.SaveToFile("1.save"), 0u);
    // A plain file where the folder should be: nothing can be created under it.
    Fill(fresh, 600);
    EXPECT_EQ(fresh.SaveToFile("1.save\\HallOfFame.save"), 0u);
    EXPECT_EQ(fresh.SaveToFile(nullptr), 0u);
    EXPECT_EQ(ReadBytes("1.save"), (Bytes{1, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists("2.save"));
}

TEST(DataBlob, MissingShortAndLyingFilesAreRefusedLeavingTheBlobEmpty) {
    // Well below the lying files' promises: 70000 bytes and four gigabytes.
    constexpr size_t kSmallRequest = 4096;
    TempWorkingDir dir;
    WriteBytes("lying.save", {0x70, 0x11, 0x01, 0x00, 0xAB, 0xAB});
    WriteBytes("oversized.save", {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3});
    WriteBytes("short-header.save", {0x05, 0x00});
    WriteBytes("one-short.save", {0x03, 0x00, 0x00, 0x00, 1, 2});
    for (const char* path :
         {"missing.save", "lying.save", "oversized.save", "short-header.save", "one-short.save"}) {
        SCOPED_TRACE(path);
        DataBlob blob;
        blob.Alloc(16);
        uint32_t size = 12345;
        {
            // A stored length is checked against the file before the blob asks for its bytes.
            AllocationWatch watch(kSmallRequest);
            EXPECT_EQ(blob.LoadFromFile(path, &size), nullptr);
            EXPECT_LE(watch.Largest(), kSmallRequest);
        }
        // Only a file that is there reports its refusal as size 0.
        EXPECT_EQ(size, path[0] == 'm' ? 12345u : 0u);
        EXPECT_EQ(blob.data, nullptr);
        EXPECT_EQ(blob.size, 0u);
    }
    // The watch sees the blob's own request for a file that holds what it promises.
    WriteBytes("whole.save", {0x70, 0x11, 0x01, 0x00});
    std::ofstream("whole.save", std::ios::binary | std::ios::app) << std::string(70000, 'x');
    DataBlob blob;
    AllocationWatch watch(1u << 20);
    EXPECT_NE(blob.LoadFromFile("whole.save", nullptr), nullptr);
    EXPECT_GE(watch.Largest(), 70000u);
}

}  // namespace varn

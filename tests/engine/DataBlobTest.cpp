#include "engine/DataBlob.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(stream), {});
}

void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream stream(path, std::ios::binary);
    stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

void FillPattern(DataBlob& blob, uint32_t size) {
    uint8_t* bytes = blob.Alloc(size);
    ASSERT_NE(bytes, nullptr);
    for (uint32_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<uint8_t>(i * 7 + i / 256);
    }
}

// A blob that must come back empty from a refused load, whatever it held before.
struct RefusedLoad {
    uint8_t* result;
    uint32_t reportedSize;
    DataBlob blob;
};

void LoadInto(RefusedLoad& load, const char* path) {
    load.blob.Alloc(16);
    load.reportedSize = 12345;
    load.result = load.blob.LoadFromFile(path, &load.reportedSize);
}

}  // namespace

TEST(DataBlobSave, WritesTheLengthThenTheBytes) {
    TempWorkingDir dir;
    DataBlob blob;
    FillPattern(blob, 70000);

    EXPECT_EQ(blob.SaveToFile("Saves\\1.save"), 1u);

    std::vector<uint8_t> file = ReadBytes(dir.path() / "Saves" / "1.save");
    ASSERT_EQ(file.size(), 70004u);
    EXPECT_EQ(file[0], 0x70);
    EXPECT_EQ(file[1], 0x11);
    EXPECT_EQ(file[2], 0x01);
    EXPECT_EQ(file[3], 0x00);
    EXPECT_TRUE(std::equal(file.begin() + 4, file.end(), blob.data));
}

TEST(DataBlobSave, EmptyBlobTouchesNoFile) {
    TempWorkingDir dir;
    WriteBytes(dir.path() / "Saves" / "2.save", {1, 2, 3});

    DataBlob fresh;
    EXPECT_EQ(fresh.SaveToFile("Saves\\2.save"), 0u);
    EXPECT_EQ(fresh.SaveToFile("Saves\\3.save"), 0u);

    DataBlob freed;
    FillPattern(freed, 600);
    freed.Free();
    EXPECT_EQ(freed.SaveToFile("Saves\\2.save"), 0u);

    DataBlob zeroSized;
    ASSERT_NE(zeroSized.Alloc(0), nullptr);
    EXPECT_EQ(zeroSized.SaveToFile("Saves\\2.save"), 0u);

    EXPECT_EQ(ReadBytes(dir.path() / "Saves" / "2.save"), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_FALSE(fs::exists(dir.path() / "Saves" / "3.save"));
}

TEST(DataBlobSave, UnwritablePlaceFailsAndKeepsThePreviousFile) {
    TempWorkingDir dir;
    // A plain file where the folder should be: nothing can be created under it.
    WriteBytes(dir.path() / "Saves", {9});
    DataBlob blob;
    FillPattern(blob, 600);
    EXPECT_EQ(blob.SaveToFile("Saves\\HallOfFame.save"), 0u);
    EXPECT_EQ(ReadBytes(dir.path() / "Saves"), (std::vector<uint8_t>{9}));
    EXPECT_EQ(blob.SaveToFile(nullptr), 0u);
}

TEST(DataBlobLoad, ReadsBackWhatWasSaved) {
    TempWorkingDir dir;
    DataBlob saved;
    FillPattern(saved, 70000);
    ASSERT_EQ(saved.SaveToFile("Saves\\5.save"), 1u);

    DataBlob loaded;
    uint32_t size = 0;
    uint8_t* bytes = loaded.LoadFromFile("SAVES\\5.SAVE", &size);
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes, loaded.data);
    EXPECT_EQ(size, 70000u);
    EXPECT_EQ(loaded.size, 70000u);
    EXPECT_TRUE(std::equal(bytes, bytes + size, saved.data));

    // The size is optional, and a second load replaces the first buffer.
    ASSERT_NE(loaded.LoadFromFile("Saves\\5.save", nullptr), nullptr);
    EXPECT_EQ(loaded.size, 70000u);
}

TEST(DataBlobLoad, EmptyFileGivesAnEmptyBufferNotNull) {
    TempWorkingDir dir;
    WriteBytes(dir.path() / "Saves" / "1.save", {});
    DataBlob blob;
    uint32_t size = 99;
    EXPECT_NE(blob.LoadFromFile("Saves\\1.save", &size), nullptr);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(blob.size, 0u);
}

TEST(DataBlobLoad, MissingFileLeavesTheSizeUntouchedAndTheBlobEmpty) {
    TempWorkingDir dir;
    RefusedLoad load;
    LoadInto(load, "Saves\\4.save");
    EXPECT_EQ(load.result, nullptr);
    EXPECT_EQ(load.reportedSize, 12345u);
    EXPECT_EQ(load.blob.data, nullptr);
    EXPECT_EQ(load.blob.size, 0u);
}

TEST(DataBlobLoad, LengthPromisingMoreThanTheFileHoldsIsRefused) {
    TempWorkingDir dir;
    std::vector<uint8_t> lying = {0x70, 0x11, 0x01, 0x00};
    lying.resize(4 + 100, 0xAB);
    WriteBytes(dir.path() / "lying.save", lying);
    WriteBytes(dir.path() / "oversized.save", {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3});
    WriteBytes(dir.path() / "short-header.save", {0x05, 0x00});
    WriteBytes(dir.path() / "one-short.save", {0x03, 0x00, 0x00, 0x00, 1, 2});

    for (const char* path :
         {"lying.save", "oversized.save", "short-header.save", "one-short.save"}) {
        SCOPED_TRACE(path);
        const auto start = std::chrono::steady_clock::now();
        RefusedLoad load;
        LoadInto(load, path);
        EXPECT_EQ(load.result, nullptr);
        EXPECT_EQ(load.reportedSize, 0u);
        EXPECT_EQ(load.blob.data, nullptr);
        EXPECT_EQ(load.blob.size, 0u);
        // A huge stored length must not be allocated before it is checked.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    }
}

TEST(DataBlobLoad, BytesAfterTheStoredLengthAreIgnored) {
    TempWorkingDir dir;
    WriteBytes(dir.path() / "long.save", {0x03, 0x00, 0x00, 0x00, 7, 8, 9, 10, 11});
    DataBlob blob;
    uint32_t size = 0;
    uint8_t* bytes = blob.LoadFromFile("long.save", &size);
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + size), (std::vector<uint8_t>{7, 8, 9}));
}

TEST(DataBlobBuffer, AllocReplacesAndFreeIsRepeatable) {
    DataBlob blob;
    ASSERT_NE(blob.Alloc(10), nullptr);
    EXPECT_EQ(blob.size, 10u);
    ASSERT_NE(blob.Alloc(20), nullptr);
    EXPECT_EQ(blob.size, 20u);
    blob.Free();
    blob.Free();
    EXPECT_EQ(blob.data, nullptr);
    EXPECT_EQ(blob.size, 0u);
}

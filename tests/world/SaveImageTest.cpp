#include <gtest/gtest.h>

#include <vector>

#include "world/ImageSlots.h"
#include "world/SaveImage.h"
#include "world/SaveImageLayout.h"

namespace {

// Slots the record's fields take, in the record's own field order after gold.
constexpr size_t kGoldSlot = 0;
constexpr size_t kDaySlot = 3;
constexpr size_t kFirstQuestSlot = 4;
constexpr size_t kSaveSlotSlot = 474;
constexpr size_t kFameSlot = 1821;
constexpr size_t kHouseVisitorSlot = 2689;
constexpr size_t kMeetingFirstSlot = 2686;
constexpr size_t kVillageNumberSlot = 2711;
constexpr size_t kPlayerNameSlot = 2712;
constexpr size_t kPlayerFirstItemSlot = 2735;
constexpr size_t kPlayerMapCellSlot = 3288;
constexpr size_t kPlayerUnitTypeSlot = 3290 + 18;
constexpr size_t kHeroNamesSlot = 11277;
constexpr size_t kDailyIncomeSlot = 11727;
constexpr size_t kMusicOnSlot = 13223;
constexpr size_t kMapSpeedSlot = 13225;
constexpr size_t kBattleSwingSpeedSlot = 13227;

// Gives every saved field a value of its own kind, varying from field to field.
class DistinctFiller {
  public:
    void Int(int32_t& value, SlotCheck check) {
        ++counter_;
        value = check == SlotCheck::MapCell ? static_cast<int32_t>(counter_ % 10801)
                                            : static_cast<int32_t>(counter_ * 7919u - 500000);
    }
    void Byte(uint8_t& value, SlotCheck check) {
        ++counter_;
        value = Pick(check);
    }

  private:
    uint8_t From(std::initializer_list<uint8_t> choices) {
        return choices.begin()[counter_ % choices.size()];
    }
    uint8_t Below(uint32_t limit, uint32_t first = 0) {
        return static_cast<uint8_t>(first + counter_ % (limit - first));
    }
    uint8_t Pick(SlotCheck check) {
        switch (check) {
            case SlotCheck::Any:
                return static_cast<uint8_t>(counter_ * 31u);
            case SlotCheck::Flag:
                return Below(2);
            case SlotCheck::Quest:
                return From({0, 1, 2, 4, 5, 6, 7});
            case SlotCheck::Character:
                return Below(12);
            case SlotCheck::MeetingCharacter:
                return From({0, 3, 11, 100});
            case SlotCheck::HeroNumber:
                return Below(11);
            case SlotCheck::TownNumber:
                return Below(5, 1);
            case SlotCheck::VillageNumber:
                return Below(10, 1);
            case SlotCheck::Item:
                return Below(251);
            case SlotCheck::ItemIndex:
                return Below(250);
            case SlotCheck::ItemCell:
                return Below(31);
            case SlotCheck::ArmySlot:
                return Below(6);
            case SlotCheck::UnitType:
                return From({0, 4, 7, 10, 20, 21});
            case SlotCheck::UnitId:
                return From({0, 1, 5, 8, 11, 21, 22});
            case SlotCheck::Direction:
                return Below(8);
            case SlotCheck::BodyVariant:
                return Below(3);
            case SlotCheck::Speed:
                return Below(4, 1);
            case SlotCheck::Glyph:
                return Below(90);
            case SlotCheck::MapCell:
                break;
        }
        ADD_FAILURE() << "map cells are never bytes";
        return 0;
    }

    uint32_t counter_ = 0;
};

class CountingVisitor {
  public:
    void Int(const int32_t&, SlotCheck) { ++slots; }
    void Byte(const uint8_t&, SlotCheck) { ++slots; }
    size_t slots = 0;
};

GameState FreshGame() {
    GameState world;
    RunNewGameSetUp(world);
    return world;
}

GameState DistinctGame() {
    GameState world;
    DistinctFiller filler;
    save_layout::VisitSavedFields(filler, static_cast<GameStateData&>(world));
    return world;
}

std::vector<uint8_t> ImageOf(const GameState& world) {
    std::vector<uint8_t> image(kSaveImageSize, 0xEE);
    WriteSaveImage(world, std::span<uint8_t, kSaveImageSize>(image.data(), kSaveImageSize));
    return image;
}

uint32_t SlotAt(const std::vector<uint8_t>& image, size_t slot) {
    return ReadImageSlot(image, slot * kImageSlotSize);
}

void SetSlot(std::vector<uint8_t>& image, size_t slot, uint32_t value) {
    WriteImageSlot(image, slot * kImageSlotSize, value);
}

TEST(SaveImageLayout, RecordFillsTheSlotsBeforeTheScrollPosition) {
    CountingVisitor counter;
    const GameState world;
    save_layout::VisitSavedFields(counter, static_cast<const GameStateData&>(world));
    EXPECT_EQ(counter.slots * kImageSlotSize, kSaveImageRecordBytes);
    EXPECT_LT(kSaveImageRecordBytes, kSaveScrollXOffset);
}

TEST(SaveImageLayout, FieldsLandInTheRecordsOrder) {
    const GameState world = DistinctGame();
    const std::vector<uint8_t> image = ImageOf(world);
    EXPECT_EQ(static_cast<int32_t>(SlotAt(image, kGoldSlot)), world.gold);
    EXPECT_EQ(static_cast<int32_t>(SlotAt(image, kDaySlot)), world.day);
    EXPECT_EQ(SlotAt(image, kFirstQuestSlot), world.Quest(1));
    EXPECT_EQ(SlotAt(image, kFirstQuestSlot + 99), world.Quest(100));
    EXPECT_EQ(static_cast<int32_t>(SlotAt(image, kFameSlot)), world.fame);
    EXPECT_EQ(SlotAt(image, kVillageNumberSlot), world.villageNumber);
    EXPECT_EQ(SlotAt(image, kPlayerNameSlot), world.playerName[0]);
    EXPECT_EQ(static_cast<int32_t>(SlotAt(image, kPlayerMapCellSlot)), world.playerMapCell);
    // The hero names go hero by hero.
    EXPECT_EQ(SlotAt(image, kHeroNamesSlot), world.heroNames.rows[0][0]);
    EXPECT_EQ(SlotAt(image, kHeroNamesSlot + 1), world.heroNames.rows[1][0]);
    EXPECT_EQ(SlotAt(image, kHeroNamesSlot + 21), world.heroNames.rows[0][1]);
    EXPECT_EQ(static_cast<int32_t>(SlotAt(image, kDailyIncomeSlot)), world.dailyIncome);
    EXPECT_EQ(SlotAt(image, kBattleSwingSpeedSlot), world.battleSwingSpeed);
}

TEST(SaveImageLayout, EverythingAfterTheRecordIsZero) {
    const std::vector<uint8_t> image = ImageOf(DistinctGame());
    for (size_t offset = kSaveImageRecordBytes; offset < kSaveImageSize; ++offset) {
        ASSERT_EQ(image[offset], 0) << "byte " << offset;
    }
}

TEST(SaveImageRoundTrip, FreshGameComesBackWhole) {
    const GameState fresh = FreshGame();
    GameState loaded = DistinctGame();
    loaded.heroNames.rows[0] = fresh.heroNames.rows[0];
    ASSERT_TRUE(ReadSaveImage(ImageOf(fresh), loaded));
    EXPECT_TRUE(static_cast<const GameStateData&>(loaded) == fresh);
}

TEST(SaveImageRoundTrip, EveryFieldSurvives) {
    const GameState original = DistinctGame();
    GameState loaded = FreshGame();
    ASSERT_TRUE(ReadSaveImage(ImageOf(original), loaded));
    EXPECT_EQ(loaded.heroStats, original.heroStats);
    EXPECT_EQ(loaded.heroArmies, original.heroArmies);
    EXPECT_EQ(loaded.heroItems, original.heroItems);
    EXPECT_EQ(loaded.playerArmy, original.playerArmy);
    EXPECT_EQ(loaded.playerItems, original.playerItems);
    EXPECT_EQ(loaded.snapAllyRows, original.snapAllyRows);
    EXPECT_EQ(loaded.hofName, original.hofName);
    for (int hero = 0; hero < kHeroCount; ++hero) {
        EXPECT_EQ(loaded.heroNames.Name(hero), original.heroNames.Name(hero));
    }
    // The columns past the heroes are not saved: the loaded record keeps its own.
    EXPECT_EQ(loaded.heroNames.rows[0][10], kGlyphCursor);
    GameState expected = original;
    for (int row = 0; row < kGlyphStringLength; ++row) {
        for (int column = kHeroCount; column < HeroNameTable::kColumnCount; ++column) {
            expected.heroNames.rows[row][column] = loaded.heroNames.rows[row][column];
        }
    }
    EXPECT_TRUE(static_cast<const GameStateData&>(loaded) == expected);
}

TEST(SaveImageRoundTrip, BufferPointersAreNeitherSavedNorLoaded) {
    uint8_t buffer = 0;
    GameState world = FreshGame();
    world.loadedImage = &buffer;
    GameState other = FreshGame();
    ASSERT_TRUE(ReadSaveImage(ImageOf(other), world));
    EXPECT_EQ(world.loadedImage, &buffer);
}

class SaveImageRefusal : public testing::Test {
  protected:
    SaveImageRefusal() : image(ImageOf(DistinctGame())) {
        world.gold = 4321;
        world.Quest(5) = 6;
        before = world;
    }

    void ExpectRefused(const std::vector<uint8_t>& bad) {
        EXPECT_FALSE(ReadSaveImage(bad, world));
        EXPECT_TRUE(static_cast<const GameStateData&>(world) == before);
    }

    void ExpectSlotRefused(size_t slot, uint32_t value) {
        SCOPED_TRACE(testing::Message() << "slot " << slot << " value " << value);
        std::vector<uint8_t> bad = image;
        SetSlot(bad, slot, value);
        ExpectRefused(bad);
    }

    void ExpectSlotAccepted(size_t slot, uint32_t value) {
        std::vector<uint8_t> good = image;
        SetSlot(good, slot, value);
        GameState target = before;
        EXPECT_TRUE(ReadSaveImage(good, target)) << "slot " << slot << " value " << value;
    }

    std::vector<uint8_t> image;
    GameState world = FreshGame();
    GameState before;
};

TEST_F(SaveImageRefusal, WrongLengthsAreRefused) {
    ExpectRefused({});
    ExpectRefused(std::vector<uint8_t>(image.begin(), image.end() - 1));
    std::vector<uint8_t> overlong = image;
    overlong.push_back(0);
    ExpectRefused(overlong);
    ExpectRefused(std::vector<uint8_t>(image.begin(), image.begin() + kSaveImageRecordBytes));
}

TEST_F(SaveImageRefusal, ByteFieldsMustFitAByte) {
    ExpectSlotRefused(kSaveSlotSlot, 256);
    ExpectSlotRefused(kSaveSlotSlot, 0xFFFFFFFF);
    ExpectSlotAccepted(kSaveSlotSlot, 255);
}

TEST_F(SaveImageRefusal, QuestStatesSkipThree) {
    ExpectSlotRefused(kFirstQuestSlot + 50, 3);
    ExpectSlotRefused(kFirstQuestSlot, 8);
    ExpectSlotAccepted(kFirstQuestSlot + 99, 7);
}

TEST_F(SaveImageRefusal, CharacterIdsAndMeetingsStayInRange) {
    ExpectSlotRefused(kHouseVisitorSlot, 12);
    ExpectSlotAccepted(kHouseVisitorSlot, 11);
    ExpectSlotRefused(kMeetingFirstSlot, 99);
    ExpectSlotAccepted(kMeetingFirstSlot, 100);
    ExpectSlotRefused(kVillageNumberSlot, 0);
    ExpectSlotRefused(kVillageNumberSlot, 10);
}

TEST_F(SaveImageRefusal, ItemsUnitsAndGlyphsStayInRange) {
    ExpectSlotRefused(kPlayerFirstItemSlot, 251);
    ExpectSlotAccepted(kPlayerFirstItemSlot, 250);
    ExpectSlotRefused(kPlayerUnitTypeSlot, 5);
    ExpectSlotRefused(kPlayerUnitTypeSlot, 22);
    ExpectSlotAccepted(kPlayerUnitTypeSlot, 21);
    ExpectSlotRefused(kPlayerNameSlot, 90);
}

TEST_F(SaveImageRefusal, MapCellsOptionsAndFlagsStayInRange) {
    ExpectSlotRefused(kPlayerMapCellSlot, 10801);
    ExpectSlotRefused(kPlayerMapCellSlot, static_cast<uint32_t>(-1));
    ExpectSlotAccepted(kPlayerMapCellSlot, 10800);
    ExpectSlotRefused(kMapSpeedSlot, 0);
    ExpectSlotRefused(kMapSpeedSlot, 4);
    ExpectSlotRefused(kMusicOnSlot, 2);
}

TEST_F(SaveImageRefusal, LastSlotIsCheckedToo) {
    ExpectSlotRefused(kBattleSwingSpeedSlot, 9);
}

}  // namespace

#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "support/InputTape.h"
#include "support/WorldFieldNames.h"
#include "world/ImageSlots.h"
#include "world/SaveImageLayout.h"

namespace varn {

// Names every slot of the save image by the world field it holds.
class SlotNames {
  public:
    SlotNames() : names_(kSaveImageSize / kImageSlotSize) {
        Namer record{*this, &probe_, 0};
        save_layout::VisitSavedFields(record, probe_);
        Namer mapState{*this, &probe_, kSaveMapStateOffset / kImageSlotSize};
        save_layout::VisitMapStateFields(mapState, probe_);
        names_[kSaveScrollXOffset / kImageSlotSize] = "map scroll x";
        names_[kSaveScrollYOffset / kImageSlotSize] = "map scroll y";
    }

    // The field of the slot at a byte of the image.
    std::string At(size_t offset) const {
        const std::string& name = names_[offset / kImageSlotSize];
        return name.empty() ? "unused slot at byte " + std::to_string(offset) : name;
    }

  private:
    struct Namer {
        SlotNames& names;
        const GameStateData* record;
        size_t slot;
        void Int(int32_t& value, SlotCheck) { Name(&value, sizeof value); }
        void Byte(uint8_t& value, SlotCheck) { Name(&value, sizeof value); }
        void Name(const void* field, size_t width) {
            const auto offset = static_cast<size_t>(static_cast<const uint8_t*>(field) -
                                                    reinterpret_cast<const uint8_t*>(record));
            names.names_[slot++] = WorldFieldAt(offset, width);
        }
    };

    GameStateData probe_{};
    std::vector<std::string> names_;
};

// "field: was -> now" for every slot in which two save images differ, one a line, at most
// `limit` lines.
inline std::string DifferingFields(const std::vector<uint8_t>& expected,
                                   const std::vector<uint8_t>& actual, int limit = 40) {
    if (expected.size() != actual.size()) {
        return "the images are " + std::to_string(expected.size()) + " and " +
               std::to_string(actual.size()) + " bytes long\n";
    }
    static const SlotNames names;
    std::string lines;
    int shown = 0;
    int differing = 0;
    for (size_t offset = 0; offset + kImageSlotSize <= expected.size(); offset += kImageSlotSize) {
        const auto was = static_cast<int32_t>(ReadImageSlot(expected, offset));
        const auto now = static_cast<int32_t>(ReadImageSlot(actual, offset));
        if (was == now) {
            continue;
        }
        ++differing;
        if (shown++ < limit) {
            lines +=
                names.At(offset) + ": " + std::to_string(was) + " -> " + std::to_string(now) + "\n";
        }
    }
    if (shown > limit) {
        lines += "and " + std::to_string(differing - limit) + " more\n";
    }
    return lines;
}

inline std::filesystem::path ReplayPath(const std::string& name, const char* extension) {
    return std::filesystem::path(VARN_SOURCE_DIR "/tests/fixtures/replays") / (name + extension);
}

inline std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The recorded game `name` replayed from its committed input in a fresh game ends in its
// committed world, byte for byte; `everyFrame` runs after each replayed frame (the world's
// invariants), `prepare` in the fresh game's folder before the first (a prepared world's save
// put where the load screen finds it). With VARN_UPDATE_REPLAY=1 the played game's input and
// world are written as the committed ones instead.
inline void ExpectReplayMatches(const std::string& name, const GameRecorder& played,
                                const std::function<void(GameApp&)>& everyFrame,
                                const std::function<void()>& prepare = {}) {
    const std::filesystem::path input = ReplayPath(name, ".input");
    const std::filesystem::path world = ReplayPath(name, ".world");
    const char* update = std::getenv("VARN_UPDATE_REPLAY");
    if (update != nullptr && std::string(update) == "1") {
        std::filesystem::create_directories(input.parent_path());
        std::ofstream(input, std::ios::binary) << played.Text();
        const std::vector<uint8_t> image = played.World();
        std::ofstream(world, std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));
        return;
    }
    const std::vector<uint8_t> tape = ReadWholeFile(input);
    const std::vector<uint8_t> expected = ReadWholeFile(world);
    ASSERT_FALSE(tape.empty()) << input << " is missing: record it with VARN_UPDATE_REPLAY=1";
    ASSERT_EQ(expected.size(), kSaveImageSize) << world;
    // The game just played from a fresh start was this very input: its world is the replay's.
    if (played.Text() == std::string(tape.begin(), tape.end())) {
        EXPECT_EQ(DifferingFields(expected, played.World()), "")
            << "the replay of " << name << " ended in another world (expected -> replayed)";
        return;
    }

    HeadlessGame game;
    if (prepare) {
        prepare();
    }
    game.afterFrame = [&game, &everyFrame] { everyFrame(game.app); };
    GameRecorder replayed(game);
    std::string error;
    ASSERT_TRUE(PlayTape(game, std::string(tape.begin(), tape.end()), error)) << error;
    EXPECT_EQ(DifferingFields(expected, replayed.World()), "")
        << "the replay of " << name << " ended in another world (expected -> replayed)";
}

}  // namespace varn

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "FuzzGame.h"
#include "MonkeyStates.h"
#include "MonkeyTargets.h"
#include "app/GameApp.h"
#include "checks/WorldInvariants.h"
#include "engine/KeyCodes.h"
#include "map/MapScreen.h"
#include "map/MapView.h"
#include "platform/HeadlessBackend.h"

using namespace varn;
using namespace varn::monkey;

// Plays a few hundred frames of arbitrary input from a saved game: the first byte picks the game
// among the start records, the rest is read an action a frame (keys, pointer moves, clicks on
// buttons, squares and cells near the party, the clock's step) through whatever states the game
// goes to. After every frame the world's invariants must hold: a fault is reported and stops the
// run. No data set is needed: missing pictures draw nothing.

namespace {

constexpr int kMaxFrames = 400;

// Every key the game reads, Enter and the keys that go back more often: they answer the boxes
// that stand between most screens.
constexpr uint8_t kKeys[] = {
    kKeyReturn, kKeyReturn,  kKeyReturn,    kKeyEscape,     kKeyEscape,  kKeyBack, kKeyI,
    kKeySpace,  kKeyPeriod,  kKeyLeftShift, kKeyRightShift, kKeyUp,      kKeyDown, kKeyLeft,
    kKeyRight,  kKeyNumpad2, kKeyNumpad4,   kKeyNumpad6,    kKeyNumpad8, kKey0,    kKey1,
    kKey5,      kKey9,       kKeyA,         kKeyE,          kKeyN,       kKeyS,    kKeyZ,
};

// The start records: the saves of fuzz/seeds/LoadAndPlay and fuzz/seeds/MonkeyStarts, read once.
const std::vector<std::vector<uint8_t>>& Starts() {
    static const std::vector<std::vector<uint8_t>> starts = [] {
        std::vector<std::filesystem::path> files;
        for (const char* folder : {"LoadAndPlay", "MonkeyStarts"}) {
            for (const auto& entry : std::filesystem::directory_iterator(
                     std::filesystem::path(VARN_FUZZ_SEEDS) / folder)) {
                files.push_back(entry.path());
            }
        }
        std::sort(files.begin(), files.end());
        std::vector<std::vector<uint8_t>> images;
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            images.emplace_back(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
        }
        if (images.empty()) {
            std::fprintf(stderr, "the monkey found no start records under %s\n", VARN_FUZZ_SEEDS);
            std::abort();
        }
        return images;
    }();
    return starts;
}

class InputReader {
  public:
    InputReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Empty() const { return size_ == 0; }
    uint8_t Take() {
        if (size_ == 0) {
            return 0;
        }
        --size_;
        return *data_++;
    }

  private:
    const uint8_t* data_;
    size_t size_;
};

// The hands on the headless backend, with the frames a person's input takes: a key held for a
// frame, a click as the pointer brought over the spot, pressed and let go.
class Hands {
  public:
    Hands(GameApp& app, platform::HeadlessBackend& backend, std::function<void()> frame)
        : app_(app), backend_(backend), frame_(std::move(frame)) {}

    // Reads one action and plays it.
    void Act(InputReader& input) {
        const uint8_t action = input.Take();
        const bool right = (action & 8) != 0;
        switch (action % 8) {
            case 0:
                for (int k = 0; k <= action >> 3; ++k) {
                    frame_();
                }
                break;
            case 1: {
                const uint8_t key = kKeys[input.Take() % std::size(kKeys)];
                backend_.SetKey(key, true);
                frame_();
                backend_.SetKey(key, false);
                frame_();
                break;
            }
            case 2: {
                const auto dx = static_cast<int8_t>(input.Take());
                const auto dy = static_cast<int8_t>(input.Take());
                backend_.MoveMouse(dx * 2, dy * 2);
                frame_();
                break;
            }
            case 3:
                ClickAt(ButtonOrSquare(input.Take()), right);
                break;
            case 4:
                ClickAt(NearParty(input.Take()), right);
                break;
            case 5:
                PointAt(ButtonOrSquare(input.Take()));
                frame_();
                break;
            case 6:
                // A press or a release alone: drags are made of these.
                held_[right] = !held_[right];
                backend_.SetButton(right ? 1 : 0, held_[right]);
                frame_();
                break;
            default:
                backend_.presentAdvanceMs = 8 + 2U * input.Take();
                frame_();
                break;
        }
    }

  private:
    void PointAt(Point point) {
        backend_.MoveMouse(point.x - app_.mouseCursor.x, point.y - app_.mouseCursor.y);
    }
    void ClickAt(Point point, bool right) {
        PointAt(point);
        frame_();
        backend_.SetButton(right ? 1 : 0, true);
        frame_();
        backend_.SetButton(right ? 1 : 0, false);
        held_[right] = false;
        frame_();
    }
    // On the map, a cell up to three away from the party; elsewhere a square of the screen.
    Point NearParty(uint8_t pick) const {
        if (!app_.mapScreen || !app_.mapView) {
            return Square(pick);
        }
        constexpr int32_t kCell = 40;
        const int32_t dx = (pick & 7) - 3;
        const int32_t dy = ((pick >> 3) & 7) - 3;
        return {app_.mapScreen->walkX - app_.mapView->scrollX + kCell / 2 + dx * kCell,
                app_.mapScreen->walkY - app_.mapView->scrollY + kCell / 2 + dy * kCell};
    }

    GameApp& app_;
    platform::HeadlessBackend& backend_;
    std::function<void()> frame_;
    bool held_[2] = {false, false};
};

// The save's round trip costs more than a frame: it runs every few frames, at every change of
// state and on the last frame; the other checks after every frame.
constexpr int kRoundTripFrames = 8;

void Check(const GameApp& app, int frame, bool roundTrip) {
    const std::vector<std::string> violations =
        WorldInvariantViolations(app, roundTrip ? SaveRoundTrip::Run : SaveRoundTrip::Skip);
    if (violations.empty()) {
        return;
    }
    std::fprintf(stderr, "MONKEY the world is unsound after frame %d:\n", frame);
    for (const std::string& violation : violations) {
        std::fprintf(stderr, "  %s\n", violation.c_str());
    }
    std::abort();
}

}  // namespace

// The system font library keeps a cache for the life of the process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    InputReader input(data, size);
    const std::vector<std::vector<uint8_t>>& starts = Starts();
    const std::vector<uint8_t>& start = starts[input.Take() % starts.size()];
    const FuzzWorkingFolder folder;
    if (!WriteFirstSlot(start)) {
        return 0;
    }
    StateTally& tally = StateTally::Get();
    tally.NextInput();
    GameApp app;
    platform::HeadlessBackend& backend = StartHeadlessGame(app, 16);
    if (!LoadFirstSlot(app)) {
        std::fprintf(stderr, "MONKEY a start record was refused by the load\n");
        std::abort();
    }
    Check(app, 0, true);
    // Frames past the last stop the run once the action under way ends.
    int frame = 0;
    Hands hands(app, backend, [&] {
        if (frame < kMaxFrames && app.quit == 0) {
            const StateThunk before = app.stateHandler;
            app.Frame();
            ++frame;
            tally.Saw(app.stateHandler);
            Check(app, frame, app.stateHandler != before || frame % kRoundTripFrames == 0);
        }
    });
    while (!input.Empty() && frame < kMaxFrames && app.quit == 0) {
        hands.Act(input);
    }
    Check(app, frame, true);
    app.Cleanup();
    return 0;
}

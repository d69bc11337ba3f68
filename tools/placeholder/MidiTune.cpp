#include "MidiTune.h"

#include <algorithm>
#include <iterator>

#include "Bytes.h"

namespace varn {

namespace placeholder {

namespace {

constexpr int kTicksPerQuarter = 96;
constexpr int kTicksPerNote = kTicksPerQuarter / 2;
constexpr int kNoteCount = 32;
constexpr uint32_t kMicrosecondsPerQuarter = 500000;  // 120 beats a minute
constexpr uint8_t kVelocity = 90;
constexpr int kScale[] = {0, 2, 4, 7, 9, 12, 14, 16, 19, 21};  // pentatonic, two octaves
constexpr uint8_t kPrograms[] = {0, 73, 46, 11, 24, 40};       // piano, flute, harp, ...

// Delta times are written seven bits a byte, high groups first.
void PutVariableLength(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.push_back(static_cast<uint8_t>(groups[--count] | 0x80));
    }
    out.push_back(groups[0]);
}

void PutEvent(std::vector<uint8_t>& track, uint32_t delta, std::initializer_list<uint8_t> bytes) {
    PutVariableLength(track, delta);
    track.insert(track.end(), bytes.begin(), bytes.end());
}

}  // namespace

std::vector<uint8_t> ComposeMidiTune(int ordinal) {
    std::vector<uint8_t> track;
    PutEvent(track, 0,
             {0xFF, 0x51, 0x03, static_cast<uint8_t>(kMicrosecondsPerQuarter >> 16),
              static_cast<uint8_t>(kMicrosecondsPerQuarter >> 8),
              static_cast<uint8_t>(kMicrosecondsPerQuarter)});
    PutEvent(track, 0, {0xC0, kPrograms[ordinal % std::size(kPrograms)]});

    const int root = 55 + (ordinal * 5) % 12;
    uint32_t random = 12345u + static_cast<uint32_t>(ordinal) * 2654435761u;
    int degree = 2;
    for (int note = 0; note < kNoteCount; ++note) {
        random = random * 1664525u + 1013904223u;
        int move = static_cast<int>((random >> 24) % 5) - 2;
        degree = std::clamp(degree + move, 0, static_cast<int>(std::size(kScale)) - 1);
        auto pitch = static_cast<uint8_t>(root + kScale[degree]);
        bool last = note == kNoteCount - 1;
        PutEvent(track, 0, {0x90, pitch, kVelocity});
        PutEvent(track, last ? 4 * kTicksPerNote : kTicksPerNote, {0x80, pitch, 0x40});
    }
    PutEvent(track, 0, {0xFF, 0x2F, 0x00});

    std::vector<uint8_t> file;
    PutTag(file, "MThd");
    PutBigEndian(file, 6, 4);
    PutBigEndian(file, 0, 2);  // format 0: one track
    PutBigEndian(file, 1, 2);
    PutBigEndian(file, kTicksPerQuarter, 2);
    PutTag(file, "MTrk");
    PutBigEndian(file, static_cast<uint32_t>(track.size()), 4);
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

}  // namespace placeholder

}  // namespace varn

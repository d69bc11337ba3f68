#include "Generator.h"

#include <cstdint>
#include <fstream>
#include <system_error>

#include "MidiTune.h"
#include "Mp3Encoder.h"
#include "PictureArt.h"
#include "Tone.h"

namespace varn {

namespace placeholder {

namespace fs = std::filesystem;

namespace {

constexpr double kEffectSeconds = 0.3;
constexpr double kTrackSeconds = 2.0;

bool WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes, std::string& error) {
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream.write(reinterpret_cast<const char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()));
    stream.close();
    if (!stream) {
        error = "cannot write " + path.string();
        return false;
    }
    return true;
}

bool WriteMp3(const fs::path& target, int ordinal, std::string& error) {
    fs::path source = target;
    source += ".source.wav";
    bool written =
        WriteFile(source, EncodeWav(SynthesizeTone(ordinal, kTrackSeconds), kSampleRate), error) &&
        EncodeMp3WithLame(source, target, error);
    std::error_code ignored;
    fs::remove(source, ignored);
    return written;
}

// Sounds and tunes are numbered by kind so that each one differs from the others of its kind.
struct Ordinals {
    int tone = 0;
    int tune = 0;
};

bool WriteRow(const ManifestRow& row, const fs::path& target, bool labels, Ordinals& ordinals,
              std::string& error) {
    switch (row.kind) {
        case RowKind::Box:
        case RowKind::Panel:
        case RowKind::Page:
        case RowKind::Button:
        case RowKind::Back:
        case RowKind::Words:
        case RowKind::Captions:
        case RowKind::Icon:
        case RowKind::Figures:
        case RowKind::Arrow:
        case RowKind::Ground:
        case RowKind::Glyphs:
            return WriteFile(target, DrawPicture(row, labels).EncodeBmp(), error);
        case RowKind::Sound:
            return WriteFile(
                target, EncodeWav(SynthesizeTone(ordinals.tone++, kEffectSeconds), kSampleRate),
                error);
        case RowKind::Mp3:
            return WriteMp3(target, ordinals.tone++, error);
        case RowKind::Music:
            return WriteFile(target, ComposeMidiTune(ordinals.tune++), error);
        case RowKind::Text: {
            std::string line = row.text + "\n";
            return WriteFile(target, std::vector<uint8_t>(line.begin(), line.end()), error);
        }
    }
    return false;
}

}  // namespace

bool GenerateDataSet(const std::vector<ManifestRow>& rows, const fs::path& folder, bool labels,
                     std::string& error) {
    std::error_code failure;
    for (const char* standard : {"Art", "Data", "Saves"}) {
        fs::create_directories(folder / standard, failure);
        if (failure) {
            error = "cannot create " + (folder / standard).string() + ": " + failure.message();
            return false;
        }
    }
    Ordinals ordinals;
    for (const ManifestRow& row : rows) {
        fs::path target = folder;
        for (const std::string& component : SplitGamePath(row.gamePath)) {
            target /= component;
        }
        fs::create_directories(target.parent_path(), failure);
        if (failure) {
            error = "cannot create " + target.parent_path().string() + ": " + failure.message();
            return false;
        }
        if (!WriteRow(row, target, labels, ordinals, error)) {
            error = "line " + std::to_string(row.line) + " (" + row.gamePath + "): " + error;
            return false;
        }
    }
    return true;
}

}  // namespace placeholder

}  // namespace varn

#include "Manifest.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <string_view>

#include "GroundArt.h"
#include "IconArt.h"

namespace varn {

namespace placeholder {

namespace {

constexpr int kMaxPictureSide = 8192;
// The colour keys the game's loads use; tiles are drawn in colours that none of them matches.
constexpr uint32_t kAllowedKeys[] = {0, 0xFF000000, 0xFFFF0000, 0xFF0000FF, 0xFF00FF00, 0xFFFFFFFF};

// Splits off the next white-space separated field; the rest stays in line.
std::string NextField(std::string_view& line) {
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        line = {};
        return {};
    }
    size_t end = line.find_first_of(" \t", start);
    std::string field(line.substr(start, end - start));
    line = end == std::string_view::npos ? std::string_view() : line.substr(end);
    return field;
}

std::string Trim(std::string_view text) {
    size_t start = text.find_first_not_of(" \t\r");
    if (start == std::string_view::npos) {
        return {};
    }
    size_t end = text.find_last_not_of(" \t\r");
    return std::string(text.substr(start, end - start + 1));
}

bool ParseInt(const std::string& text, int& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// "64x32" into its two sides.
bool ParseSize(const std::string& text, int& width, int& height) {
    size_t x = text.find('x');
    return x != std::string::npos && ParseInt(text.substr(0, x), width) &&
           ParseInt(text.substr(x + 1), height);
}

bool ParseKey(std::string text, uint32_t& key) {
    if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0) {
        text = text.substr(2);
    }
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), key, 16);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool KindFromName(const std::string& name, RowKind& kind) {
    // "bmp" is the button's older name, kept so that rows written for it still read.
    static const std::map<std::string, RowKind> kinds = {
        {"box", RowKind::Box},         {"panel", RowKind::Panel},       {"page", RowKind::Page},
        {"button", RowKind::Button},   {"bmp", RowKind::Button},        {"back", RowKind::Back},
        {"words", RowKind::Words},     {"captions", RowKind::Captions}, {"icon", RowKind::Icon},
        {"figures", RowKind::Figures}, {"arrow", RowKind::Arrow},       {"ground", RowKind::Ground},
        {"glyphs", RowKind::Glyphs},   {"wav", RowKind::Sound},         {"mid", RowKind::Music},
        {"mp3", RowKind::Mp3},         {"txt", RowKind::Text}};
    auto found = kinds.find(name);
    if (found == kinds.end()) {
        return false;
    }
    kind = found->second;
    return true;
}

// "<shape>" or "<shape>/<side>"; empty when the look holds together, else what is wrong.
std::string ParseLook(const std::string& look, ManifestRow& row) {
    const size_t slash = look.find('/');
    row.shape = look.substr(0, slash);
    row.side = slash == std::string::npos ? "neutral" : look.substr(slash + 1);
    if (row.shape != "person" && row.shape != "beast" && row.shape != "face" &&
        !IsThingShape(row.shape)) {
        return "unknown shape '" + row.shape + "'";
    }
    if (row.side != "ours" && row.side != "foe" && row.side != "neutral") {
        return "side must be ours, foe or neutral";
    }
    return {};
}

bool ParseDouble(std::string_view text, double& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value > 0;
}

// "<height>px@<scale>" or "<height>px@<scale x>x<scale y>" before a caption.
bool ParseLetterSize(std::string_view text, LetterSize& letters) {
    const size_t at = text.find("px@");
    const std::string_view scales = text.substr(at + 3);
    const size_t x = scales.find('x');
    if (!ParseDouble(text.substr(0, at), letters.height) ||
        !ParseDouble(scales.substr(0, x), letters.scaleX)) {
        return false;
    }
    letters.scaleY = letters.scaleX;
    return x == std::string_view::npos || ParseDouble(scales.substr(x + 1), letters.scaleY);
}

// "<left>,<top>,<width>,<height>" of a page's plate, which must lie inside the frame.
bool ParsePlate(const std::string& text, ManifestRow& row) {
    std::string_view rest = text;
    for (int& side : row.plate) {
        const size_t comma = rest.find(',');
        if (!ParseInt(std::string(rest.substr(0, comma)), side)) {
            return false;
        }
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    const auto [left, top, width, height] = row.plate;
    return rest.empty() && text.back() != ',' && left >= 0 && top >= 0 && width > 0 && height > 0 &&
           left + width <= row.frameWidth && top + height <= row.frameHeight;
}

// The picture fields after the path; empty when they hold together, else what is wrong.
std::string ParsePictureFields(std::string_view& rest, ManifestRow& row) {
    std::string size = NextField(rest);
    std::string frame = NextField(rest);
    std::string count = NextField(rest);
    std::string key = NextField(rest);
    if (row.kind == RowKind::Ground) {
        row.ground = NextField(rest);
    }
    const std::string plate = row.kind == RowKind::Page ? NextField(rest) : "";
    const std::string look =
        row.kind == RowKind::Icon || row.kind == RowKind::Figures ? NextField(rest) : "";
    if (row.kind == RowKind::Button || row.kind == RowKind::Captions) {
        std::string_view caption = rest;
        const std::string letters = NextField(caption);
        if (letters.find("px@") != std::string::npos) {
            if (!ParseLetterSize(letters, row.letters)) {
                return "a letter size must be <height>px@<scale> or <height>px@<scale x>x<scale y>";
            }
            rest = caption;
        }
    }
    row.label = Trim(rest);
    if (!ParseSize(size, row.width, row.height) || row.width < 1 || row.height < 1 ||
        row.width > kMaxPictureSide || row.height > kMaxPictureSide) {
        return "picture size must be <width>x<height>, 1 to 8192 each";
    }
    if (!ParseSize(frame, row.frameWidth, row.frameHeight) || row.frameWidth < 1 ||
        row.frameHeight < 1 || row.frameWidth > row.width || row.frameHeight > row.height) {
        return "frame size must be <width>x<height> within the picture";
    }
    int capacity = (row.width / row.frameWidth) * (row.height / row.frameHeight);
    if (!ParseInt(count, row.frameCount) || row.frameCount < 1 || row.frameCount > capacity) {
        return "frame count must be 1 to " + std::to_string(capacity);
    }
    if (!ParseKey(key, row.colourKey) || std::find(std::begin(kAllowedKeys), std::end(kAllowedKeys),
                                                   row.colourKey) == std::end(kAllowedKeys)) {
        return "colour key must be 0, FF000000, FFFF0000, FF0000FF, FF00FF00 or FFFFFFFF";
    }
    if (row.kind == RowKind::Ground && row.colourKey != 0) {
        return "ground is drawn edge to edge: its key must be 0";
    }
    if (row.kind == RowKind::Ground && !IsGroundKind(row.ground)) {
        return "ground kind must be grass, meadow, road, desert, earth, water, waste, "
               "mountain, plains, snow, cliff or yard, <building>@<column>,<row>[/<ground>] or "
               "<thing>/<ground>";
    }
    if (row.kind == RowKind::Page && !ParsePlate(plate, row)) {
        return "a page's plate must be <left>,<top>,<width>,<height> inside its frame";
    }
    if (row.label.empty()) {
        return "a picture needs a label";
    }
    return look.empty() ? std::string() : ParseLook(look, row);
}

// Empty when the path stays inside the output folder, else what is wrong.
std::string CheckGamePath(const std::string& gamePath) {
    if (gamePath.empty()) {
        return "missing game path";
    }
    if (gamePath[0] == '\\' || gamePath[0] == '/') {
        return "game paths are relative to the working directory";
    }
    for (const std::string& component : SplitGamePath(gamePath)) {
        if (component == "." || component == "..") {
            return "game paths may not name . or ..";
        }
    }
    return {};
}

std::string ParseRow(std::string_view line, ManifestRow& row) {
    std::string kindName = NextField(line);
    if (!KindFromName(kindName, row.kind)) {
        return "unknown kind '" + kindName +
               "' (box, panel, page, button, back, words, captions, icon, figures, arrow, ground, "
               "glyphs, "
               "wav, "
               "mid, mp3 "
               "or txt)";
    }
    row.gamePath = NextField(line);
    std::string pathError = CheckGamePath(row.gamePath);
    if (!pathError.empty()) {
        return pathError;
    }
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
            return ParsePictureFields(line, row);
        case RowKind::Glyphs: {
            std::string error = ParsePictureFields(line, row);
            if (error.empty() && row.label.size() != static_cast<size_t>(row.frameCount)) {
                error = "a glyph sheet needs one character per frame";
            }
            return error;
        }
        case RowKind::Text:
            row.text = Trim(line);
            return {};
        case RowKind::Sound:
        case RowKind::Music:
        case RowKind::Mp3:
            return Trim(line).empty() ? std::string() : "unexpected fields after the path";
    }
    return {};
}

}  // namespace

std::vector<std::string> SplitGamePath(const std::string& gamePath) {
    std::vector<std::string> components;
    std::string current;
    for (char c : gamePath) {
        if (c == '\\' || c == '/') {
            if (!current.empty()) {
                components.push_back(current);
            }
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) {
        components.push_back(current);
    }
    return components;
}

std::vector<ManifestRow> ParseManifest(std::istream& input, const std::string& source,
                                       std::vector<std::string>& errors) {
    std::vector<ManifestRow> rows;
    // The game matches names whatever their case, so two rows differing only in case clash.
    std::map<std::string, int> lineOfPath;
    std::string text;
    for (int lineNumber = 1; std::getline(input, text); ++lineNumber) {
        std::string line = Trim(text);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        ManifestRow row;
        row.line = lineNumber;
        std::string error = ParseRow(line, row);
        std::string where = source + ":" + std::to_string(lineNumber) + ": ";
        if (!error.empty()) {
            errors.push_back(where + error);
            continue;
        }
        std::string key;
        for (const std::string& component : SplitGamePath(row.gamePath)) {
            key += LowerCase(component) + "/";
        }
        auto [existing, inserted] = lineOfPath.emplace(key, lineNumber);
        if (!inserted) {
            errors.push_back(where + row.gamePath + " is already listed on line " +
                             std::to_string(existing->second));
            continue;
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace placeholder

}  // namespace varn

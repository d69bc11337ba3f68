#include <gtest/gtest.h>
#include <strings.h>

#include <fstream>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>

#include "app/PictureTables.h"
#include "engine/KeyCodes.h"
#include "support/HeadlessGame.h"

namespace varn {

namespace {

// One spelling for a game path: forward slashes, no doubled ones, lower case.
std::string Normalised(std::string path) {
    std::string out;
    for (char c : path) {
        char next =
            c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (next == '/' && !out.empty() && out.back() == '/') {
            continue;
        }
        out.push_back(next);
    }
    return out;
}

struct ManifestPicture {
    int width = 0;
    int height = 0;
};

// Every manifest row by normalised path; pictures carry their size, other files 0 x 0.
std::map<std::string, ManifestPicture> ManifestRows() {
    std::map<std::string, ManifestPicture> rows;
    std::ifstream manifest(VARN_SOURCE_DIR "/tools/placeholder/manifest.txt");
    std::string line;
    while (std::getline(manifest, line)) {
        std::istringstream fields(line);
        std::string kind;
        std::string path;
        if (!(fields >> kind >> path) || kind[0] == '#') {
            continue;
        }
        ManifestPicture& row = rows[Normalised(path)];
        std::string size;
        if (kind != "wav" && kind != "mid" && kind != "mp3" && kind != "txt" && fields >> size) {
            std::sscanf(size.c_str(), "%dx%d", &row.width, &row.height);
        }
    }
    return rows;
}

}  // namespace

// Every file the game asks for while a scripted run visits its screens must be in the
// placeholder data set, or a player without game data would see a hole.
TEST(DataManifest, CoversEveryFileAScriptedRunAsksFor) {
    const std::map<std::string, ManifestPicture> manifest = ManifestRows();
    ASSERT_FALSE(manifest.empty());

    HeadlessGame game;
    game.RunFrames(3);
    HeadlessGame::backend().SetKey(kKeyEscape, true);
    game.RunFrames(1);
    ASSERT_EQ(game.app.quit, 1);

    int count = 0;
    for (const std::string& asked : HeadlessGame::backend().filesAsked) {
        std::string path = Normalised(asked);
        if (path.rfind("saves/", 0) == 0) {
            continue;  // the player's own files
        }
        ++count;
        EXPECT_TRUE(manifest.count(path)) << path << " has no row in the placeholder manifest";
    }
    EXPECT_GT(count, 5);
}

// Every screen's picture table, read directly: each file has a row, and each frame size fits
// the picture the data set holds.
TEST(DataManifest, CoversEveryScreensPictureTable) {
    const std::map<std::string, ManifestPicture> manifest = ManifestRows();
    for (const NamedPictureTable& table : AllPictureTables()) {
        for (const PictureLoad& load : table.loads) {
            SCOPED_TRACE(std::string(table.owner) + ": " + load.file);
            const auto row = manifest.find(Normalised(load.file));
            ASSERT_NE(row, manifest.end()) << "no row in the placeholder manifest";
            EXPECT_LE(load.frameWidth, row->second.width);
            EXPECT_LE(load.frameHeight, row->second.height);
        }
    }
}

}  // namespace varn

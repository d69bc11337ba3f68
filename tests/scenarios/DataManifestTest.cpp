#include <gtest/gtest.h>
#include <strings.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

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

std::set<std::string> ManifestFiles() {
    std::set<std::string> files;
    std::ifstream manifest(VARN_SOURCE_DIR "/tools/placeholder/manifest.txt");
    std::string line;
    while (std::getline(manifest, line)) {
        std::istringstream fields(line);
        std::string kind;
        std::string path;
        if (fields >> kind >> path && kind[0] != '#') {
            files.insert(Normalised(path));
        }
    }
    return files;
}

}  // namespace

// Every file the game asks for while a scripted run visits its screens must be in the
// placeholder data set, or a player without game data would see a hole.
TEST(DataManifest, CoversEveryFileAScriptedRunAsksFor) {
    const std::set<std::string> manifest = ManifestFiles();
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

}  // namespace varn

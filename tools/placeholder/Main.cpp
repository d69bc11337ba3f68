// Generates the placeholder data set: every picture, sound and data file the game loads, as the
// manifest lists them, so that the game runs and every screen can be read without the real art.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "Generator.h"
#include "Manifest.h"

using namespace varn;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: varn_placeholder <manifest> <output folder>\n");
        return 2;
    }
    std::ifstream manifest(argv[1]);
    if (!manifest) {
        std::fprintf(stderr, "varn_placeholder: cannot read the manifest %s\n", argv[1]);
        return 1;
    }
    std::vector<std::string> errors;
    std::vector<placeholder::ManifestRow> rows =
        placeholder::ParseManifest(manifest, argv[1], errors);
    for (const std::string& message : errors) {
        std::fprintf(stderr, "%s\n", message.c_str());
    }
    if (!errors.empty()) {
        return 1;
    }
    std::string error;
    if (!placeholder::GenerateDataSet(rows, argv[2], error)) {
        std::fprintf(stderr, "varn_placeholder: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

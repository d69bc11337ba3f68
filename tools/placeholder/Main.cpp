// Generates the placeholder data set: every picture, sound and data file the game loads, as the
// manifest lists them, so that the game runs and every screen can be read without the real art.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "Generator.h"
#include "Manifest.h"

using namespace varn;

int main(int argc, char** argv) {
    // --labels: every frame also shows its file's label and frame number, for developers.
    const bool labels = argc == 4 && std::strcmp(argv[1], "--labels") == 0;
    if (argc != 3 && !labels) {
        std::fprintf(stderr, "usage: varn_placeholder [--labels] <manifest> <output folder>\n");
        return 2;
    }
    const char* manifestPath = argv[argc - 2];
    const char* output = argv[argc - 1];
    std::ifstream manifest(manifestPath);
    if (!manifest) {
        std::fprintf(stderr, "varn_placeholder: cannot read the manifest %s\n", manifestPath);
        return 1;
    }
    std::vector<std::string> errors;
    std::vector<placeholder::ManifestRow> rows =
        placeholder::ParseManifest(manifest, manifestPath, errors);
    for (const std::string& message : errors) {
        std::fprintf(stderr, "%s\n", message.c_str());
    }
    if (!errors.empty()) {
        return 1;
    }
    std::string error;
    if (!placeholder::GenerateDataSet(rows, output, labels, error)) {
        std::fprintf(stderr, "varn_placeholder: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

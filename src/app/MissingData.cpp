#include "app/MissingData.h"

#include <strings.h>

#include <filesystem>
#include <system_error>

namespace varn {

namespace {

// A folder of the working directory, whatever its case, as the game's file lookups find it.
bool HasFolder(const std::string& name) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(".", error)) {
        if (entry.is_directory(error) &&
            strcasecmp(entry.path().filename().c_str(), name.c_str()) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string MissingDataReport(bool fontFound, const char* fontFace) {
    std::string missing;
    for (const char* folder : {"Art", "Data"}) {
        if (!HasFolder(folder)) {
            missing += std::string(missing.empty() ? "no " : " and no ") + folder + " folder";
        }
    }
    std::string report;
    if (!missing.empty()) {
        std::error_code ignored;
        report = missing + " in " + std::filesystem::current_path(ignored).string() +
                 " (pictures and sounds stay blank)";
    }
    if (!fontFound) {
        report += std::string(report.empty() ? "" : "; ") + "no font found for \"" + fontFace +
                  "\" or a stand-in through fontconfig (text stays blank)";
    }
    return report.empty() ? report : "varn: " + report;
}

}  // namespace varn

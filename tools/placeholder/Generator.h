#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "Manifest.h"

namespace varn {

namespace placeholder {

// Writes every row's file under folder (game path components become folders, names keep the
// manifest's case) and makes the Art, Data and Saves folders. With labels every picture frame
// also shows its row's label and frame number. On failure says why in error.
bool GenerateDataSet(const std::vector<ManifestRow>& rows, const std::filesystem::path& folder,
                     bool labels, std::string& error);

}  // namespace placeholder

}  // namespace varn

#include "platform/Files.h"

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <cerrno>

#include <filesystem>
#include <system_error>

#include "platform/Backend.h"

namespace varn {

namespace platform {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> SplitComponents(const char* gamePath) {
    std::vector<std::string> components;
    std::string current;
    for (const char* c = gamePath; *c != '\0'; ++c) {
        if (*c == '\\' || *c == '/') {
            if (!current.empty()) {
                components.push_back(current);
                current.clear();
            }
        } else {
            current.push_back(*c);
        }
    }
    if (!current.empty()) {
        components.push_back(current);
    }
    return components;
}

// The entry of folder whose name matches component regardless of case, or component itself.
std::string MatchInFolder(const fs::path& folder, const std::string& component) {
    std::error_code error;
    if (fs::exists(folder / component, error)) {
        return component;
    }
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (strcasecmp(name.c_str(), component.c_str()) == 0) {
            return name;
        }
    }
    return component;
}

fs::path TemporaryOf(const fs::path& target) {
    fs::path temporary = target;
    temporary += ".tmp";
    return temporary;
}

// A folder that cannot be flushed at all (EINVAL) keeps no names to lose.
bool FlushFolder(const fs::path& folder) {
    const int descriptor = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0) {
        return false;
    }
    const bool flushed = fsync(descriptor) == 0 || errno == EINVAL;
    return close(descriptor) == 0 && flushed;
}

}  // namespace

std::string ResolvePath(const char* gamePath) {
    if (gamePath == nullptr) {
        return std::string();
    }
    // Every file the game touches passes here: the trace tells which ones a run needed.
    Current().TraceFile(gamePath);
    bool absolute = gamePath[0] == '/';
    fs::path resolved = absolute ? fs::path("/") : fs::path();
    bool searching = true;
    for (const std::string& component : SplitComponents(gamePath)) {
        if (component == "." || component == "..") {
            resolved /= component;
            continue;
        }
        std::string name = component;
        if (searching) {
            name = MatchInFolder(resolved.empty() ? fs::path(".") : resolved, component);
            std::error_code error;
            searching = fs::exists(resolved / name, error);
        }
        resolved /= name;
    }
    return resolved.string();
}

FILE* OpenFile(const char* gamePath, const char* mode) {
    if (gamePath == nullptr || mode == nullptr) {
        return nullptr;
    }
    std::string path = ResolvePath(gamePath);
    if (path.empty()) {
        return nullptr;
    }
    return std::fopen(path.c_str(), mode);
}

bool ReadWholeFile(const char* gamePath, std::vector<uint8_t>& bytes) {
    FILE* file = OpenFile(gamePath, "rb");
    if (file == nullptr) {
        return false;
    }
    bytes.clear();
    uint8_t chunk[65536];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

bool WriteFileAtomically(const char* gamePath, const uint8_t* bytes, size_t size) {
    if (gamePath == nullptr || (bytes == nullptr && size != 0)) {
        return false;
    }
    fs::path target = ResolvePath(gamePath);
    if (target.empty()) {
        return false;
    }
    std::error_code error;
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), error);
        if (error) {
            return false;
        }
    }
    const fs::path temporary = TemporaryOf(target);
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    bool ok = size == 0 || std::fwrite(bytes, 1, size, file) == size;
    ok = std::fflush(file) == 0 && ok;
    ok = fsync(fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (!ok) {
        fs::remove(temporary, error);
        return false;
    }
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return FlushFolder(target.parent_path());
}

void RemoveLeftoverTemporary(const char* gamePath) {
    const fs::path target = ResolvePath(gamePath);
    if (!target.empty()) {
        std::error_code error;
        fs::remove(TemporaryOf(target), error);
    }
}

}  // namespace platform

}  // namespace varn

#include "platform/Files.h"

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <cerrno>

#include <filesystem>
#include <system_error>

#include "platform/Backend.h"
#include "platform/ReportOnce.h"

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

std::string FromTheRoot(const fs::path& path) {
    std::error_code error;
    const fs::path full = fs::absolute(path, error);
    return error ? path.string() : full.lexically_normal().string();
}

// Says which path kept the file at target from being written, and why; false, for the caller.
bool Blocked(const fs::path& target, const fs::path& blocking, const std::string& why) {
    ReportOnce(FromTheRoot(blocking),
               blocking == target ? "cannot be written: " + why
                                  : "keeps " + FromTheRoot(target) + " from being written: " + why);
    return false;
}

std::string ErrorText(int number) {
    return std::error_code(number, std::generic_category()).message();
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

std::string FullPath(const char* gamePath) {
    return FromTheRoot(ResolvePath(gamePath));
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
    const fs::path target = ResolvePath(gamePath);
    if (target.empty()) {
        return false;
    }
    std::error_code error;
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), error);
        if (error) {
            return Blocked(target, target.parent_path(), error.message());
        }
    }
    const fs::path temporary = TemporaryOf(target);
    // A file there is a write of ours cut short, and is replaced; anything else is the player's.
    if (const fs::file_status standing = fs::symlink_status(temporary, error);
        fs::exists(standing) && !fs::is_regular_file(standing)) {
        return Blocked(target, temporary,
                       fs::is_directory(standing)
                           ? "a folder stands where its temporary file goes"
                           : "something stands where its temporary file goes");
    }
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return Blocked(target, temporary, ErrorText(errno));
    }
    bool ok = size == 0 || std::fwrite(bytes, 1, size, file) == size;
    ok = std::fflush(file) == 0 && ok;
    ok = fsync(fileno(file)) == 0 && ok;
    const int writeError = ok ? 0 : errno;
    ok = std::fclose(file) == 0 && ok;
    if (!ok) {
        fs::remove(temporary, error);
        return Blocked(target, temporary, ErrorText(writeError != 0 ? writeError : errno));
    }
    fs::rename(temporary, target, error);
    if (error) {
        const std::string why = error.message();
        fs::remove(temporary, error);
        return Blocked(target, target, why);
    }
    return FlushFolder(target.parent_path());
}

void RemoveLeftoverTemporary(const char* gamePath) {
    const fs::path target = ResolvePath(gamePath);
    if (target.empty()) {
        return;
    }
    // Only a file is a write of ours cut short: a folder of that name is the player's.
    const fs::path temporary = TemporaryOf(target);
    std::error_code error;
    if (fs::is_regular_file(fs::symlink_status(temporary, error))) {
        fs::remove(temporary, error);
    }
}

}  // namespace platform

}  // namespace varn

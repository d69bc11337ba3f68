#include "Mp3Encoder.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <vector>

extern char** environ;

namespace varn {

namespace placeholder {

bool EncodeMp3WithLame(const std::filesystem::path& wav, const std::filesystem::path& mp3,
                       std::string& error) {
    std::string input = wav.string();
    std::string output = mp3.string();
    // Run directly, not through a shell, so no file name is ever interpreted.
    std::vector<char*> arguments = {const_cast<char*>("lame"),
                                    const_cast<char*>("--quiet"),
                                    const_cast<char*>("-b"),
                                    const_cast<char*>("64"),
                                    input.data(),
                                    output.data(),
                                    nullptr};
    pid_t child = 0;
    int spawned = posix_spawnp(&child, "lame", nullptr, nullptr, arguments.data(), environ);
    if (spawned != 0) {
        error = spawned == ENOENT
                    ? "the 'lame' command was not found; install lame to generate MP3 files"
                    : std::string("cannot run 'lame': ") + std::strerror(spawned);
        return false;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            error = std::string("waiting for 'lame' failed: ") + std::strerror(errno);
            return false;
        }
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        error = "'lame' failed to encode " + output;
        return false;
    }
    return true;
}

}  // namespace placeholder

}  // namespace varn

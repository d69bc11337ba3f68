#include "platform/ReportOnce.h"

#include <cstdio>
#include <set>

namespace varn {

namespace platform {

void ReportOnce(const std::string& path, const std::string& why) {
    static std::set<std::string> reported;
    if (reported.insert(path).second) {
        std::fprintf(stderr, "varn: %s: %s\n", path.c_str(), why.c_str());
    }
}

}  // namespace platform

}  // namespace varn

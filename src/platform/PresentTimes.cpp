#include "platform/PresentTimes.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace varn {

namespace platform {

std::string PresentTimes::RequestedReport() {
    const char* path = std::getenv("VARN_PRESENT_TIMES");
    return path != nullptr ? std::string(path) : std::string();
}

void PresentTimes::Add(std::chrono::nanoseconds drawing, std::chrono::nanoseconds withPush,
                       bool changed) {
    for (Samples* samples : {&all_, changed ? &changed_ : nullptr}) {
        if (samples != nullptr) {
            samples->drawing.push_back(drawing.count());
            samples->withPush.push_back(withPush.count());
        }
    }
}

std::string PresentTimes::Line(const char* what, const Samples& samples) {
    char line[160];
    std::snprintf(line, sizeof line, "%s: %zu, median %.1f us, with the push %.1f us\n", what,
                  samples.drawing.size(), MedianMicroseconds(samples.drawing),
                  MedianMicroseconds(samples.withPush));
    return line;
}

std::string PresentTimes::Report() const {
    return Line("presents", all_) + Line("presents that changed the picture", changed_);
}

double MedianMicroseconds(std::vector<int64_t> nanoseconds) {
    if (nanoseconds.empty()) {
        return 0.0;
    }
    const auto middle = nanoseconds.begin() + static_cast<ptrdiff_t>(nanoseconds.size() / 2);
    std::nth_element(nanoseconds.begin(), middle, nanoseconds.end());
    double median = static_cast<double>(*middle);
    if (nanoseconds.size() % 2 == 0) {
        // The lower half holds the other middle sample as its largest.
        median = (median + static_cast<double>(*std::max_element(nanoseconds.begin(), middle))) / 2;
    }
    return median / 1000.0;
}

}  // namespace platform

}  // namespace varn

#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace varn {

namespace placeholder {

inline void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

inline void PutBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

// A four-character chunk name such as "RIFF" or "MThd".
inline void PutTag(std::vector<uint8_t>& out, std::string_view tag) {
    for (char c : tag) {
        out.push_back(static_cast<uint8_t>(c));
    }
}

}  // namespace placeholder

}  // namespace varn

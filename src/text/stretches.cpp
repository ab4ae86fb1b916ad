// Cutting a file's bytes into stretches for reading side by side.
#include "text/stretches.h"

#include <algorithm>
#include <thread>

namespace kvx::text {

std::vector<std::string_view> cutIntoStretches(std::string_view bytes, const StretchReading& how) {
    std::size_t count = how.stretches > 0 ? static_cast<std::size_t>(how.stretches)
                                          : std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 4);
    count = std::max<std::size_t>(1, std::min(count, bytes.size() / std::max<std::size_t>(how.stretchBytes, 1)));
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (std::size_t k = 1; k < count; ++k) {
        const std::size_t feed = bytes.find('\n', std::max(from, bytes.size() * k / count));
        if (feed == std::string_view::npos) break;
        parts.push_back(bytes.substr(from, feed + 1 - from));
        from = feed + 1;
    }
    parts.push_back(bytes.substr(from));
    return parts;
}

}  // namespace kvx::text

// printf into std::string.
#include "text/printf.h"

#include <cstdarg>
#include <cstdio>

namespace kvx::text {

std::string format(const char* fmt, ...) {
    // Formatted once into a buffer on the stack; only a longer text is
    // formatted a second time into its own string.
    char small[256];
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(small, sizeof small, fmt, copy);
    va_end(copy);
    std::string out;
    if (n > 0 && static_cast<std::size_t>(n) < sizeof small) {
        out.assign(small, static_cast<std::size_t>(n));
    } else if (n > 0) {
        out.resize(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), fmt, args);
        out.resize(static_cast<std::size_t>(n));
    }
    va_end(args);
    return out;
}

}  // namespace kvx::text

// printf-style formatting into std::string: the result files' formats are C formats.
#pragma once

#include <string>

namespace kvx::text {

/// vsnprintf into a string. The numeric locale must be "C" (the app sets it at start).
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace kvx::text

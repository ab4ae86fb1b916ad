// Comma splitting rules of the standard and logger files.
#include "text/fields.h"

#include <algorithm>

namespace kvx::text {

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
        if (end - start > kMaxFieldBytes) return {};
        fields.emplace_back(line.substr(start, end - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

std::size_t countFields(std::string_view line) {
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')) + 1;
}

std::vector<std::string> splitFieldsSkippingBlanks(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        while (start < line.size() && (line[start] == ' ' || line[start] == '\t' || line[start] == '\n'))
            ++start;
        const std::size_t comma = line.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
        fields.emplace_back(line.substr(start, end - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

}  // namespace kvx::text

// fgets-like reading with text-mode CR/LF handling.
#include "text/line_reader.h"

namespace kvx::text {

LineReader::LineReader(const std::string& path) : m_file(std::fopen(path.c_str(), "rb")) {}

LineReader::~LineReader() {
    if (m_file) std::fclose(m_file);
}

std::optional<std::string> LineReader::next() {
    if (!m_file) return std::nullopt;
    std::string line;
    std::size_t count = 0;  // bytes taken from the file, after CR/LF translation
    bool sawAny = false;
    bool cut = false;       // a NUL ended the C string; keep consuming the line
    while (count < kMaxLineBytes) {
        int c = std::getc(m_file);
        if (c == EOF) break;
        if (c == '\r') {
            const int after = std::getc(m_file);
            if (after == '\n') {
                c = '\n';
            } else if (after != EOF) {
                std::ungetc(after, m_file);
            }
        }
        sawAny = true;
        ++count;
        if (c == '\n') break;
        if (c == '\0') cut = true;
        if (!cut) line.push_back(static_cast<char>(c));
    }
    if (!sawAny) return std::nullopt;
    ++m_lineNumber;
    return line;
}

}  // namespace kvx::text

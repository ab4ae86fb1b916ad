// fgets-like line cutting with text-mode CR/LF handling, in place.
#include "text/line_reader.h"

#include <algorithm>
#include <cstring>


namespace kvx::text {
namespace {

constexpr std::size_t kBlockBytes = 1 << 16;

struct Cut {
    std::size_t contentEnd = 0;  // the line's text is [0, contentEnd)
    std::size_t consumed = 0;    // bytes taken from the buffer, line break included
};

/// One line from the start of `s` (which must not be empty), with the rules
/// above. The n-th byte counted (a CR LF pair counting once) ends the line
/// when it is a line feed and n <= 2047: so only the first 2048 bytes can hold
/// the line's end, and a bare line feed there must stand before byte 2047.
Cut cutLine(std::string_view s) {
    Cut c;
    const std::size_t window = std::min(s.size(), kMaxLineBytes + 1);
    const void* found = std::memchr(s.data(), '\n', window);
    std::size_t end = std::min(s.size(), kMaxLineBytes);  // no line break: cut at the limit
    c.consumed = end;
    if (found) {
        const auto p = static_cast<std::size_t>(static_cast<const char*>(found) - s.data());
        if (p >= 1 && s[p - 1] == '\r') {
            end = p - 1;
            c.consumed = p + 1;
        } else if (p < kMaxLineBytes) {
            end = p;
            c.consumed = p + 1;
        }
    }
    const void* nul = std::memchr(s.data(), '\0', end);
    c.contentEnd = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - s.data()) : end;
    return c;
}

}  // namespace

std::optional<std::string_view> LineSplitter::next() {
    if (m_rest.empty()) return std::nullopt;
    const Cut c = cutLine(m_rest);
    const std::string_view line = m_rest.substr(0, c.contentEnd);
    m_rest.remove_prefix(c.consumed);
    ++m_lineNumber;
    return line;
}

std::optional<std::string> readFileBytes(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::string bytes;
    if (std::fseek(f, 0, SEEK_END) == 0) {
        const long size = std::ftell(f);
        if (size > 0) bytes.reserve(static_cast<std::size_t>(size));
        std::rewind(f);
    }
    char block[kBlockBytes];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, f)) > 0) bytes.append(block, got);
    std::fclose(f);
    return bytes;
}

LineReader::LineReader(const std::string& path) : m_file(std::fopen(path.c_str(), "rb")) {}

LineReader::~LineReader() {
    if (m_file) std::fclose(m_file);
}

void LineReader::fill(std::size_t want) {
    if (m_buffer.size() - m_position >= want) return;
    m_buffer.erase(0, m_position);
    m_position = 0;
    while (!m_end && m_buffer.size() < want) {
        const std::size_t old = m_buffer.size();
        m_buffer.resize(old + kBlockBytes);
        const std::size_t got = std::fread(m_buffer.data() + old, 1, kBlockBytes, m_file);
        m_buffer.resize(old + got);
        if (got == 0) m_end = true;
    }
}

std::optional<std::string> LineReader::next() {
    if (!m_file) return std::nullopt;
    // A whole line and the byte after a CR at its limit must be at hand.
    fill(kMaxLineBytes + 2);
    const std::string_view available = std::string_view(m_buffer).substr(m_position);
    if (available.empty()) return std::nullopt;
    LineSplitter splitter(available);
    const auto line = splitter.next();
    m_position += available.size() - splitter.rest().size();
    ++m_lineNumber;
    return std::string(*line);
}

}  // namespace kvx::text

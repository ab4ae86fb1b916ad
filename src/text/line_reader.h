// Line-by-line reading with the limits of the program's text files.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace kvx::text {

/// Longest line in bytes, the line feed included; the rest of a longer line
/// is returned as the next line.
inline constexpr std::size_t kMaxLineBytes = 2047;

/// Reads a file as the program's text files are read: a carriage return right
/// before a line feed is dropped (text mode), lines are cut after at most
/// 2047 bytes, the line feed is not part of the returned line, and a line
/// ends at its first NUL byte as a C string would (the bytes after it up to
/// the end of the line are read and dropped).
class LineReader {
public:
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return m_file != nullptr; }
    /// Next line, or nothing at the end of the file (or on a read error).
    std::optional<std::string> next();
    /// Lines returned so far.
    int lineNumber() const { return m_lineNumber; }

private:
    std::FILE* m_file = nullptr;
    int m_lineNumber = 0;
};

}  // namespace kvx::text

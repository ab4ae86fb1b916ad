// Line-by-line reading with the limits of the program's text files, over a
// byte buffer (the readers' fast path, and what the fuzzers feed) or over a
// file read in large blocks.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace kvx::text {

/// Longest line in bytes, the line feed included; the rest of a longer line
/// is returned as the next line.
inline constexpr std::size_t kMaxLineBytes = 2047;

/// Cuts bytes into lines as the program's text files are read: a carriage
/// return right before a line feed is dropped (text mode), lines are cut
/// after at most 2047 bytes (a CR LF pair counts as one), the line feed is
/// not part of the line, and a line ends at its first NUL byte as a C string
/// would (the bytes after it up to the end of the line are skipped). The
/// lines are views into the buffer.
class LineSplitter {
public:
    explicit LineSplitter(std::string_view bytes) : m_rest(bytes) {}
    /// Next line, or nothing at the end.
    std::optional<std::string_view> next();
    /// Lines returned so far.
    int lineNumber() const { return m_lineNumber; }
    /// The bytes not yet cut into lines.
    std::string_view rest() const { return m_rest; }

private:
    std::string_view m_rest;
    int m_lineNumber = 0;
};

/// The whole file as bytes; nothing when it cannot be opened. A read error
/// ends the bytes there, as it ended the lines of a line-by-line read.
std::optional<std::string> readFileBytes(const std::string& path);

/// The same lines from a file, read in blocks of 64 KiB.
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
    /// Makes at least `want` bytes available from the current position (fewer at the end).
    void fill(std::size_t want);

    std::FILE* m_file = nullptr;
    std::string m_buffer;
    std::size_t m_position = 0;
    bool m_end = false;
    int m_lineNumber = 0;
};

}  // namespace kvx::text

// The line-colour file (.clr): one line per graph channel, "0x%08x,%d,%d"
// with the colour as 0x00BBGGRR, the thick-line flag and the mark flag.
#pragma once

#include "plot/line_styles.h"

#include <string>
#include <string_view>
#include <vector>

namespace kvx::plot {

/// Lines of a complete file: one per graph channel.
inline constexpr int kClrLines = 16;
/// Longest line the reader takes, the line feed included; the rest of a
/// longer line is read as the next line.
inline constexpr std::size_t kClrLineBytes = 99;

/// Colour value as the file stores it: 0x00BBGGRR (red in the lowest byte).
constexpr std::uint32_t toColorRef(Rgb c) {
    return (std::uint32_t{c.b} << 16) | (std::uint32_t{c.g} << 8) | c.r;
}
constexpr Rgb fromColorRef(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16)};
}

/// The 16 lines of the current styles, channel 1 first.
std::string formatClr(const LineStyles& styles);

/// One channel's line.
struct ClrEntry {
    Rgb color;
    bool bold = false;
    bool mark = false;
    friend bool operator==(const ClrEntry&, const ClrEntry&) = default;
};

enum class ClrStatus {
    Ok,           // 16 good lines
    CannotOpen,   // the file could not be opened or read
    Malformed,    // `lineNumber` is not a line of this format; the lines before it are good
    TooFewLines,  // the file ends after `entries.size()` good lines
};

struct ClrReadResult {
    std::vector<ClrEntry> entries;  // good lines in order, channel 1 first, at most 16
    ClrStatus status = ClrStatus::Ok;
    int lineNumber = 0;  // from 1: the malformed line
};

/// The field splitter of the program's small text files: blanks, tabs and
/// line feeds before a field are skipped; a comma met before any character of
/// a field ends an empty field; inside a field a blank, tab, comma or line feed ends it.
std::vector<std::string> splitClrFields(std::string_view line);

/// Reads a file's bytes: up to 16 lines, each needing a colour (decimal, or
/// hexadecimal after "0x"/"0X", within 0 ... 0x00FFFFFF) and two decimal
/// flags (nonzero counts as 1). Stops at the first line that is not of that form.
ClrReadResult parseClr(std::string_view content);
ClrReadResult readClrFile(const std::string& path);

/// Puts the read lines into the styles (channel 1 first); returns how many
/// channels changed. The channels after them keep their settings.
int applyClr(LineStyles& styles, const ClrReadResult& read);

/// What went wrong with a read, as the user is told it (UTF-8); empty for Ok.
std::string clrReadMessage(const ClrReadResult& read, const std::string& path);

/// Writes the 16 lines; false when the file cannot be created or written.
bool writeClrFile(const std::string& path, const LineStyles& styles);

/// `path` with ".clr" appended when its file name has no extension.
std::string withClrExtension(const std::string& path);

}  // namespace kvx::plot

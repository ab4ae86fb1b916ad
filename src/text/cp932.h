// CP932 (Japanese Windows code page) <-> UTF-8, through iconv.
// Texts from files stay CP932 bytes in the core; these convert at the edges.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvx::text {

/// Strict conversions: nothing when the input holds a byte sequence the
/// source encoding does not define or a character the target cannot hold.
std::optional<std::string> cp932ToUtf8(std::string_view cp932);
std::optional<std::string> utf8ToCp932(std::string_view utf8);

/// Lenient CP932 -> UTF-8 for display: undecodable bytes become U+FFFD.
std::string cp932ToUtf8Lossy(std::string_view cp932);

/// Lenient UTF-8 -> CP932 for writing user texts: characters CP932 lacks become '?'.
std::string utf8ToCp932Lossy(std::string_view utf8);

/// True when every byte is below 0x80: such a text reads the same in CP932
/// and UTF-8 (the yen sign and the overline are U+005C and U+007E to this
/// converter too).
bool isAscii(std::string_view s);

/// True for a CP932 lead byte (first byte of a two-byte character).
constexpr bool isCp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

/// The longest prefix of `s` of at most `maxBytes` bytes that does not cut a
/// two-byte character in half.
std::string_view truncateCp932(std::string_view s, std::size_t maxBytes);

}  // namespace kvx::text

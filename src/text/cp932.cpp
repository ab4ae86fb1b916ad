// iconv-backed CP932 conversions.
#include "text/cp932.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iconv.h>

namespace kvx::text {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (m_cd != reinterpret_cast<iconv_t>(-1)) iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input. On an invalid or unconvertible sequence, calls
    // onBad(out, in, left), which must consume at least one input byte or return false.
    template <typename OnBad>
    bool run(std::string_view input, std::string& out, OnBad onBad) {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) return false;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(input.data());
        std::size_t left = input.size();
        char buffer[1024];
        while (left > 0) {
            char* dst = buffer;
            std::size_t room = sizeof buffer;
            const std::size_t r = iconv(m_cd, &in, &left, &dst, &room);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (r == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG) continue;
                if (!onBad(out, in, left)) return false;
            }
        }
        char* dst = buffer;
        std::size_t room = sizeof buffer;
        iconv(m_cd, nullptr, nullptr, &dst, &room);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        return true;
    }

private:
    iconv_t m_cd;
};

// One converter per direction and thread, opened on first use: opening one
// loads the character tables, which cost more than converting a short text.
enum class Direction { ToUtf8, ToCp932 };

Converter& converter(Direction d) {
    thread_local Converter toUtf8("UTF-8", "CP932");
    thread_local Converter toCp932("CP932", "UTF-8");
    return d == Direction::ToUtf8 ? toUtf8 : toCp932;
}

std::optional<std::string> strict(Direction d, std::string_view s) {
    if (isAscii(s)) return std::string(s);
    std::string out;
    if (!converter(d).run(s, out, [](std::string&, char*&, std::size_t&) { return false; }))
        return std::nullopt;
    return out;
}

// Skips one undecodable character: the two bytes of a CP932 pair, else one byte.
std::size_t cp932BadLength(const char* in, std::size_t left) {
    return (left >= 2 && isCp932LeadByte(static_cast<unsigned char>(in[0]))) ? 2 : 1;
}

// Skips one UTF-8 character (lead byte plus its continuation bytes).
std::size_t utf8CharLength(const char* in, std::size_t left) {
    std::size_t n = 1;
    while (n < left && (static_cast<unsigned char>(in[n]) & 0xC0) == 0x80) ++n;
    return n;
}

}  // namespace

std::optional<std::string> cp932ToUtf8(std::string_view cp932) { return strict(Direction::ToUtf8, cp932); }

std::optional<std::string> utf8ToCp932(std::string_view utf8) { return strict(Direction::ToCp932, utf8); }

std::string cp932ToUtf8Lossy(std::string_view cp932) {
    if (isAscii(cp932)) return std::string(cp932);
    std::string out;
    converter(Direction::ToUtf8).run(cp932, out, [](std::string& o, char*& in, std::size_t& left) {
        const std::size_t n = cp932BadLength(in, left);
        o += "\xEF\xBF\xBD";
        in += n;
        left -= n;
        return true;
    });
    return out;
}

std::string utf8ToCp932Lossy(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    std::string out;
    converter(Direction::ToCp932).run(utf8, out, [](std::string& o, char*& in, std::size_t& left) {
        const std::size_t n = utf8CharLength(in, left);
        o += '?';
        in += n;
        left -= n;
        return true;
    });
    return out;
}

bool isAscii(std::string_view s) {
    // Thirty-two bytes at a time: a file of several megabytes is checked whole.
    std::size_t i = 0;
    for (; i + 32 <= s.size(); i += 32) {
        std::uint64_t words[4];
        std::memcpy(words, s.data() + i, sizeof words);
        if ((words[0] | words[1] | words[2] | words[3]) & 0x8080808080808080u) return false;
    }
    for (; i < s.size(); ++i)
        if (static_cast<unsigned char>(s[i]) >= 0x80) return false;
    return true;
}

std::string_view truncateCp932(std::string_view s, std::size_t maxBytes) {
    if (s.size() <= maxBytes) return s;
    std::size_t i = 0;
    while (i < maxBytes) {
        const std::size_t step = isCp932LeadByte(static_cast<unsigned char>(s[i])) ? 2 : 1;
        if (i + step > maxBytes) break;
        i += step;
    }
    return s.substr(0, i);
}

}  // namespace kvx::text

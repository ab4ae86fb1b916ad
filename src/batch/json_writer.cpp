// JSON output with two-space indentation, one element per line.
#include "batch/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kvx::batch {

void JsonWriter::separate() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first.empty()) {
        if (!m_first.back()) m_out += ',';
        m_first.back() = false;
        m_out += '\n';
        m_out.append(static_cast<std::size_t>(2 * m_depth), ' ');
    }
}

void JsonWriter::open(char c) {
    separate();
    m_out += c;
    m_first.push_back(true);
    ++m_depth;
}

void JsonWriter::close(char c) {
    const bool empty = m_first.back();
    m_first.pop_back();
    --m_depth;
    if (!empty) {
        m_out += '\n';
        m_out.append(static_cast<std::size_t>(2 * m_depth), ' ');
    }
    m_out += c;
    if (m_first.empty()) m_out += '\n';
}

JsonWriter& JsonWriter::beginObject() { open('{'); return *this; }
JsonWriter& JsonWriter::endObject() { close('}'); return *this; }
JsonWriter& JsonWriter::beginArray() { open('['); return *this; }
JsonWriter& JsonWriter::endArray() { close(']'); return *this; }

JsonWriter& JsonWriter::key(std::string_view name) {
    separate();
    writeString(name);
    m_out += ": ";
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::value(double v) {
    if (!std::isfinite(v)) return null();
    separate();
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    m_out.append(buffer, r.ptr);
    return *this;
}

JsonWriter& JsonWriter::value(int v) {
    separate();
    m_out += std::to_string(v);
    return *this;
}

JsonWriter& JsonWriter::value(bool v) {
    separate();
    m_out += v ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null() {
    separate();
    m_out += "null";
    return *this;
}

JsonWriter& JsonWriter::raw(std::string_view json) {
    separate();
    while (!json.empty() && json.back() == '\n') json.remove_suffix(1);
    m_out += json;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view s) {
    separate();
    writeString(s);
    return *this;
}

void JsonWriter::writeString(std::string_view s) {
    m_out += '"';
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': m_out += "\\\""; break;
        case '\\': m_out += "\\\\"; break;
        case '\n': m_out += "\\n"; break;
        case '\r': m_out += "\\r"; break;
        case '\t': m_out += "\\t"; break;
        default:
            if (c < 0x20) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", c);
                m_out += esc;
            } else {
                m_out += ch;
            }
        }
    }
    m_out += '"';
}

}  // namespace kvx::batch

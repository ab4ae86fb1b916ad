// A small streaming JSON writer: objects, arrays, strings, exact numbers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kvx::batch {

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    /// Shortest text that reads back as exactly this double; null when not finite.
    JsonWriter& value(double v);
    JsonWriter& value(int v);
    JsonWriter& value(std::string_view utf8);
    JsonWriter& value(const char* utf8) { return value(std::string_view(utf8)); }
    JsonWriter& value(bool v);
    JsonWriter& null();
    /// A value that is already JSON text (a nested document), inserted as it is.
    JsonWriter& raw(std::string_view json);

    const std::string& str() const { return m_out; }

private:
    void separate();
    void writeString(std::string_view s);
    void open(char c);
    void close(char c);

    std::string m_out;
    std::vector<bool> m_first;  // per open container: no element written yet
    bool m_afterKey = false;
    int m_depth = 0;
};

}  // namespace kvx::batch

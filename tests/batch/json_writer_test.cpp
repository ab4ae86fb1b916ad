// JSON output: structure, escaping, exact numbers.
#include "batch/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

using kvx::batch::JsonWriter;

TEST(JsonWriter, WritesNestedStructures) {
    JsonWriter j;
    j.beginObject().key("a").value(1).key("b").beginArray().value("x").value(true).null().endArray();
    j.key("e").beginArray().endArray().endObject();
    EXPECT_EQ(j.str(), "{\n  \"a\": 1,\n  \"b\": [\n    \"x\",\n    true,\n    null\n  ],\n  \"e\": []\n}\n");
}

TEST(JsonWriter, EscapesStringsAndKeepsUtf8) {
    JsonWriter j;
    j.beginArray().value("荷重 \"q\" \\ \n\t\x01").endArray();
    EXPECT_EQ(j.str(), "[\n  \"荷重 \\\"q\\\" \\\\ \\n\\t\\u0001\"\n]\n");
}

TEST(JsonWriter, NumbersReadBackExactly) {
    const double values[] = {0.0098000001162290573, 1.0 / 3.0, -1e-300, 123456789.125, 0.1};
    for (double v : values) {
        JsonWriter j;
        j.beginArray().value(v).endArray();
        const std::string s = j.str();
        EXPECT_EQ(std::strtod(s.c_str() + 4, nullptr), v) << s;
    }
    JsonWriter j;
    j.beginArray().value(std::nan("")).value(HUGE_VAL).endArray();
    EXPECT_EQ(j.str(), "[\n  null,\n  null\n]\n");
}

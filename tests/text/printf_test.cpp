// printf into std::string: texts shorter and longer than the stack buffer.
#include "text/printf.h"

#include <gtest/gtest.h>

#include <string>

TEST(Format, WholeTextAtEveryLengthAroundTheBuffer) {
    for (const int length : {0, 1, 254, 255, 256, 257, 4000}) {
        SCOPED_TRACE(length);
        const std::string expected = std::string(static_cast<std::size_t>(length), 'x');
        EXPECT_EQ(kvx::text::format("%s", expected.c_str()), expected);
        EXPECT_EQ(kvx::text::format("%*d|", length, 7), std::string(static_cast<std::size_t>(std::max(length, 1)) - 1, ' ') + "7|");
    }
    EXPECT_EQ(kvx::text::format("%.3f,%13.5e", 1.5, -2.0), "1.500, -2.00000e+00");
}

// Loop metrics and LOOP.CSV.
#include "analysis/loop_file.h"
#include "analysis/loop_metrics.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace kvx::analysis;

TEST(LoopMetrics, SquareLoopWorkedExample) {
    // (0,0), (2,0), (2,1), (0,1), (0,0) counter-clockwise.
    const std::vector<double> x{0, 2, 2, 0, 0}, y{0, 0, 1, 1, 0};
    const double area = loopArea(x, y, 0, 5);
    EXPECT_EQ(area, 2.0);
    const LoopValues v = loopValues(x, y, 0, 5, area);
    EXPECT_EQ(v.from, 1);
    EXPECT_EQ(v.to, 5);
    EXPECT_EQ(v.area, 2.0);
    EXPECT_EQ(v.W, 0.25f);
    ASSERT_TRUE(v.heq.has_value());
    EXPECT_NEAR(*v.heq, 0.6366, 5e-5);
    ASSERT_TRUE(v.K.has_value());
    EXPECT_EQ(*v.K, 0.5f);
    EXPECT_EQ(v.extremes.Ymax_x, 2.0);  // the first row with Y = 1
    EXPECT_EQ(v.extremes.Ymin_x, 0.0);
    // Clockwise: the same magnitude.
    const std::vector<double> cx{0, 0, 2, 2, 0}, cy{0, 1, 1, 0, 0};
    EXPECT_EQ(std::fabs(loopArea(cx, cy, 0, 5)), 2.0);
}

TEST(LoopMetrics, NoExtentNoDampingNoNaN) {
    const std::vector<double> x{0, 1, 2, 3}, y{5, 5, 5, 5};
    const LoopValues v = loopValues(x, y, 0, 4, loopArea(x, y, 0, 4));
    EXPECT_EQ(v.W, 0.0f);
    EXPECT_FALSE(v.heq.has_value());
    EXPECT_TRUE(dampingText(v).empty());
    EXPECT_FALSE(v.K.has_value());  // highest and lowest point are the same row
    EXPECT_EQ(LoopFile::line(v).find("nan"), std::string::npos);
}

TEST(LoopMetrics, ExtentStartsOneRowLaterThanTheExtremePoints) {
    // Row 0 holds the largest X; the extent ignores it, the extreme points (from max(s-1, 0)) see it.
    const std::vector<double> x{9, 1, 2, 1}, y{0, 1, -1, 0};
    const LoopExtent ext = loopExtent(x, y, 0, 4);
    EXPECT_EQ(ext.Xmax, 2.0f);
    const LoopValues v = loopValues(x, y, 0, 4, 0.0);
    EXPECT_EQ(v.extremes.Xmax_x, 9.0);
    // A loop of one row has no extent: the start values remain.
    EXPECT_EQ(loopExtent(x, y, 3, 4).Xmax, -1000000.0f);
}

TEST(LoopMetrics, PauseWindowTexts) {
    struct Case {
        double value;
        int precision, digits;
        const char* text;
    };
    const Case cases[] = {
        {2.0, 6, 2, "2.00"},          {0.63661977, 6, 3, "0.637"},  {0.5, 9, 6, "0.500000"},
        {12345.678, 6, 2, "12345.70"}, {-3.14159, 6, 2, "-3.14"},   {0.0, 6, 3, "0.000"},
        {1234567.0, 6, 2, "1.23457E+06"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(fixedText(c.value, c.precision, c.digits), c.text);
    }
}

TEST(LoopMetrics, AreaTextShowsThreeSignificantDigits) {
    // Loops of a record in kN·rad enclose a few 1e-4: "0.00" told the user nothing.
    struct Case {
        double area;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0.00"},           {0.000345678, "0.000346"}, {0.0007, "0.000700"}, {0.012345, "0.0123"},
        {0.5, "0.500"},          {0.999999, "1.000"},    {1.0, "1.00"},        {2.0, "2.00"},
        {123.456, "123.46"},     {1e-9, "0.00000000100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.area);
        LoopValues v;
        v.area = c.area;
        EXPECT_EQ(areaText(v), c.text);
    }
}

TEST(LoopFile, HeaderAndLinesByteForByte) {
    kvx::test::TempDir dir;
    LoopFile f;
    ASSERT_TRUE(f.open(dir.dir()));
    const std::vector<double> x{0, 2, 2, 0, 0}, y{0, 0, 1, 1, 0};
    ASSERT_TRUE(f.write(loopValues(x, y, 0, 5, loopArea(x, y, 0, 5))));
    // A loop without K is not written.
    const std::vector<double> fx{0, 1, 2, 3}, fy{5, 5, 5, 5};
    ASSERT_TRUE(f.write(loopValues(fx, fy, 0, 4, 0.0)));
    ASSERT_TRUE(f.close());
    const std::string expected =
        "1data,2data,3data,4data,5data,6data,7data,8data,9data,10data,11data,12data,13data,14data,15data,16data,17data\n"
        "FROM,TO,\x96\xca\x90\xcf,\x93\x99\x89\xbf\x8d\x84\x90\xab,\x93\x99\x89\xbf\x8c\xb8\x90\x8a\x94\xe4,"
        "Ymax_x,Ymax_y,Ymin_x,Ymin_y,Yave_x,Yave_y,Xmax_x,Xmax_y,Xmin_x,Xmin_y,Xave_x,Xave_y\n"
        ",,,,,,,,,,,,,,,,\n"
        " , , , , , , , , , , , , , , , , \n"
        "1,5,2.000000,0.500000,0.636620,2.000000,1.000000,0.000000,0.000000,1.000000,0.500000,"
        "2.000000,0.000000,0.000000,0.000000,1.000000,0.000000\n";
    EXPECT_EQ(kvx::test::readBytes(dir.file("LOOP.CSV")), expected);
}

TEST(LoopFile, UncreatableFileIsReported) {
    LoopFile f;
    EXPECT_FALSE(f.open("/nonexistent/dir/"));
    EXPECT_FALSE(f.isOpen());
}

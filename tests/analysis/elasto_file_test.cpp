// ELASTO.CSV: emptied and given its header when opened.
#include "analysis/elasto_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using kvx::analysis::ElastoFile;

TEST(ElastoFile, EmptiesAnOldFileAndWritesTheHeader) {
    kvx::test::TempDir dir;
    dir.write("ELASTO.CSV", "old rows\n");
    {
        ElastoFile f;
        ASSERT_TRUE(f.open(dir.dir()));
        EXPECT_TRUE(f.append("a,b\n"));
    }
    const std::string text = kvx::test::readBytes(dir.file("ELASTO.CSV"));
    EXPECT_EQ(text.rfind("Filename,Chan X,Chan Y,Pmax,Pmin,Pave,MaxD,MinD,PP120,", 0), 0u);
    EXPECT_NE(text.find(",PK,MPK,YP,MYP,Dv,MDv,Du,MDu\na,b\n"), std::string::npos);
    EXPECT_EQ(text.find("old"), std::string::npos);
    ElastoFile g;
    EXPECT_FALSE(g.open("/nonexistent/dir/"));
}

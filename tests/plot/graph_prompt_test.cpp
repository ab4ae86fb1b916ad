// The graph-area prompt before and after a file is read.
#include "plot/graph_prompt.h"

#include "plot/recording_canvas.h"

#include <gtest/gtest.h>

using namespace kvx::plot;

TEST(GraphPrompt, ClearsTheAreaAndAsksForTheNextButton) {
    for (const bool loaded : {false, true}) {
        RecordingCanvas c;
        drawGraphPrompt(c, loaded);
        ASSERT_EQ(c.calls.size(), 2u);
        EXPECT_EQ(c.calls[0].op, RecordingCanvas::Op::Rectangle);
        EXPECT_EQ(c.calls[0].points, (std::vector<Pixel>{{0, 0}, {600, 500}}));
        EXPECT_EQ(c.calls[0].brush.color, kWhite);
        const auto& t = c.calls[1];
        EXPECT_EQ(t.text, loaded ? "グラフボタンをクリックして下さい" : "ファイルボタンをクリックして下さい");
        EXPECT_EQ(t.points[0], (loaded ? Pixel{150, 250} : Pixel{100, 250}));
        EXPECT_EQ(t.font.size, 14);
        EXPECT_EQ(t.font.color, kBlack);
    }
}

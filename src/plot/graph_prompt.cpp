// Graph-area prompt.
#include "plot/graph_prompt.h"
#include "text/translate.h"

namespace kvx::plot {

void drawGraphPrompt(Canvas& canvas, bool dataLoaded, int frameLeft, int frameBottom) {
    canvas.setPen({kWhite, 1, PenStyle::Solid, PenMode::Copy});
    canvas.setBrush({kWhite, false});
    canvas.rectangle({0, frameBottom - 450}, {2 * frameLeft + 400, frameBottom + 50});
    Font font = canvas.font();
    font.size = 14;
    font.sizeInPixels = false;
    font.color = kBlack;
    canvas.setFont(font);
    if (dataLoaded)
        canvas.textOut({150, 250}, text::translate("kvx::plot", "グラフボタンをクリックして下さい"));
    else
        canvas.textOut({100, 250}, text::translate("kvx::plot", "ファイルボタンをクリックして下さい"));
}

}  // namespace kvx::plot

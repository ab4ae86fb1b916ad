// kurvadex-batch: the program's evaluations from a shell, without windows.
#include "app/qt_canvas.h"
#include "batch/batch_interaction.h"
#include "batch/batch_options.h"
#include "batch/batch_run.h"
#include "plot/null_canvas.h"

#include <QGuiApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Pictures need fonts, and fonts need a GUI application; without a display the
// offscreen platform renders exactly as the window would.
std::unique_ptr<QGuiApplication> guiForPictures(int& argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = kvx::batch::parseOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "kurvadex-batch: %s\n%s", parsed.error.c_str(), kvx::batch::usageText());
        return 2;
    }
    const kvx::batch::BatchOptions& options = *parsed.options;
    if (options.help) {
        std::fputs(kvx::batch::usageText(), stdout);
        return 0;
    }
    std::unique_ptr<QGuiApplication> gui;
    if (!options.image.empty()) gui = guiForPictures(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // after Qt, which sets the user's locale

    kvx::batch::BatchInteraction ia(options.continueWithoutForce);
    std::unique_ptr<kvx::plot::Canvas> canvas;
    if (gui) canvas = std::make_unique<kvx::app::QtCanvas>();
    else canvas = std::make_unique<kvx::plot::NullCanvas>();

    const auto result = kvx::batch::runBatch(options, ia, *canvas);
    if (result.exitCode == 0 && gui) {
        auto& qt = static_cast<kvx::app::QtCanvas&>(*canvas);
        if (!qt.image().save(QString::fromLocal8Bit(options.image.c_str()), "PNG")) {
            ia.message("画像ファイルを作成できませんでした\n" + options.image, "ファイル出力エラー", kvx::ui::Icon::Warning);
            return 1;
        }
    }
    std::fputs(result.output.c_str(), stdout);
    return result.exitCode;
}

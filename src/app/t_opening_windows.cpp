// The main window's commands that belong to other windows: help windows, and
// the hooks through which the graph output, the setting dialogs, the data
// windows and the wall evaluation are reached.
//
// Windows not yet in this program are reached through the hooks in the second
// half of this file. Each hook is where that window is shown; until it exists
// the command leaves the program's state as it is. Replace a hook's body when
// its window arrives; its callers already follow the window's protocol.
#include "app/controls.h"
#include "app/graph_image.h"
#include "app/help_windows.h"
#include "app/language.h"
#include "app/qt_image.h"
#include "app/qt_print.h"
#include "app/qt_text.h"
#include "output/bmp_writer.h"
#include "output/png_writer.h"
#include "output/print_page.h"
#include "app/t_cycles.h"
#include "app/t_data_list.h"
#include "app/t_henkan.h"
#include "app/t_kabe.h"
#include "app/t_series_summary.h"
#include "app/t_opening.h"
#include "app/t_settei.h"
#include "app/t_skelton_edit.h"
#include "app/t_taio.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>

#include <filesystem>

namespace kvx::app {
namespace {

void present(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

// Help windows -----------------------------------------------------------------------

void TOpening::Tutorial1Click() { present(m_usage); }
void TOpening::N13Click() { present(m_history); }
void TOpening::K1Click() { present(m_about); }

void TOpening::JapaneseClick() { switchLanguage(Language::Japanese); }
void TOpening::EnglishClick() { switchLanguage(Language::English); }

void TOpening::switchLanguage(Language language) {
    Japanese1->setChecked(language == Language::Japanese);
    English1->setChecked(language == Language::English);
    if (language == currentLanguage()) return;
    useLanguage(language);  // every bound text of every open window is set again
    rememberLanguage(language);
}
void TOpening::SeriesSummary1Click() { showSeriesSummary(); }
void TOpening::Cycles1Click() { showCycles(); }

// Commands ---------------------------------------------------------------------------

void TOpening::Button1Click() { printGraph(); }
void TOpening::Print1Click() { Button1Click(); }
void TOpening::Button5Click() { copyGraph(); }
void TOpening::K3Click() { copyGraph(); }
void TOpening::GraphSaveClick() { saveGraph(); }
void TOpening::N5Click() {
    m_state.graph.regionStart = 1;
    showDataRangeDialog();
}
void TOpening::Button8Click() { showDataList(); }
void TOpening::Button9Click() { showLineStyles(); }
void TOpening::N11Click() { showLineStyles(); }
void TOpening::BtnTaioClick() { showCorrespondence(); }
void TOpening::N14Click() { showConversion(); }
void TOpening::Button10Click() { showConversion(); }

// Hooks for windows of later work -------------------------------------------------------

void TOpening::copyGraph() { QGuiApplication::clipboard()->setImage(Image1->image()); }

/// Print command at the declared printer resolution: the graph drawn again on the page.
void TOpening::printGraph() {
    const plot::GraphOptions options = currentOptions();
    if (const auto refusal = output::refuseBeforeDialog(options)) {
        m_interaction->message(refusal->message, refusal->caption, ui::Icon::None);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(m_state.PrinterDpi);
    printer.setDocName(QStringLiteral("Kurvadex"));
    if (!m_printDialog(printer)) return;
    if (const auto refusal = output::refuseBeforeJob(m_state.data, options)) {
        m_interaction->message(refusal->message, refusal->caption, ui::Icon::None);
        return;
    }
    if (!printPage(printer, m_state.PrinterDpi, m_state.data, options, m_state.graph.lastFirst, m_state.graph.lastLast,
                   *m_interaction))
        m_interaction->message(trText(tx("TOpening", "印刷を開始できませんでした")),
                               trText(tx("TOpening", "印刷エラー")), ui::Icon::Warning);
}
/// Image save with m_saveFilter and the chosen PNG/BMP format.
void TOpening::saveGraph() {
    ui::FileDialogRequest request;
    request.title = trText(tx("TOpening", "グラフの保存"));
    request.filter = translated(m_saveFilter).toStdString();
    request.initialPath = m_state.DataDirectory;
    const auto chosen = m_interaction->chooseSaveFile(request);
    if (!chosen) return;
    const bool png = GIF1->isChecked();
    // Only a name without any extension gets one; "graph." keeps its dot.
    std::string path = *chosen;
    if (!std::filesystem::path(path).has_extension()) path += png ? ".png" : ".bmp";
    const output::RgbImage picture = toRgbImage(Image1->image());
    if (!(png ? output::writePng(path, picture) : output::writeBmp(path, picture)))
        m_interaction->message(trText(tx("TOpening", "画像ファイルを書き込めませんでした\n")) + path,
                               trText(tx("TOpening", "ファイル出力エラー")), ui::Icon::Warning);
}
/// Line style window (modeless).
void TOpening::showLineStyles() { m_settei->showFor(m_state.data.channelCount()); }
/// Data list window.
void TOpening::showDataList() { m_dataList->showList(); }
/// Channel correspondence window, to look at the correspondence or save the reduced file.
void TOpening::showCorrespondence() {
    m_taio->show();
    m_taio->raise();
}
/// Deformation-angle conversion window (modeless).
void TOpening::showConversion() { present(m_henkan); }
/// Wall evaluation window: true while its result file is open.
bool TOpening::wallResultFileOpen() const { return m_kabe->model().fileOpen(); }
/// Wall evaluation window: closes its result file as its close command does.
void TOpening::closeWallResultFile() { m_kabe->Button5Click(); }
/// Series summary: the rows the wall window wrote in this session and its L;
/// without such rows the window as it was (empty until a file is opened).
void TOpening::showSeriesSummary() {
    if (!m_kabe->writtenRows().empty())
        m_summary->showWrittenRows(m_kabe->writtenRows(), m_kabe->model().headerText(),
                                   QString::fromStdString(m_kabe->model().text("Edit10")));
    present(m_summary);
}

/// Cycle evaluation window: shown, it evaluates the graph as it is now; already
/// on screen, the menu evaluates it again.
void TOpening::showCycles() {
    if (m_cycles->isVisible()) m_cycles->Button1Click();
    present(m_cycles);
}

CycleRecord TOpening::cycleRecord() const {
    CycleRecord r;
    r.drawn = m_state.DataLoaded && m_state.graph.drewSomething;
    r.x = recordX();
    r.y = recordY();
    const auto unit = [](const std::string& cp932) {
        QString u = fromCp932(cp932).trimmed();
        if (u.startsWith(QLatin1Char('[')) && u.endsWith(QLatin1Char(']'))) u = u.mid(1, u.size() - 2).trimmed();
        return toUtf8(u);
    };
    r.units = {unit(m_state.graph.frame.YUnit), unit(m_state.graph.frame.XUnit)};
    const plot::SkeletonState& s = m_state.graph.skeleton;
    if (s.evaluated && plot::sameRecord(s.record, r.x, r.y)) {
        r.japanesePlus = s.plus;
        r.japaneseMinus = s.minus;
        if (m_editor->evaluation()) r.editor = *m_editor->evaluation();
    }
    r.folder = m_state.DataDirectory;
    return r;
}

/// After every Graph command: the cycle window's curves, when its boxes ask for
/// them and the graph is of the whole record or a region.
void TOpening::drawCyclesOverlay() {
    const auto mode = static_cast<plot::DisplayMode>(displayMode());
    const bool wholeRecord =
        m_state.graph.drewSomething && (mode == plot::DisplayMode::All || mode == plot::DisplayMode::Region);
    m_cycles->graphDrawn(wholeRecord ? &Image1->canvas() : nullptr, {m_state.graph.frame, m_state.graph.place});
}

/// A box of the cycle window changed: the graph again through the Graph
/// command, which draws the curves after it. Step and loop views run with
/// pauses and show no curves, so they are left as they are.
void TOpening::redrawForCycles() {
    const auto mode = static_cast<plot::DisplayMode>(displayMode());
    if (!m_state.graph.drewSomething || mode == plot::DisplayMode::Step || mode == plot::DisplayMode::Loop) return;
    Button4Click();
}

}  // namespace kvx::app

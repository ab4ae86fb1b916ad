// Main window lifecycle: construction, start-up, channel boxes, exit.
#include "app/t_opening.h"

#include "app/channel_box.h"
#include "app/controls.h"
#include "app/graph_image.h"
#include "app/help_windows.h"
#include "app/qt_canvas.h"
#include "app/qt_text.h"
#include "app/radio_group.h"
#include "app/series_report.h"
#include "app/t_coeff.h"
#include "app/t_cycles.h"
#include "app/t_data_list.h"
#include "app/t_henkan.h"
#include "app/t_settei.h"
#include "app/t_form1.h"
#include "app/t_form3.h"
#include "app/t_scale.h"
#include "app/t_taio.h"
#include "app/t_kabe.h"
#include "app/t_series_summary.h"
#include "app/t_skelton_edit.h"
#include "plot/graph_prompt.h"
#include "text/printf.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

#include <algorithm>

namespace kvx::app {
namespace {

constexpr int kClientWidth = 1008;
constexpr int kClientHeight = 602;

// The first `rows` values of a work array, never past its end.
std::span<const double> firstRows(const std::vector<double>& values, int rows) {
    return std::span<const double>(values).first(
        static_cast<std::size_t>(std::clamp(rows, 0, static_cast<int>(values.size()))));
}

}  // namespace

TOpening::TOpening(ui::Interaction& interaction, QWidget* parent)
    : QMainWindow(parent), m_interaction(&interaction) {
    setObjectName(QStringLiteral("Opening"));
    setWindowTitle(QStringLiteral("KVX Graph Plot  KURVADEX Ver4.33"));
    QFont windowFont(fontFamilyFor(plot::kPGothic));
    windowFont.setPixelSize(12);
    setFont(windowFont);
    buildControls();
    buildMenu();
    connectSignals();
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());

    m_pauseWindow = new TForm1(this);
    connect(m_pauseWindow, &TForm1::copyRequested, this, &TOpening::copyGraph);
    m_coeff = new TCoeff(this);
    connect(m_coeff, &TCoeff::guideLinesChanged, this, &TOpening::Button4Click);
    m_editor = new TSkelton_edit(*this, interaction, this);
    m_kabe = new TKabe(*this, interaction, this);
    m_summary = new TSeriesSummary(interaction, [this] { return m_state.forceUnit; }, this);
    m_taio = new TTaio(interaction, this);
    m_cycles = new TCycles([this] { return cycleRecord(); }, interaction, this);
    connect(m_cycles, &TCycles::overlayChanged, this, &TOpening::redrawForCycles);
    createDataWindows();
    createSettingWindows();
    m_printDialog = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    connect(m_editor, &TSkelton_edit::wallHandOff, m_kabe, &TKabe::storeHandOff);
    connect(m_editor, &TSkelton_edit::wallEvaluationRequested, m_kabe, &TKabe::Button1Click);
    connect(m_kabe, &TKabe::summaryRequested, this, &TOpening::showSeriesSummary);
    m_summary->setPrintDialog([this](QPrinter& printer) { return m_printDialog(printer); });
    // The report: each specimen's data file is looked for beside the wall
    // result file, then in the data folder, and evaluated again for its page.
    connect(m_summary, &TSeriesSummary::reportRequested, this, [this](const QString& path) {
        const QCursor wait(Qt::WaitCursor);
        QApplication::setOverrideCursor(wait);
        const SeriesReportOutcome r =
            writeSeriesReport(toPath(path), m_summary->checkedRows(), m_summary->summary(), m_state.forceUnit,
                              toUtf8(m_summary->EditL->text()), {m_summary->folder(), m_state.DataDirectory});
        QApplication::restoreOverrideCursor();
        if (!r.written) {
            m_interaction->message(trText(tx("TOpening", "報告書を書き込めませんでした\n")) + toPath(path),
                                   trText(tx("TOpening", "ファイル出力エラー")), ui::Icon::Warning);
            return;
        }
        std::string note =
            trFormat(tx("TOpening", "報告書を書き出しました（試験体 %d ページと集計）\n"), r.specimenPages).toStdString() +
            toPath(path);
        if (!r.missing.empty()) {
            note += trText(tx("TOpening", "\n\nデータファイルが見つからないため、次の試験体のページはありません:"));
            for (const auto& name : r.missing) note += "\n  " + name;
        }
        m_interaction->message(note, trText(tx("TOpening", "報告書")), ui::Icon::Information);
    });
    // The editor's "閉じる" shows its result on the graph. The Graph command's
    // skeleton evaluation would rebuild the skeleton from the record and drop
    // the edits, so the graph is drawn without it and the edited points and
    // their model go over it. A skeleton belongs to the all-data and region
    // views: in step and loop modes the graph is left as it is.
    connect(m_editor, &TSkelton_edit::closedWithEvaluation, this, [this](const analysis::EditorEvaluation& e) {
        plot::GraphOptions o = currentOptions();
        if (o.mode == plot::DisplayMode::Step || o.mode == plot::DisplayMode::Loop) return;
        o.skeleton = false;
        plot::runGraphCommand(m_state.data, o, m_state.graph, Image1->canvas(), *m_interaction, *this);
        if (m_state.graph.drewSomething)
            plot::drawEditedSkeleton(Image1->canvas(), {m_state.graph.frame, m_state.graph.place},
                                     m_state.graph.skeleton.curve, e);
        drawCyclesOverlay();
        Image1->update();
    });
    m_usage = new TUsage(this);
    m_history = new THistory(this);
    m_about = new TAbout(this);

    // Texts that follow the state: computed again in the new language.
    setStatus(tx("TOpening", "ファイルボタンをクリックしてデータファイルを読み込んでください"));
    onLanguageChange(this, [this] {
        updateMainChannelCaptions();
        if (m_state.DataLoaded) fillHeaderGrid();
        // The prompt on the picture is the core's text; a graph stays as drawn.
        if (m_promptShown) drawPrompt();
    });
}

TOpening::~TOpening() = default;

void TOpening::setInteraction(ui::Interaction& interaction) {
    m_interaction = &interaction;
    m_editor->setInteraction(interaction);
    m_kabe->setInteraction(interaction);
    m_summary->setInteraction(interaction);
    m_taio->setInteraction(interaction);
    m_cycles->setInteraction(interaction);
    m_dataList->setInteraction(interaction);
    m_henkan->setInteraction(interaction);
    m_settei->setInteraction(interaction);
    m_scale->setInteraction(interaction);
    m_form3->setInteraction(interaction);
}

bool TOpening::FormCreate() {
    // 1-2: the data tables are allocated zero-filled with the state; defaults.
    m_state = OpeningState{};
    m_saveFilter = tx("TOpening", "PNG ﾌｧｲﾙ (*.png)|*.png|BMP ﾌｧｲﾙ (*.bmp)|*.bmp|すべて (*.*)|*.*");

    // 3: the picture's own font; no graph until the channel boxes are set.
    plot::Font canvasFont;
    canvasFont.face = "ＭＳ　ゴシック";
    canvasFont.size = 14;
    canvasFont.bold = true;
    Image1->canvas().setFont(canvasFont);
    Button4->setEnabled(false);
    Button1->setEnabled(false);

    chooseForceUnit(data::ForceUnit::kN);  // 4
    updateMainChannelCaptions();           // 5
    EnableChannels(0);                     // 6
    Label4->setText(QStringLiteral("3"));  // 7
    Label4->setText(QString());

    // 8: centred on the screen, each division truncated.
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }

    // 9
    m_state.graph.regionStart = 1;  // DisplayRange
    m_state.graph.regionEnd = 200;
    CheckBox33->setChecked(false);
    m_state.scaleValues = {50.0, 50.0};
    m_state.automaticTitle = true;

    // 10: DataDirectory is still empty, so this is the current directory's file.
    if (!m_elasto.open(m_state.DataDirectory)) {
        m_interaction->message(trText(tx("TOpening", "ELASTO.CSVが閉じられていません（使用中です）")),
                               trText(tx("TOpening", "ファイル出力エラー")), ui::Icon::Warning);
        return false;
    }

    // 11
    m_state.lineStyles.reset();
    colorChannelBoxes(16);
    return true;
}

void TOpening::EnableChannels(int n) {
    colorChannelBoxes(n);
    for (int k = 1; k <= 16; ++k) {
        channelBox(k)->setChecked(false);
        channelBox(k)->setEnabled(false);
    }
    if (n >= 1 && n <= 16)
        for (int k = 1; k <= n; ++k) channelBox(k)->setEnabled(true);
    Button4->setEnabled(true);
    Button1->setEnabled(true);
}

void TOpening::colorChannelBoxes(int n) {
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (int k = 1; k <= 16; ++k) channelBox(k)->setColors(face, Qt::black);
    if (n < 1 || n > 16) return;
    for (int k = 1; k <= n; ++k) {
        const plot::Rgb c = m_state.lineStyles.ChannelColors[static_cast<std::size_t>(k - 1)];
        channelBox(k)->setColors(QColor(c.r, c.g, c.b), plot::hasDarkCaption(k) ? Qt::black : Qt::white);
    }
}

void TOpening::Button4Click() {
    m_promptShown = false;
    plot::runGraphCommand(m_state.data, currentOptions(), m_state.graph, Image1->canvas(), *m_interaction, *this);
    // The characteristics window always shows what the last evaluation left.
    m_coeff->render(m_state.graph.skeleton.labels, m_state.graph.skeleton.coefficientRows);
    if (m_state.graph.drewSomething) showNextStep();
    drawCyclesOverlay();
    Image1->update();
}

void TOpening::showNextStep() {
    // A note on how an imported file was read stays until the next file.
    if (m_keepStatusNote) return;
    const int mode = displayMode();
    if (mode == 1 || mode == 2)
        setStatus(tx("TOpening", "「次へ」「戻る」で進みます。「ファイル出力」にチェックすると結果を保存します"));
    else if (!SkeltonCheck->isChecked())
        setStatus(tx("TOpening", "グラフをクリックすると点の値を表示します。「骨格曲線」で特性値を求めます"));
    else
        setStatus(tx("TOpening", "「完全弾塑性」でモデル、「データ編集」で骨格曲線の編集と壁倍率評価ができます"));
}

void TOpening::setStatus(Text text) { setLiveText(Label2, "text", text); }
void TOpening::setStatus(std::function<QString()> text) { setLiveText(Label2, "text", std::move(text)); }

plot::GraphOptions TOpening::currentOptions() const {
    plot::GraphOptions o;
    o.dataLoaded = m_state.DataLoaded;
    o.mode = static_cast<plot::DisplayMode>(displayMode());
    o.mainChannel = mainChannel();
    o.mainOnX = !mainOnY();
    for (int k = 1; k <= 16; ++k) {
        o.channelChecked[static_cast<std::size_t>(k - 1)] = channelBox(k)->isChecked();
        o.signInverted[static_cast<std::size_t>(k - 1)] = signBox(k)->isChecked();
    }
    o.smooth = CBSmooth->isChecked();
    o.SmoothingSize = m_state.SmoothingSize;
    o.StepSize = m_state.StepSize;
    o.MarkInterval = m_state.MarkInterval;
    o.marks = CBCircle->isChecked();
    o.envelope = CBEnvelope->isChecked();
    o.fixedAxes = CBFixed->isChecked();
    o.fileOutput = CBFile->isChecked();
    o.skeleton = SkeltonCheck->isChecked();
    o.legend = CBExp->isChecked();
    o.minMax = {CBMax1->isChecked(), CBMax2->isChecked(), CBMax3->isChecked(), CBMax4->isChecked()};
    o.colorDisplay = m_state.ColorDisplay;
    o.boldAll = CBBold->isChecked();
    o.judgment = Extrema->isChecked()    ? plot::LoopJudgment::ExtremaPlus
                 : ExtremaM->isChecked() ? plot::LoopJudgment::ExtremaMinus
                                         : plot::LoopJudgment::ZeroLevel;
    plot::FrameOptions& f = o.frame;
    f.originCentred = !firstQuadrant();
    f.autoScale = m_state.automaticScale;
    f.ManualXStep = m_state.scaleValues[0];
    f.ManualYStep = m_state.scaleValues[1];
    f.autoTitle = m_state.automaticTitle;
    f.manualGraphTitle = m_state.manualTitles[0];
    f.manualXTitle = m_state.manualTitles[1];
    f.manualYTitle = m_state.manualTitles[2];
    f.showTitle = CBTitle->isChecked();
    f.fullScale = CBScaled->isChecked();
    f.angleLabels = CBRad->isChecked();
    f.angleLabelsBelow = CheckBox36->isChecked();
    f.angleLabelsAbove = CheckBox37->isChecked();
    f.mainOnX = o.mainOnX;
    f.mainChannel = o.mainChannel;
    f.dataFileBaseName = m_state.baseName;
    o.styles = m_state.lineStyles;
    o.legendPosition = m_state.LegendPosition;
    o.resultDirectory = m_state.DataDirectory;
    o.dataFileName = m_state.DataFileName;
    o.editSkeleton = SKEdit->isChecked();
    o.wallEvaluation = CBKabe->isChecked();
    o.elastoPlastic = PFPCheck->isChecked();
    o.guideLines = m_coeff->guideLines();
    o.ApproximationDegree = m_state.ApproximationDegree;
    return o;
}

// The Graph command's view of this window.

void TOpening::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TOpening::showRowLabel(const std::string& text) {
    setLiveText(Label5, "text", [text] { return rowRangeText(text); });
}

void TOpening::uncheckForStepAndLoop() {
    // Set without their click handlers: no nested Graph command.
    for (QCheckBox* box : {CBEnvelope, SkeltonCheck, SKEdit, PFPCheck}) box->setChecked(false);
}

void TOpening::uncheckFileOutput() { CBFile->setChecked(false); }

void TOpening::pictureChanged() { Image1->repaint(); }

bool TOpening::alwaysCopyOnPause() const { return m_pauseWindow->CheckBox1->isChecked(); }

void TOpening::copyPictureToClipboard() { copyGraph(); }

void TOpening::setEditorWallButton(bool enabled) {
    // Every skeleton evaluation passes here first: remember what its record is.
    m_skeletonContext = currentSkeletonContext();
    m_editor->Button4->setEnabled(enabled);
}

void TOpening::showEditor() { m_editor->FormShow(); }

void TOpening::storeReplaced() {
    // Markers drawn for the old points would be what the user edits, not the store.
    if (m_editor->isVisible()) m_editor->FormShow();
}

SkeletonContext TOpening::currentSkeletonContext() const {
    SkeletonContext c;
    const auto stripped = [](const std::string& unit) {
        const std::size_t first = unit.find_first_not_of(' ');
        return first == std::string::npos ? std::string() : unit.substr(first);
    };
    c.units = {stripped(m_state.graph.frame.YUnit), stripped(m_state.graph.frame.XUnit)};
    c.firstQuadrant = firstQuadrant();
    // The channels the last skeleton was taken from (the last display channel's pass).
    const int xChannel = std::max(m_state.graph.skeleton.xChannel, 1);
    const int yChannel = std::max(m_state.graph.skeleton.yChannel, 1);
    const auto polarity = [this](int channel) { return signBox(channel)->isChecked() ? -1 : 1; };
    c.source = {m_state.baseName, xChannel, polarity(xChannel), polarity(yChannel)};
    c.forceUnit = m_state.forceUnit;
    return c;
}

std::span<const double> TOpening::recordX() const { return firstRows(m_state.graph.X, m_state.data.RowCount); }
std::span<const double> TOpening::recordY() const { return firstRows(m_state.graph.Y, m_state.data.RowCount); }

void TOpening::showCharacteristics() {
    m_coeff->render(m_state.graph.skeleton.labels, m_state.graph.skeleton.coefficientRows);
    m_coeff->show();
    m_coeff->raise();
}

void TOpening::GraphButton() { drawPrompt(); }

void TOpening::drawPrompt() {
    m_promptShown = true;
    plot::drawGraphPrompt(Image1->canvas(), m_state.DataLoaded);
    Image1->update();
}

void TOpening::Button3Click() {
    if (wallResultFileOpen()) {
        const ui::Answer answer =
            m_interaction->ask(trText(tx("TOpening", "出力ファイルが閉じられていません．ファイルを閉じてから終了しますか？　")),
                               "Kurvadex",
                               ui::Buttons::OkCancel, ui::Icon::Warning);
        if (answer != ui::Answer::Ok) return;
        closeWallResultFile();
        m_elasto.close();
        endProgram();
        return;
    }
    if (m_interaction->ask(trText(tx("TOpening", "終了してもよろしいですか")), "Kurvadex", ui::Buttons::YesNo, ui::Icon::None) !=
        ui::Answer::Yes)
        return;
    // Before the first open there is no data folder and none of our temporary
    // files exist; deleting "_tmp.csv" from the current folder could remove a
    // file this program never wrote.
    if (!m_state.DataDirectory.empty()) data::deleteTemporaryFiles(m_state.DataDirectory);
    m_elasto.close();
    endProgram();
}

void TOpening::Exit1Click() { Button3Click(); }

void TOpening::endProgram() {
    m_ended = true;
    emit programEnded();
    QCoreApplication::exit(0);  // no effect when no event loop runs (tests)
}

void TOpening::closeEvent(QCloseEvent* event) {
    // The window frame ends the program at once: no question, temporary files stay.
    event->accept();
    m_elasto.close();
    QCoreApplication::exit(0);
}

void TOpening::updateMainChannelCaptions() {
    const bool mainOnYAxis = RGmainaxis->itemIndex() == 1;
    const QString mainTitle = translated(tx("TOpening", "主軸チャンネル"));
    const QString shownTitle = translated(tx("TOpening", "表示チャンネル"));
    RGmainch->setTitle(mainOnYAxis ? mainTitle : shownTitle);
    GBselectch->setTitle(mainOnYAxis ? shownTitle : mainTitle);
}

bool TOpening::firstQuadrant() const { return CheckBox33->isChecked(); }
bool TOpening::automaticScaleChecked() const { return CheckBox34->isChecked(); }
bool TOpening::automaticTitleChecked() const { return CheckBox35->isChecked(); }
int TOpening::displayMode() const { return RGStep->itemIndex(); }
int TOpening::mainChannel() const { return RGmainch->itemIndex() + 1; }
bool TOpening::mainOnY() const { return RGmainaxis->itemIndex() == 1; }

data::DataFileFormat TOpening::dataFileFormat() const {
    if (generic1->isChecked()) return data::DataFileFormat::Generic;
    if (txt1->isChecked()) return data::DataFileFormat::SokkiTxt;
    if (csv2->isChecked()) return data::DataFileFormat::SokkiCsv;
    return data::DataFileFormat::StandardCsv;
}

}  // namespace kvx::app

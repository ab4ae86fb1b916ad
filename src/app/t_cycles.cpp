// Cycle evaluation window: layout, rendering of what the core computed, and
// the commands that copy, save and ask for the curves over the main graph.
#include "app/t_cycles.h"

#include "app/controls.h"
#include "app/language.h"
#include "app/qt_canvas.h"
#include "app/qt_text.h"
#include "data/open_data_file.h"
#include "text/translate.h"
#include "text/replacing_file.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kvx::app {
namespace {

constexpr int kPlotWidth = 340;
constexpr int kPlotHeight = 220;
constexpr int kSideColumns = plot::kComparisonColumns;
const QColor kMessageColour(0xA0, 0x00, 0x00);

// The comparison's headings, method names, refusals and notes go onto the
// report's pages too, which keep them in Japanese: the window translates them
// where it shows them.
const Text kComparisonTexts[] = {
    tx("TCycles", "降伏耐力"),
    tx("TCycles", "降伏変形"),
    tx("TCycles", "終局変形"),
    tx("TCycles", "塑性率"),
    tx("TCycles", "終局耐力 Pu"),
    tx("TCycles", "日本 (完全弾塑性)"),
    tx("TCycles", "日本 (骨格編集)"),
    tx("TCycles", "このグラフでは評価していません（「骨格曲線」と「完全弾塑性」を選んでグラフを描くと求めます）"),
    tx("TCycles", "骨格曲線の編集では正側だけを評価します"),
    tx("TCycles", "* 荷重が最大の 8 割まで下がらないため、包絡線の最後の点を終局変形としています"),
    tx("TCycles", "† 等しいエネルギーの解がないため、Pyield = 0.85 Ppeak としています"),
    tx("TCycles", "最大荷重が正になりません"),
    tx("TCycles", "0.4 Ppeak の変形が正にならず、弾性剛性 ke が求まりません"),
    tx("TCycles", "降伏変形が正にならず、塑性率が求まりません"),
    tx("TCycles", "0.4 Fmax に達する点がありません"),
    tx("TCycles", "0.1 Fmax と 0.4 Fmax の点を結ぶ直線の勾配が正になりません"),
    tx("TCycles", "対応する点が見つかりません"),
    tx("TCycles", "平行する接線が見つかりません"),
    tx("TCycles", "降伏耐力は求まりません"),
    tx("TCycles", "最大荷重を超えて8割以下に耐力が低下する点を見つけられませんでした.\n該当する点を追加してください．"),
};
// Those with a count in them.
const Text kComparisonFormats[] = {
    tx("TCycles", "振幅レベルの点が %d 点しかありません（2 点以上が必要です）"),
};

QString shownText(const std::string& source) {
    for (const Text& t : kComparisonTexts)
        if (source == t.source) return app::translated(t);
    // A heading with its unit, "降伏耐力 [kN]": the unit is the data file's.
    if (const auto at = source.find(" ["); at != std::string::npos)
        for (const Text& t : kComparisonTexts)
            if (source.compare(0, at, t.source) == 0)
                return app::translated(t) + fromUtf8(std::string_view(source).substr(at));
    for (const Text& t : kComparisonFormats)
        if (auto shown = retranslatedCount(t, source)) return *shown;
    // Any other reason of the evaluation's own, from the core's catalogue.
    return fromUtf8(text::translate("kvx::analysis", source.c_str()));
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QTableWidget* makeTable(QWidget* parent, const char* name) {
    auto* t = new QTableWidget(parent);
    t->setObjectName(QLatin1String(name));
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setTextElideMode(Qt::ElideNone);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(22);
    return t;
}

// Units read better under a heading than beside it in a narrow column.
QStringList headingLabels(const std::vector<std::string>& headings) {
    QStringList out;
    for (const auto& h : headings) out << fromUtf8(h).replace(QStringLiteral(" ["), QStringLiteral("\n["));
    return out;
}

void fill(QTableWidget* t, const std::vector<std::string>& headings, const std::vector<std::vector<std::string>>& rows) {
    t->clear();
    t->setColumnCount(static_cast<int>(headings.size()));
    t->setRowCount(static_cast<int>(rows.size()));
    t->setHorizontalHeaderLabels(headingLabels(headings));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto& texts = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(texts.size()); ++c)
            t->setItem(r, c, cell(fromUtf8(texts[static_cast<std::size_t>(c)])));
    }
    t->resizeColumnsToContents();
}

QString colourMark(plot::Rgb c) {
    return QStringLiteral("<span style=\"color:#%1\">━━</span>").arg(c.hex(), 6, 16, QLatin1Char('0'));
}

}  // namespace

/// One small plot drawn through the canvas, shown pixel for pixel.
class CyclePlotView : public QWidget {
public:
    CyclePlotView(QWidget* parent, const char* name) : QWidget(parent), m_canvas(kPlotWidth, kPlotHeight) {
        setObjectName(QLatin1String(name));
        setFixedSize(kPlotWidth, kPlotHeight);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void draw(const plot::CyclePlot& p) {
        plot::drawCyclePlot(m_canvas, p, {{0, 0}, {kPlotWidth, kPlotHeight}});
        update();
    }
    const QImage& image() { return m_canvas.image(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, m_canvas.image());
    }

private:
    QtCanvas m_canvas;
};

TCycles::TCycles(std::function<CycleRecord()> record, ui::Interaction& interaction, QWidget* parent)
    : QDialog(parent), m_record(std::move(record)), m_interaction(&interaction) {
    setObjectName(QStringLiteral("TCycles"));
    bindText(this, "windowTitle", tx("TCycles", "サイクル評価"));
    setModal(false);
    buildControls();
    resize(1080, 940);
    // The tables, the status and the comparison are texts made from the evaluation: made again in the new language.
    onLanguageChange(this, [this] { render(); });
}

void TCycles::buildControls() {
    auto* page = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* toleranceCaption = new QLabel(this);
    bindText(toleranceCaption, "text", tx("TCycles", "振幅の許容差"));
    top->addWidget(toleranceCaption);
    EditTolerance = new QDoubleSpinBox(this);
    EditTolerance->setObjectName(QStringLiteral("EditTolerance"));
    EditTolerance->setRange(0.01, 0.5);
    EditTolerance->setSingleStep(0.01);
    EditTolerance->setDecimals(2);
    EditTolerance->setValue(0.10);
    bindText(EditTolerance, "toolTip", tx("TCycles", "最初の振幅との差がこの割合以内のサイクルを同じ振幅レベルにします"));
    top->addWidget(EditTolerance);
    Button1 = makeButton(this, QStringLiteral("Button1"), QString(), {});
    bindText(Button1, "text", tx("TCycles", "再計算"));
    Button1->setMinimumWidth(100);
    top->addWidget(Button1);
    top->addSpacing(12);
    StatusLabel = makeLabel(this, QStringLiteral("StatusLabel"), QString(), {});
    StatusLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    top->addWidget(StatusLabel, 1);
    page->addLayout(top);

    const auto caption = [this](const char* name, Text text) {
        QLabel* label = makeLabel(this, QLatin1String(name), QString(), {});
        bindText(label, "text", text);
        return label;
    };
    page->addWidget(caption("CycleCaption", tx("TCycles", "サイクル")));
    CycleTable = makeTable(this, "CycleTable");
    page->addWidget(CycleTable, 3);
    page->addWidget(caption("LevelCaption", tx("TCycles", "振幅レベル（ΔF: 1 回目から 3 回目への耐力低下）")));
    LevelTable = makeTable(this, "LevelTable");
    page->addWidget(LevelTable, 2);

    auto* plots = new QHBoxLayout;
    const char* names[] = {"EnergyPlot", "StiffnessPlot", "DampingPlot"};
    for (std::size_t i = 0; i < m_plots.size(); ++i) {
        m_plots[i] = new CyclePlotView(this, names[i]);
        plots->addWidget(m_plots[i]);
    }
    plots->addStretch(1);
    page->addLayout(plots);

    page->addWidget(caption("ComparisonCaption", tx("TCycles", "日本の評価と他の規準（各側の絶対値）")));
    ComparisonTable = makeTable(this, "ComparisonTable");
    ComparisonTable->setWordWrap(true);
    ComparisonTable->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    page->addWidget(ComparisonTable);
    Notes = makeLabel(this, QStringLiteral("Notes"), QString(), {});
    Notes->setWordWrap(true);
    page->addWidget(Notes);

    auto* bottom = new QHBoxLayout;
    CheckEnvelope = new QCheckBox(this);
    CheckEnvelope->setObjectName(QStringLiteral("CheckEnvelope"));
    bindText(CheckEnvelope, "text", tx("TCycles", "包絡線"));
    CheckBilinear = new QCheckBox(this);
    CheckBilinear->setObjectName(QStringLiteral("CheckBilinear"));
    bindText(CheckBilinear, "text", tx("TCycles", "等価バイリニア"));
    auto* overlayCaption = new QLabel(this);
    bindText(overlayCaption, "text", tx("TCycles", "グラフに重ねる:"));
    bottom->addWidget(overlayCaption);
    bottom->addWidget(CheckEnvelope);
    bottom->addWidget(CheckBilinear);
    auto* legend = makeLabel(this, QStringLiteral("OverlayLegend"), QString(), {});
    legend->setTextFormat(Qt::RichText);
    onLanguageChange(legend, [legend] {
        legend->setText(colourMark(plot::kEnvelopeOverlay) + app::translated(app::tx("TCycles", " 包絡線　")) +
                        colourMark(plot::kEeepOverlay) + app::translated(app::tx("TCycles", " ASTM E2126 (EEEP)　")) +
                        colourMark(plot::kEnOverlay) + QStringLiteral(" EN 12512"));
    });
    bottom->addSpacing(12);
    bottom->addWidget(legend);
    bottom->addStretch(1);
    Button2 = makeButton(this, QStringLiteral("Button2"), QString(), {});
    bindText(Button2, "text", tx("TCycles", "コピー"));
    Button3 = makeButton(this, QStringLiteral("Button3"), QString(), {});
    bindText(Button3, "text", tx("TCycles", "ファイル保存"));
    Button4 = makeButton(this, QStringLiteral("Button4"), QString(), {});
    bindText(Button4, "text", tx("TCycles", "閉じる"));
    for (QPushButton* b : {Button2, Button3, Button4}) {
        b->setMinimumWidth(100);
        bottom->addWidget(b);
    }
    page->addLayout(bottom);

    connect(Button1, &QPushButton::clicked, this, &TCycles::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TCycles::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TCycles::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::close);
    connect(CheckEnvelope, &QCheckBox::toggled, this, &TCycles::overlayChanged);
    connect(CheckBilinear, &QCheckBox::toggled, this, &TCycles::overlayChanged);
}

void TCycles::showEvent(QShowEvent* event) {
    // Shown again from the menu, not restored from an icon: the graph may be another one by now.
    if (!event->spontaneous()) Button1Click();
    QDialog::showEvent(event);
}

void TCycles::Button1Click() {
    const CycleRecord r = m_record();
    m_evaluated = r.drawn && !r.x.empty() && !r.y.empty();
    m_stale = false;
    m_x.assign(r.x.begin(), r.x.end());
    m_y.assign(r.y.begin(), r.y.end());
    m_units = r.units;
    m_folder = r.folder;
    m_cycles = {};
    m_codes = {};
    m_comparison = {};
    if (m_evaluated) {
        m_cycles = analysis::analyzeCycles(m_x, m_y, EditTolerance->value());
        m_codes = analysis::evaluateCodes(m_x, m_y, m_cycles);
        m_comparison = plot::compareMethods(r.japanesePlus, r.japaneseMinus, r.editor ? &*r.editor : nullptr, m_codes);
    }
    render();
    if (overlayWanted()) emit overlayChanged();
}

bool TCycles::overlayWanted() const { return CheckEnvelope->isChecked() || CheckBilinear->isChecked(); }

void TCycles::graphDrawn(plot::Canvas* canvas, const plot::FrameMapping& mapping) {
    if (!m_evaluated) return;
    const CycleRecord r = m_record();
    const bool same = r.drawn && std::ranges::equal(r.x, m_x) && std::ranges::equal(r.y, m_y);
    if (m_stale != !same) {
        m_stale = !same;
        showStatus();
    }
    if (canvas && same && overlayWanted())
        plot::drawCodeOverlay(*canvas, mapping, m_codes, CheckEnvelope->isChecked(), CheckBilinear->isChecked());
}

const QImage& TCycles::plotImage(int index) const {
    return m_plots.at(static_cast<std::size_t>(std::clamp(index, 0, 2)))->image();
}

void TCycles::showStatus() {
    if (!m_evaluated) {
        StatusLabel->setText(app::translated(app::tx("TCycles", "評価するグラフがありません．データファイルを開いてグラフを描き、「再計算」を押してください")));
        return;
    }
    QString status = app::translated(app::tx("TCycles", "%1 行: %2 サイクル, %3 振幅レベル（変形 %4, 荷重 %5）"))
                         .arg(m_x.size())
                         .arg(m_cycles.cycles.size())
                         .arg(m_cycles.levels.size())
                         .arg(fromUtf8(m_units.deformation), fromUtf8(m_units.load));
    if (m_stale)
        status = app::translated(app::tx("TCycles", "グラフが描き直されました．「再計算」で新しいグラフを評価します（表示は前のグラフ: ")) +
                 status + app::translated(app::tx("TCycles", "）"));
    StatusLabel->setStyleSheet(m_stale ? QStringLiteral("color: #a00000") : QString());
    StatusLabel->setText(status);
}

void TCycles::render() {
    showStatus();
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < m_cycles.cycles.size(); ++i)
        rows.push_back(plot::cycleRowTexts(m_cycles.cycles[i], static_cast<int>(i)));
    fill(CycleTable, plot::cycleHeadings(m_units), rows);
    rows.clear();
    for (std::size_t i = 0; i < m_cycles.levels.size(); ++i)
        rows.push_back(plot::levelRowTexts(m_cycles.levels[i], static_cast<int>(i)));
    fill(LevelTable, plot::levelHeadings(m_units), rows);
    m_plots[0]->draw(plot::cumulativeEnergyPlot(m_cycles, m_units));
    m_plots[1]->draw(plot::secantStiffnessPlot(m_cycles, m_units));
    m_plots[2]->draw(plot::dampingPlot(m_cycles, m_units));
    renderComparison();
}

void TCycles::renderComparison() {
    QTableWidget* t = ComparisonTable;
    t->clear();
    t->clearSpans();
    const auto headings = plot::comparisonHeadings(m_units);
    QStringList labels{app::translated(app::tx("TCycles", "方法"))};
    for (int side = 0; side < 2; ++side)
        for (const std::string& h : headings) labels << shownText(h).replace(QStringLiteral(" ["), QStringLiteral("\n["));
    t->setColumnCount(static_cast<int>(labels.size()));
    t->setRowCount(1 + static_cast<int>(m_comparison.rows.size()));
    t->setHorizontalHeaderLabels(labels);
    QFont bold = t->font();
    bold.setBold(true);
    t->setItem(0, 0, cell(QString()));
    for (int side = 0; side < 2; ++side) {
        const int first = 1 + side * kSideColumns;
        t->setSpan(0, first, 1, kSideColumns);
        QTableWidgetItem* caption = cell(side == 0 ? app::translated(app::tx("TCycles", "正側 (＋)")) : app::translated(app::tx("TCycles", "負側 (－)")), Qt::AlignCenter);
        caption->setFont(bold);
        caption->setBackground(QColor(0xE6, 0xE6, 0xE6));
        t->setItem(0, first, caption);
    }
    // The values first: the columns fit them, and a message then wraps within its side.
    for (int r = 0; r < static_cast<int>(m_comparison.rows.size()); ++r) {
        const plot::ComparisonRow& row = m_comparison.rows[static_cast<std::size_t>(r)];
        QTableWidgetItem* method = cell(shownText(row.method), Qt::AlignLeft | Qt::AlignVCenter);
        method->setFont(bold);
        t->setItem(r + 1, 0, method);
        for (int side = 0; side < 2; ++side) {
            const plot::MethodSide& s = row.sides[static_cast<std::size_t>(side)];
            if (!s.message.empty()) continue;
            const int first = 1 + side * kSideColumns;
            for (int c = 0; c < kSideColumns; ++c) t->setItem(r + 1, first + c, cell(fromUtf8(plot::comparisonCell(s, c))));
        }
    }
    t->resizeColumnsToContents();
    const int valueWidth = std::max(72, (width() - 60 - t->columnWidth(0)) / (2 * kSideColumns));
    for (int c = 1; c < t->columnCount(); ++c) t->setColumnWidth(c, std::max(t->columnWidth(c), valueWidth));
    t->resizeRowsToContents();
    const QFontMetrics metrics(t->font());
    for (int r = 0; r < static_cast<int>(m_comparison.rows.size()); ++r) {
        const plot::ComparisonRow& row = m_comparison.rows[static_cast<std::size_t>(r)];
        int height = t->rowHeight(r + 1);
        for (int side = 0; side < 2; ++side) {
            const plot::MethodSide& s = row.sides[static_cast<std::size_t>(side)];
            if (s.message.empty()) continue;
            const int first = 1 + side * kSideColumns;
            t->setSpan(r + 1, first, 1, kSideColumns);
            const QString whole = shownText(s.message);
            const QString text = QString(whole).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
            QTableWidgetItem* message = cell(text, Qt::AlignLeft | Qt::AlignVCenter);
            message->setForeground(kMessageColour);
            message->setToolTip(whole);
            t->setItem(r + 1, first, message);
            int spanWidth = 0;
            for (int c = first; c < first + kSideColumns; ++c) spanWidth += t->columnWidth(c);
            height = std::max(height, metrics.boundingRect(QRect(0, 0, spanWidth - 12, 10000), Qt::TextWordWrap, text).height() + 8);
        }
        t->setRowHeight(r + 1, height);
    }
    t->setFixedHeight(t->horizontalHeader()->sizeHint().height() + t->verticalHeader()->length() + 2 * t->frameWidth() + 2);
    QStringList notes;
    for (const auto& n : m_comparison.notes) notes << shownText(n);
    Notes->setText(notes.join(QLatin1Char('\n')));
    Notes->setVisible(!notes.isEmpty());
}

bool TCycles::haveEvaluation() {
    if (m_evaluated) return true;
    m_interaction->message(
        toUtf8(app::translated(app::tx("TCycles", "評価するグラフがありません．データファイルを開いてグラフを描き、「再計算」を押してください"))),
        toUtf8(app::translated(app::tx("TCycles", "サイクル評価"))), ui::Icon::Warning);
    return false;
}

void TCycles::Button2Click() {
    if (!haveEvaluation()) return;
    QGuiApplication::clipboard()->setText(fromUtf8(plot::cycleTableText(m_cycles, m_units)));
}

void TCycles::Button3Click() {
    if (!haveEvaluation()) return;
    ui::FileDialogRequest request;
    request.title = toUtf8(app::translated(app::tx("TCycles", "CYCLES.CSV と METHODS.CSV を保存するフォルダ")));
    request.filter = toUtf8(app::translated(app::tx("TCycles", "CSV ファイル (*.csv)|*.csv|すべて (*.*)|*.*")));
    request.defaultExtension = "csv";
    request.initialPath = m_folder + "CYCLES.CSV";
    const auto chosen = m_interaction->chooseSaveFile(request);
    if (!chosen) return;
    // The names are the batch's: a script that reads them finds them whichever way they were made.
    const std::string folder = data::directoryOf(*chosen);
    const std::pair<const char*, std::string> files[] = {{"CYCLES.CSV", analysis::cyclesCsv(m_cycles)},
                                                          {"METHODS.CSV", analysis::methodsCsv(m_codes)}};
    for (const auto& [name, content] : files) {
        const std::string path = folder + name;
        if (!text::replaceFile(path, content)) {
            m_interaction->message(
                name + toUtf8(app::translated(app::tx("TCycles", "を作成できません（使用中か、書き込みできないフォルダです）\n")) + fromPath(path)),
                toUtf8(app::translated(app::tx("TCycles", "ファイル出力エラー"))), ui::Icon::Warning);
            return;
        }
    }
    m_interaction->message(toUtf8(app::translated(app::tx("TCycles", "CYCLES.CSV と METHODS.CSV を保存しました\n")) + fromPath(folder)),
                           toUtf8(app::translated(app::tx("TCycles", "サイクル評価"))), ui::Icon::Information);
}

}  // namespace kvx::app

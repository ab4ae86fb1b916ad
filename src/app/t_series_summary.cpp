// Series summary window: layout, the row list, and the commands that read the
// controls, call the core and show or write what it returns.
#include "app/t_series_summary.h"

#include "app/controls.h"
#include "app/language.h"
#include "app/qt_canvas.h"
#include "app/qt_text.h"
#include "data/open_data_file.h"
#include "plot/series_chart.h"
#include "plot/series_page.h"
#include "text/number.h"
#include "text/printf.h"
#include "text/replacing_file.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <span>

namespace kvx::app {
namespace {

constexpr int kChartWidth = 480;
constexpr int kChartHeight = 300;
constexpr int kResultRows = 6;  // n, P0, Pa, multiplier, K, μ

QLabel* redLabel(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setStyleSheet(QStringLiteral("color: #c00000"));
    l->setWordWrap(true);
    return l;
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

void makeReadOnlyTable(QTableWidget* t) {
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setTextElideMode(Qt::ElideNone);
    t->verticalHeader()->setDefaultSectionSize(22);
    t->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QPushButton* makeButton(QWidget* parent, const char* name, Text caption) {
    QPushButton* button = app::makeButton(parent, QLatin1String(name), QString(), {});
    bindText(button, "text", caption);
    return button;
}

// The statistics' headings, index names, results and notes also go into the
// summary CSV and onto the printed and PDF pages, which keep them in
// Japanese: the window makes its own, in the language in use. In Japanese
// they are the same texts as the pages'.
const Text kStatisticsHeadings[] = {tx("TSeriesSummary", "平均"), tx("TSeriesSummary", "標準偏差"),
                                    tx("TSeriesSummary", "変動係数"), tx("TSeriesSummary", "下限値")};
const Text kIndexNames[] = {tx("TSeriesSummary", "降伏耐力 Py"), tx("TSeriesSummary", "特定変形角時耐力")};

QString shownText(const char* source, std::span<const Text> texts) {
    for (const Text& t : texts)
        if (std::strcmp(source, t.source) == 0) return app::translated(t);
    return QString::fromUtf8(source);
}

QString indexName(int index) {
    return shownText(analysis::kSeriesIndexNames[static_cast<std::size_t>(std::clamp(index, 0, 3))], kIndexNames);
}

/// The side's results as plot::resultTexts words them, in the language in use.
std::vector<std::pair<QString, QString>> resultTexts(const analysis::SideSummary& s, data::ForceUnit unit) {
    const bool kN = unit == data::ForceUnit::kN;
    const std::string load = kN ? "kN" : "kg";
    const auto number = [](double v, int decimals) { return plot::readableNumber(v, decimals); };
    std::vector<std::pair<QString, QString>> out;
    out.emplace_back(app::translated(app::tx("TSeriesSummary", "試験体数 n")), trFormat(tx("TSeriesSummary", "%d 体"), s.n));
    out.emplace_back(app::translated(app::tx("TSeriesSummary", "短期基準せん断耐力 P0")),
                     trFormat(tx("TSeriesSummary", "%s %s（%s）"), number(s.P0, 2).c_str(), load.c_str(),
                              indexName(s.governing).toUtf8().constData()));
    out.emplace_back(app::translated(app::tx("TSeriesSummary", "短期許容せん断耐力 Pa = α·P0")),
                     trFormat(tx("TSeriesSummary", "%s %s（α = %s）"), number(s.Pa, 2).c_str(), load.c_str(),
                              text::format("%.3g", s.alpha).c_str()));
    out.emplace_back(kN ? app::translated(app::tx("TSeriesSummary", "壁倍率 Pa/(1.96·L)")) : app::translated(app::tx("TSeriesSummary", "壁倍率 Pa/(200·L)")),
                     trFormat(tx("TSeriesSummary", "%s（L = %s m）"), number(s.multiplier, 2).c_str(),
                              text::format("%.4g", s.L).c_str()));
    if (s.Kmean)
        out.emplace_back(app::translated(app::tx("TSeriesSummary", "平均初期剛性 K")),
                         trFormat(tx("TSeriesSummary", "%s %s/rad（変動係数 %s）"), number(*s.Kmean, 1).c_str(),
                                  load.c_str(), (s.Kcv ? number(*s.Kcv, 3) : std::string("-")).c_str()));
    if (s.muMean)
        out.emplace_back(app::translated(app::tx("TSeriesSummary", "平均塑性率 μ")),
                         trFormat(tx("TSeriesSummary", "%s（変動係数 %s）"), number(*s.muMean, 2).c_str(),
                                  (s.muCv ? number(*s.muCv, 3) : std::string("-")).c_str()));
    return out;
}

/// Why a side has no summary, in the language in use; `specimens` are the side's checked rows.
QString failureText(const std::string& failure, std::size_t specimens) {
    const Text tooFew = tx("TSeriesSummary", "試験体が %zu 体です．統計処理には 2 体以上が必要です");
    if (failure == text::format(tooFew.source, specimens)) return trFormat(tooFew, specimens);
    static const Text known[] = {tx("TSeriesSummary", "壁長さ L は正の数を入力してください"),
                                 tx("TSeriesSummary", "低減係数 α は正の数を入力してください"),
                                 tx("TSeriesSummary", "「ファイル開く」で耐力特性ファイルを開いてください")};
    return shownText(failure.c_str(), known);
}

// The printed page names the rows' source in Japanese; the window's label is in the language in use.
const Text kWrittenRowsSource = tx("TSeriesSummary", "壁倍率評価で書き出した行（%1 行）");

/// The wall file's heading of the reference angle's load, "1/120耐力".
QString referenceHeading(const std::string& heading) {
    const Text load = tx("TSeriesSummary", "1/%d耐力");
    if (auto shown = retranslatedCount(load, heading)) return *shown;
    return fromUtf8(heading);
}

/// A positive number and nothing else; nothing otherwise.
std::optional<double> positiveNumber(const QString& text) {
    const std::string s = toUtf8(text.trimmed());
    if (s.empty() || text::leadingNumberLength(s) != s.size()) return std::nullopt;
    const double v = text::parseLeadingDouble(s);
    if (!(v > 0) || !std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace

/// The bar chart drawn through the canvas, shown pixel for pixel.
class SeriesChartView : public QWidget {
public:
    explicit SeriesChartView(QWidget* parent) : QWidget(parent), m_canvas(kChartWidth, kChartHeight) {
        setObjectName(QStringLiteral("Chart"));
        setFixedSize(kChartWidth, kChartHeight);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void draw(const analysis::SideSummary* s, const std::vector<std::string>& names,
              const std::array<std::string, 4>& captions, data::ForceUnit unit) {
        m_canvas.setBrush({plot::kWhite, false});
        m_canvas.fillRect({0, 0}, {kChartWidth, kChartHeight});
        if (s)
            plot::drawSeriesChart(m_canvas, *s, names, captions, {{0, 0}, {kChartWidth, kChartHeight}}, unit, 96,
                                  translated(tx("TSeriesSummary", "下限値")).toStdString());
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

// One side ----------------------------------------------------------------------------

SeriesSidePage::SeriesSidePage(QWidget* parent) : QWidget(parent) {
    // The table across the page, so that a dozen specimens fit; the results and the chart below it.
    auto* page = new QVBoxLayout(this);
    Table = new QTableWidget(this);
    Table->setObjectName(QStringLiteral("Table"));
    makeReadOnlyTable(Table);
    Table->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    page->addWidget(Table);
    Failure = redLabel(this, "Failure");
    page->addWidget(Failure);

    auto* below = new QHBoxLayout;
    page->addLayout(below, 1);
    auto* left = new QVBoxLayout;
    below->addLayout(left, 1);
    auto* results = new QGridLayout;
    results->setHorizontalSpacing(16);
    for (int r = 0; r < kResultRows; ++r) {
        auto* caption = new QLabel(this);
        auto* value = new QLabel(this);
        value->setObjectName(QStringLiteral("Result%1").arg(r + 1));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        results->addWidget(caption, r, 0);
        results->addWidget(value, r, 1);
        m_results.emplace_back(caption, value);
    }
    results->setColumnStretch(1, 1);
    left->addLayout(results);
    Notes = redLabel(this, "Notes");
    left->addWidget(Notes);
    left->addStretch(1);

    m_chart = new SeriesChartView(this);
    below->addWidget(m_chart, 0, Qt::AlignTop);
}

void SeriesSidePage::render(const std::optional<analysis::SideSummary>& summary, const std::string& failure,
                            const std::vector<std::string>& names, const std::array<std::string, 4>& captions,
                            data::ForceUnit unit) {
    Table->clear();
    Table->setRowCount(0);
    Table->setColumnCount(0);
    for (auto& [caption, value] : m_results) {
        caption->clear();
        value->clear();
    }
    Failure->setText(summary ? QString() : failureText(failure, names.size()));
    Failure->setVisible(!summary);
    // Empty frames would read as a summary of nothing.
    Table->setVisible(summary.has_value());
    m_chart->setVisible(summary.has_value());
    Notes->clear();
    m_chart->draw(summary ? &*summary : nullptr, names, captions, unit);
    if (!summary) return;

    const auto& headings = plot::statisticsHeadings();
    const int specimens = static_cast<int>(names.size());
    Table->setRowCount(4);
    Table->setColumnCount(specimens + static_cast<int>(headings.size()));
    QStringList columns;
    for (const auto& n : names) columns << fromCp932(n);
    for (const char* h : headings) columns << shownText(h, kStatisticsHeadings);
    Table->setHorizontalHeaderLabels(columns);
    QStringList rows;
    for (int i = 0; i < 4; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const bool governing = i == summary->governing;
        rows << indexName(i) + (governing ? QStringLiteral(" ★") : QString());
        const auto texts = plot::indexRowTexts(summary->indices[index]);
        for (std::size_t k = 0; k < texts.size(); ++k) {
            QTableWidgetItem* item = cell(fromUtf8(texts[k]));
            if (governing && k + 1 == texts.size()) {
                item->setForeground(QColor(0xC0, 0, 0));
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            Table->setItem(i, static_cast<int>(k), item);
        }
    }
    Table->setVerticalHeaderLabels(rows);
    Table->resizeColumnsToContents();
    fitTableHeight();

    const auto results = resultTexts(*summary, unit);
    for (std::size_t r = 0; r < results.size() && r < m_results.size(); ++r) {
        m_results[r].first->setText(results[r].first);
        m_results[r].second->setText(results[r].second);
    }
    QStringList notes;
    for (int i = 0; i < 4; ++i) {
        const analysis::IndexStatistics& st = summary->indices[static_cast<std::size_t>(i)];
        if (st.factorNotPositive)
            notes << trFormat(tx("TSeriesSummary", "%s: ばらつき係数 1 − CV·k が %.3f で 0 以下のため、下限値を 0 としました"),
                              indexName(i).toUtf8().constData(), st.factor);
    }
    Notes->setText(notes.join(QLatin1Char('\n')));
}

void SeriesSidePage::fitTableHeight() {
    // The header and the four rows, and the scroll bar only when many specimens make the table wide.
    const int frame = 2 * Table->frameWidth();
    const bool wide = Table->verticalHeader()->sizeHint().width() + Table->horizontalHeader()->length() + frame >
                      Table->width();
    Table->setFixedHeight(Table->horizontalHeader()->sizeHint().height() + Table->verticalHeader()->length() + frame +
                          (wide ? Table->horizontalScrollBar()->sizeHint().height() : 0));
}

void SeriesSidePage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitTableHeight();
}

QString SeriesSidePage::result(const QString& caption) const {
    for (const auto& [c, value] : m_results)
        if (!c->text().isEmpty() && c->text().startsWith(caption)) return value->text();
    return {};
}

const QImage& SeriesSidePage::chartImage() const { return m_chart->image(); }

// The window ----------------------------------------------------------------------------

TSeriesSummary::TSeriesSummary(ui::Interaction& interaction, std::function<data::ForceUnit()> forceUnit,
                               QWidget* parent)
    : QDialog(parent), m_interaction(&interaction), m_forceUnit(std::move(forceUnit)) {
    setObjectName(QStringLiteral("TSeriesSummary"));
    bindText(this, "windowTitle", tx("TSeriesSummary", "試験体集計"));
    setModal(false);
    m_printDialog = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    buildControls();
    resize(1000, 700);
    // The list's headings, the source and every text of the summary are made again in the new language.
    onLanguageChange(this, [this] { retranslate(); });
}

void TSeriesSummary::buildControls() {
    auto* page = new QVBoxLayout(this);

    auto* source = new QHBoxLayout;
    Button1 = makeButton(this, "Button1", tx("TSeriesSummary", "ファイル開く"));
    Button1->setMinimumWidth(110);
    source->addWidget(Button1);
    SourceLabel = makeLabel(this, QStringLiteral("SourceLabel"), QString(), {});
    SourceLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    source->addWidget(SourceLabel, 1);
    page->addLayout(source);

    RowList = new QTableWidget(0, 7, this);
    RowList->setObjectName(QStringLiteral("RowList"));
    makeReadOnlyTable(RowList);
    RowList->verticalHeader()->hide();
    RowList->setFixedHeight(124);
    page->addWidget(RowList);

    auto* inputs = new QHBoxLayout;
    const auto edit = [&](const char* name, Text caption, const QString& unit, const QString& initial) {
        auto* label = new QLabel(this);
        bindText(label, "text", caption);
        inputs->addWidget(label);
        auto* e = new QLineEdit(initial, this);
        e->setObjectName(QLatin1String(name));
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        e->setFixedWidth(72);
        inputs->addWidget(e);
        if (!unit.isEmpty()) inputs->addWidget(new QLabel(unit, this));
        inputs->addSpacing(20);
        return e;
    };
    EditL = edit("EditL", tx("TSeriesSummary", "壁長さ L"), QStringLiteral("m"), QStringLiteral("1.82"));
    EditAlpha = edit("EditAlpha", tx("TSeriesSummary", "低減係数 α"), QString(), QStringLiteral("1.0"));
    InputMessage = redLabel(this, "InputMessage");
    inputs->addWidget(InputMessage, 1);
    page->addLayout(inputs);

    Sides = new QTabWidget(this);
    Sides->setObjectName(QStringLiteral("Sides"));
    PlusPage = new SeriesSidePage(Sides);
    PlusPage->setObjectName(QStringLiteral("PlusPage"));
    MinusPage = new SeriesSidePage(Sides);
    MinusPage->setObjectName(QStringLiteral("MinusPage"));
    Sides->addTab(PlusPage, QString());
    Sides->addTab(MinusPage, QString());
    page->addWidget(Sides, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Button2 = makeButton(this, "Button2", tx("TSeriesSummary", "ファイル保存"));
    Button3 = makeButton(this, "Button3", tx("TSeriesSummary", "印刷"));
    Button4 = makeButton(this, "Button4", tx("TSeriesSummary", "報告書"));
    Button5 = makeButton(this, "Button5", tx("TSeriesSummary", "閉じる"));
    for (QPushButton* b : {Button2, Button3, Button4, Button5}) {
        b->setMinimumWidth(110);
        buttons->addWidget(b);
    }
    page->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TSeriesSummary::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSeriesSummary::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TSeriesSummary::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TSeriesSummary::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &QDialog::close);
    connect(EditL, &QLineEdit::textEdited, this, [this] { recompute(); });
    connect(EditAlpha, &QLineEdit::textEdited, this, [this] { recompute(); });
    connect(RowList, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == 0) recompute();
    });
}

void TSeriesSummary::showEvent(QShowEvent* event) {
    // The main window's force unit may have changed while this window was away.
    recompute();
    QDialog::showEvent(event);
}

std::vector<analysis::SpecimenRow> TSeriesSummary::checkedRows() const {
    std::vector<analysis::SpecimenRow> out;
    for (int r = 0; r < RowList->rowCount() && r < static_cast<int>(m_rows.size()); ++r)
        if (RowList->item(r, 0)->checkState() == Qt::Checked) out.push_back(m_rows[static_cast<std::size_t>(r)]);
    return out;
}

std::array<std::string, 4> TSeriesSummary::chartCaptions() const {
    return {"Py", "Pu×0.2/Ds", "2/3Pmax", m_referenceHeader.empty() ? std::string("PRefer") : m_referenceHeader};
}

void TSeriesSummary::load(std::vector<analysis::SpecimenRow> rows, const std::string& referenceHeader,
                          const QString& source) {
    m_rows = std::move(rows);
    m_referenceHeader = referenceHeader;
    m_source = source;
    showSource();
    {
        const QSignalBlocker quiet(RowList);  // filling the list is no check
        RowList->setRowCount(static_cast<int>(m_rows.size()));
        showHeadings();
        for (int r = 0; r < static_cast<int>(m_rows.size()); ++r) {
            const analysis::SpecimenRow& row = m_rows[static_cast<std::size_t>(r)];
            auto* name = new QTableWidgetItem(fromCp932(row.fileName));
            name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            name->setCheckState(Qt::Checked);
            RowList->setItem(r, 0, name);
            RowList->setItem(r, 1, cell(row.minus ? QStringLiteral("Minus") : QStringLiteral("Plus"), Qt::AlignCenter));
            RowList->setItem(r, 2, cell(fromCp932(row.timeStamp), Qt::AlignLeft | Qt::AlignVCenter));
            int column = 3;
            for (const double v : {row.Py, row.PuDs, row.P23, row.PRefer})
                RowList->setItem(r, column++, cell(fromUtf8(plot::readableNumber(v, 2))));
        }
        RowList->resizeColumnsToContents();
    }
    recompute();
}

void TSeriesSummary::showHeadings() {
    RowList->setHorizontalHeaderLabels({app::translated(app::tx("TSeriesSummary", "ファイル名")), app::translated(app::tx("TSeriesSummary", "領域")),
                                        app::translated(app::tx("TSeriesSummary", "解析日時")), QStringLiteral("Py"),
                                        QStringLiteral("Pu×0.2/Ds"), QStringLiteral("2/3Pmax"),
                                        referenceHeading(chartCaptions()[3])});
}

void TSeriesSummary::showSource() {
    SourceLabel->setText(m_writtenRows ? app::translated(kWrittenRowsSource).arg(*m_writtenRows) : m_source);
}

void TSeriesSummary::retranslate() {
    {
        const QSignalBlocker quiet(RowList);
        showHeadings();
        RowList->resizeColumnsToContents();  // the headings of the other language are wider or narrower
    }
    showSource();
    // The message about L or α, the tabs and the pages; the last summary stays when L or α is refused.
    if (!recompute()) render();
}

void TSeriesSummary::showWrittenRows(const std::vector<std::string>& rows, const std::string& headerCp932,
                                     const QString& wallLength) {
    std::vector<analysis::SpecimenRow> parsed;
    std::string refused;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::string why;
        if (auto row = analysis::parseWallRow(rows[i], &why))
            parsed.push_back(std::move(*row));
        else
            refused += toUtf8(trFormat(tx("TSeriesSummary", "\n書き出した %zu 行目: "), i + 1)) + why;
    }
    setWallLength(wallLength);
    m_writtenRows = rows.size();
    load(std::move(parsed), analysis::readWallRows(headerCp932).referenceHeader,
         QString::fromUtf8(kWrittenRowsSource.source).arg(rows.size()));
    if (!refused.empty())
        m_interaction->message(toUtf8(app::translated(app::tx("TSeriesSummary", "集計に入れられない行があります"))) + refused,
                               toUtf8(app::translated(app::tx("TSeriesSummary", "試験体集計"))), ui::Icon::Warning);
}

void TSeriesSummary::setWallLength(const QString& wallLength) {
    EditL->setText(wallLength);
    recompute();
}

bool TSeriesSummary::recompute() {
    const auto L = positiveNumber(EditL->text());
    const auto alpha = positiveNumber(EditAlpha->text());
    if (!L || !alpha) {
        InputMessage->setText(!L ? app::translated(app::tx("TSeriesSummary", "壁長さ L は正の数を入力してください（集計は前の値のままです）"))
                                 : app::translated(app::tx("TSeriesSummary", "低減係数 α は正の数を入力してください（集計は前の値のままです）")));
        return false;
    }
    InputMessage->clear();
    m_checked = checkedRows();
    m_unit = m_forceUnit();
    m_summary = analysis::summarizeRows(m_checked, *L, *alpha, m_unit);
    render();
    return true;
}

void TSeriesSummary::render() {
    const auto names = [&](bool minus) {
        std::vector<std::string> out;
        for (const auto& r : m_checked)
            if (r.minus == minus) out.push_back(r.fileName);
        return out;
    };
    // The window's chart names the reference angle's load in the language in use; the printed page's stays Japanese.
    auto captions = chartCaptions();
    captions[3] = toUtf8(referenceHeading(captions[3]));
    // Before any file: what to do rather than a count of none.
    const std::string hint = "「ファイル開く」で耐力特性ファイルを開いてください";
    PlusPage->render(m_summary.plus, m_rows.empty() ? hint : m_summary.plusFailure, names(false), captions, m_unit);
    MinusPage->render(m_summary.minus, m_rows.empty() ? hint : m_summary.minusFailure, names(true), captions, m_unit);
    const auto title = [](Text side, const std::optional<analysis::SideSummary>& s) {
        return app::translated(side) +
               (s ? app::translated(app::tx("TSeriesSummary", "  %1 体")).arg(s->n) : app::translated(app::tx("TSeriesSummary", "  集計なし")));
    };
    Sides->setTabText(0, title(tx("TSeriesSummary", "正側 (Plus)"), m_summary.plus));
    Sides->setTabText(1, title(tx("TSeriesSummary", "負側 (Minus)"), m_summary.minus));
}

bool TSeriesSummary::readyToWrite() {
    if (!recompute()) {
        m_interaction->message(toUtf8(InputMessage->text()), toUtf8(app::translated(app::tx("TSeriesSummary", "入力エラー"))),
                               ui::Icon::Warning);
        return false;
    }
    if (m_checked.empty()) {
        m_interaction->message(toUtf8(app::translated(app::tx("TSeriesSummary", "集計する行がありません．耐力特性ファイルを開いてください"))),
                               toUtf8(app::translated(app::tx("TSeriesSummary", "試験体集計"))), ui::Icon::Warning);
        return false;
    }
    return true;
}

void TSeriesSummary::Button1Click() {
    ui::FileDialogRequest request;
    request.title = toUtf8(app::translated(app::tx("TSeriesSummary", "耐力特性ファイルを開く")));
    request.filter = toUtf8(app::translated(app::tx("TSeriesSummary", "耐力特性ファイル(*.txt)|*csv|すべて(*.*)|*.*")));
    request.defaultExtension = "txt";
    request.initialPath = m_folder;
    const auto path = m_interaction->chooseOpenFile(request);
    if (!path) return;
    const QString name = QFileInfo(fromPath(*path)).fileName();
    const auto bytes = data::readWholeFile(*path);
    if (!bytes) {
        m_interaction->message(toUtf8(app::translated(app::tx("TSeriesSummary", "耐力特性ファイルを開くことができません\n")) + fromPath(*path)),
                               toUtf8(app::translated(app::tx("TSeriesSummary", "ファイルエラー"))), ui::Icon::Warning);
        return;
    }
    m_folder = data::directoryOf(*path);
    analysis::WallFileRows read = analysis::readWallRows(*bytes);
    std::string told;
    for (const auto& r : read.refused) told += "\n" + r;
    if (read.rows.empty()) {
        m_interaction->message(toUtf8(app::translated(app::tx("TSeriesSummary", "集計できる行がありません\n")) + name) + told,
                               toUtf8(app::translated(app::tx("TSeriesSummary", "耐力特性ファイル"))), ui::Icon::Warning);
        return;
    }
    m_writtenRows.reset();
    load(std::move(read.rows), read.referenceHeader, name);
    SourceLabel->setToolTip(fromPath(*path));
    if (!told.empty())
        m_interaction->message(toUtf8(app::translated(app::tx("TSeriesSummary", "次の行は数値が読めないため集計に入れません"))) + told,
                               toUtf8(app::translated(app::tx("TSeriesSummary", "耐力特性ファイル"))), ui::Icon::Warning);
}

void TSeriesSummary::Button2Click() {
    if (!readyToWrite()) return;
    ui::FileDialogRequest request;
    request.title = toUtf8(app::translated(app::tx("TSeriesSummary", "集計の保存")));
    request.filter = toUtf8(app::translated(app::tx("TSeriesSummary", "CSV ファイル (*.csv)|*.csv|すべて (*.*)|*.*")));
    request.defaultExtension = "csv";
    request.initialPath = m_folder;
    const auto path = m_interaction->chooseSaveFile(request);
    if (!path) return;
    if (!text::replaceFile(*path, analysis::summaryCsv(m_summary, m_checked, m_unit)))
        m_interaction->message(toUtf8(app::translated(app::tx("TSeriesSummary", "集計ファイルを書き込めませんでした\n")) + fromPath(*path)),
                               toUtf8(app::translated(app::tx("TSeriesSummary", "ファイル出力エラー"))), ui::Icon::Warning);
}

void TSeriesSummary::Button3Click() {
    if (!readyToWrite()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("試験体集計"));
    if (!m_printDialog(printer)) return;
    QtCanvas canvas(printer);
    if (!canvas.begin()) {
        m_interaction->message(toUtf8(app::translated(app::tx("TSeriesSummary", "印刷を開始できませんでした"))),
                               toUtf8(app::translated(app::tx("TSeriesSummary", "印刷エラー"))), ui::Icon::Warning);
        return;
    }
    const int dpi = printer.resolution();
    canvas.setDpi(dpi);
    plot::drawSeriesSummaryPage(canvas, m_summary, m_checked, m_unit, {toUtf8(m_source), chartCaptions()},
                                {printer.width(), printer.height()}, dpi);
    canvas.finish();
}

void TSeriesSummary::Button4Click() {
    if (!readyToWrite()) return;
    ui::FileDialogRequest request;
    request.title = toUtf8(app::translated(app::tx("TSeriesSummary", "報告書の保存")));
    request.filter = toUtf8(app::translated(app::tx("TSeriesSummary", "PDF ファイル (*.pdf)|*.pdf|すべて (*.*)|*.*")));
    request.defaultExtension = "pdf";
    request.initialPath = m_folder;
    const auto path = m_interaction->chooseSaveFile(request);
    if (path) emit reportRequested(fromPath(*path));
}

}  // namespace kvx::app

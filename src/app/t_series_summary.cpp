// Series summary window: layout, the row list, and the commands that read the
// controls, call the core and show or write what it returns.
#include "app/t_series_summary.h"

#include "app/controls.h"
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

#include <cmath>

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
        if (s) plot::drawSeriesChart(m_canvas, *s, names, captions, {{0, 0}, {kChartWidth, kChartHeight}}, unit);
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
    Failure->setText(summary ? QString() : fromUtf8(failure));
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
    for (const char* h : headings) columns << QString::fromUtf8(h);
    Table->setHorizontalHeaderLabels(columns);
    QStringList rows;
    for (int i = 0; i < 4; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const bool governing = i == summary->governing;
        rows << QString::fromUtf8(analysis::kSeriesIndexNames[index]) + (governing ? QStringLiteral(" ★") : QString());
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

    const auto results = plot::resultTexts(*summary, unit);
    for (std::size_t r = 0; r < results.size() && r < m_results.size(); ++r) {
        m_results[r].first->setText(fromUtf8(results[r].first));
        m_results[r].second->setText(fromUtf8(results[r].second));
    }
    QStringList notes;
    for (const auto& n : summary->notes) notes << fromUtf8(n);
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
    setWindowTitle(QStringLiteral("試験体集計"));
    setModal(false);
    m_printDialog = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    buildControls();
    resize(1000, 700);
    recompute();
}

void TSeriesSummary::buildControls() {
    auto* page = new QVBoxLayout(this);

    auto* source = new QHBoxLayout;
    Button1 = makeButton(this, QStringLiteral("Button1"), QStringLiteral("ファイル開く"), {});
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
    const auto edit = [&](const char* name, const QString& caption, const QString& unit, const QString& initial) {
        inputs->addWidget(new QLabel(caption, this));
        auto* e = new QLineEdit(initial, this);
        e->setObjectName(QLatin1String(name));
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        e->setFixedWidth(72);
        inputs->addWidget(e);
        if (!unit.isEmpty()) inputs->addWidget(new QLabel(unit, this));
        inputs->addSpacing(20);
        return e;
    };
    EditL = edit("EditL", QStringLiteral("壁長さ L"), QStringLiteral("m"), QStringLiteral("1.82"));
    EditAlpha = edit("EditAlpha", QStringLiteral("低減係数 α"), QString(), QStringLiteral("1.0"));
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
    Button2 = makeButton(this, QStringLiteral("Button2"), QStringLiteral("ファイル保存"), {});
    Button3 = makeButton(this, QStringLiteral("Button3"), QStringLiteral("印刷"), {});
    Button4 = makeButton(this, QStringLiteral("Button4"), QStringLiteral("報告書"), {});
    Button5 = makeButton(this, QStringLiteral("Button5"), QStringLiteral("閉じる"), {});
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
    SourceLabel->setText(source);
    {
        const QSignalBlocker quiet(RowList);  // filling the list is no check
        RowList->setRowCount(static_cast<int>(m_rows.size()));
        RowList->setHorizontalHeaderLabels({QStringLiteral("ファイル名"), QStringLiteral("領域"),
                                            QStringLiteral("解析日時"), QStringLiteral("Py"),
                                            QStringLiteral("Pu×0.2/Ds"), QStringLiteral("2/3Pmax"),
                                            fromUtf8(chartCaptions()[3])});
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

void TSeriesSummary::showWrittenRows(const std::vector<std::string>& rows, const std::string& headerCp932,
                                     const QString& wallLength) {
    std::vector<analysis::SpecimenRow> parsed;
    std::string refused;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::string why;
        if (auto row = analysis::parseWallRow(rows[i], &why))
            parsed.push_back(std::move(*row));
        else
            refused += text::format("\n書き出した %zu 行目: ", i + 1) + why;
    }
    setWallLength(wallLength);
    load(std::move(parsed), analysis::readWallRows(headerCp932).referenceHeader,
         QStringLiteral("壁倍率評価で書き出した行（%1 行）").arg(rows.size()));
    if (!refused.empty())
        m_interaction->message("集計に入れられない行があります" + refused, "試験体集計", ui::Icon::Warning);
}

void TSeriesSummary::setWallLength(const QString& wallLength) {
    EditL->setText(wallLength);
    recompute();
}

bool TSeriesSummary::recompute() {
    const auto L = positiveNumber(EditL->text());
    const auto alpha = positiveNumber(EditAlpha->text());
    if (!L || !alpha) {
        InputMessage->setText(!L ? QStringLiteral("壁長さ L は正の数を入力してください（集計は前の値のままです）")
                                 : QStringLiteral("低減係数 α は正の数を入力してください（集計は前の値のままです）"));
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
    const auto captions = chartCaptions();
    // Before any file: what to do rather than a count of none.
    const std::string hint = "「ファイル開く」で耐力特性ファイルを開いてください";
    PlusPage->render(m_summary.plus, m_rows.empty() ? hint : m_summary.plusFailure, names(false), captions, m_unit);
    MinusPage->render(m_summary.minus, m_rows.empty() ? hint : m_summary.minusFailure, names(true), captions, m_unit);
    const auto title = [](const char* side, const std::optional<analysis::SideSummary>& s) {
        return QString::fromUtf8(side) + (s ? QStringLiteral("  %1 体").arg(s->n) : QStringLiteral("  集計なし"));
    };
    Sides->setTabText(0, title("正側 (Plus)", m_summary.plus));
    Sides->setTabText(1, title("負側 (Minus)", m_summary.minus));
}

bool TSeriesSummary::readyToWrite() {
    if (!recompute()) {
        m_interaction->message(toUtf8(InputMessage->text()), "入力エラー", ui::Icon::Warning);
        return false;
    }
    if (m_checked.empty()) {
        m_interaction->message("集計する行がありません．耐力特性ファイルを開いてください", "試験体集計",
                               ui::Icon::Warning);
        return false;
    }
    return true;
}

void TSeriesSummary::Button1Click() {
    ui::FileDialogRequest request;
    request.title = "耐力特性ファイルを開く";
    request.filter = "耐力特性ファイル(*.txt)|*csv|すべて(*.*)|*.*";
    request.defaultExtension = "txt";
    request.initialPath = m_folder;
    const auto path = m_interaction->chooseOpenFile(request);
    if (!path) return;
    const QString name = QFileInfo(fromPath(*path)).fileName();
    const auto bytes = data::readWholeFile(*path);
    if (!bytes) {
        m_interaction->message("耐力特性ファイルを開くことができません\n" + toUtf8(fromPath(*path)), "ファイルエラー",
                               ui::Icon::Warning);
        return;
    }
    m_folder = data::directoryOf(*path);
    analysis::WallFileRows read = analysis::readWallRows(*bytes);
    std::string told;
    for (const auto& r : read.refused) told += "\n" + r;
    if (read.rows.empty()) {
        m_interaction->message("集計できる行がありません\n" + toUtf8(name) + told, "耐力特性ファイル",
                               ui::Icon::Warning);
        return;
    }
    load(std::move(read.rows), read.referenceHeader, name);
    SourceLabel->setToolTip(fromPath(*path));
    if (!told.empty())
        m_interaction->message("次の行は数値が読めないため集計に入れません" + told, "耐力特性ファイル",
                               ui::Icon::Warning);
}

void TSeriesSummary::Button2Click() {
    if (!readyToWrite()) return;
    ui::FileDialogRequest request;
    request.title = "集計の保存";
    request.filter = "CSV ファイル (*.csv)|*.csv|すべて (*.*)|*.*";
    request.defaultExtension = "csv";
    request.initialPath = m_folder;
    const auto path = m_interaction->chooseSaveFile(request);
    if (!path) return;
    if (!text::replaceFile(*path, analysis::summaryCsv(m_summary, m_checked, m_unit)))
        m_interaction->message("集計ファイルを書き込めませんでした\n" + toUtf8(fromPath(*path)), "ファイル出力エラー",
                               ui::Icon::Warning);
}

void TSeriesSummary::Button3Click() {
    if (!readyToWrite()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("試験体集計"));
    if (!m_printDialog(printer)) return;
    QtCanvas canvas(printer);
    if (!canvas.begin()) {
        m_interaction->message("印刷を開始できませんでした", "印刷エラー", ui::Icon::Warning);
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
    request.title = "報告書の保存";
    request.filter = "PDF ファイル (*.pdf)|*.pdf|すべて (*.*)|*.*";
    request.defaultExtension = "pdf";
    request.initialPath = m_folder;
    const auto path = m_interaction->chooseSaveFile(request);
    if (path) emit reportRequested(fromPath(*path));
}

}  // namespace kvx::app

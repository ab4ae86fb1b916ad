// Text import window: controls, preview, column table, summary, the read and
// the save as a standard file, and the settings remembered per file shape.
#include "app/t_text_import.h"

#include "app/controls.h"
#include "app/language.h"
#include "app/qt_text.h"
#include "app/settings.h"
#include "data/standard_csv_writer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace kvx::app {
namespace {

constexpr int kPreviewLines = 30;
// A file of hundreds of columns would make the preview crawl; its first
// fields are what tells the delimiter anyway.
constexpr int kPreviewFields = 40;

QString grouped(long long n) {
    QString digits = QString::number(n < 0 ? -n : n);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, QLatin1Char(','));
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

QString trimmedField(const std::vector<std::vector<std::string>>& rows, int row, int column) {
    if (row < 1 || row > static_cast<int>(rows.size())) return {};
    const auto& fields = rows[static_cast<std::size_t>(row - 1)];
    if (column < 1 || column > static_cast<int>(fields.size())) return {};
    return fromUtf8(fields[static_cast<std::size_t>(column - 1)]).trimmed();
}

// "N → kN ×0.001", "kN", "mV（換算なし）": what a unit becomes when stored.
QString conversionText(const QString& unit) {
    const data::UnitConversion c = data::unitConversion(toUtf8(unit));
    if (c.from.empty()) return app::translated(app::tx("TTextImport", "（単位なし）"));
    if (c.from != c.to || c.factor != 1.0)
        return fromUtf8(c.from) + QStringLiteral(" → ") + fromUtf8(c.to) + QStringLiteral(" ×") +
               QString::number(c.factor, 'g', 6);
    if (data::looksLikeUnit(c.from)) return fromUtf8(c.to);
    return fromUtf8(c.from) + app::translated(app::tx("TTextImport", "（換算なし）"));
}

// Files of one lab's rig share the delimiter, the header texts and the
// column count; their values differ. The key is a digest of what they share.
QString shapeKey(std::string_view bytes, const data::TextDialect& detected) {
    const auto lines = data::previewLines(bytes, detected, detected.headerRows + 1);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArrayView(data::delimiterName(detected.delimiter)));
    for (int i = 0; i < detected.headerRows && i < static_cast<int>(lines.size()); ++i) {
        const std::string& text = lines[static_cast<std::size_t>(i)].text;
        hash.addData(QByteArrayView("\n"));
        hash.addData(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    }
    const auto columns = lines.size() > static_cast<std::size_t>(detected.headerRows)
                             ? lines[static_cast<std::size_t>(detected.headerRows)].fields.size()
                             : std::size_t{0};
    hash.addData(QByteArray("\n") + QByteArray::number(static_cast<qulonglong>(columns)));
    return QStringLiteral("TextImport/") + QString::fromLatin1(hash.result().toHex());
}

template <typename Enum>
bool enumFromName(const QString& name, std::initializer_list<Enum> values, const char* (*nameOf)(Enum), Enum& out) {
    for (Enum v : values)
        if (name == QLatin1String(nameOf(v))) {
            out = v;
            return true;
        }
    return false;
}

std::optional<data::ImportSettings> recall(const QString& key) {
    const auto store = openSettings();
    store->beginGroup(key);
    if (!store->contains(QStringLiteral("delimiter"))) return std::nullopt;
    data::ImportSettings s;
    data::TextDialect& d = s.dialect;
    using data::DecimalMark, data::Delimiter, data::FileEncoding;
    if (!enumFromName(store->value(QStringLiteral("delimiter")).toString(),
                      {Delimiter::Comma, Delimiter::Semicolon, Delimiter::Tab, Delimiter::Blanks}, data::delimiterName,
                      d.delimiter) ||
        !enumFromName(store->value(QStringLiteral("decimal")).toString(), {DecimalMark::Point, DecimalMark::Comma},
                      data::decimalName, d.decimal) ||
        !enumFromName(store->value(QStringLiteral("encoding")).toString(), {FileEncoding::Utf8, FileEncoding::Cp932},
                      data::encodingName, d.encoding))
        return std::nullopt;
    d.headerRows = store->value(QStringLiteral("headerRows")).toInt();
    d.namesRow = store->value(QStringLiteral("namesRow")).toInt();
    d.unitsRow = store->value(QStringLiteral("unitsRow")).toInt();
    if (d.headerRows < 0 || d.headerRows > data::kMaxHeaderRows || d.namesRow < 0 || d.namesRow > d.headerRows ||
        d.unitsRow < 0 || d.unitsRow > d.headerRows)
        return std::nullopt;
    s.skipBadRows = store->value(QStringLiteral("skipBadRows")).toBool();
    s.thinStep = std::max(0, store->value(QStringLiteral("thinStep")).toInt());
    const int channels = store->beginReadArray(QStringLiteral("channels"));
    for (int i = 0; i < channels; ++i) {
        store->setArrayIndex(i);
        s.columns.push_back(store->value(QStringLiteral("column")).toInt());
        s.names.push_back(toUtf8(store->value(QStringLiteral("name")).toString()));
        s.units.push_back(toUtf8(store->value(QStringLiteral("unit")).toString()));
    }
    store->endArray();
    return s;
}

QTableWidgetItem* fixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

}  // namespace

void TTextImport::setSettingsFile(const QString& path) { app::setSettingsFile(path); }

QString TTextImport::readNote(const data::ImportReport& report) {
    // Short: the label is as wide as the graph.
    const bool thinned = report.thinnedFrom > 0;
    QString note;
    if (report.skippedRows > 0)
        note = app::translated(app::tx("TTextImport", "不正な行 %1 行を除")).arg(grouped(report.skippedRows)) +
               (thinned ? app::translated(app::tx("TTextImport", "き、")) : app::translated(app::tx("TTextImport", "いて")));
    if (thinned)
        note += app::translated(app::tx("TTextImport", "%1 行を %2 行ごとに間引いて %3 行を"))
                    .arg(grouped(report.thinnedFrom))
                    .arg(report.plan.step)
                    .arg(grouped(report.rowsRead));
    if (note.isEmpty()) return {};
    return note + app::translated(app::tx("TTextImport", "読み込みました"));
}

TTextImport::TTextImport(ui::Interaction& interaction, data::ForceUnit forceUnit, QWidget* parent)
    : QDialog(parent), m_interaction(&interaction), m_forceUnit(forceUnit) {
    setObjectName(QStringLiteral("TTextImport"));
    bindText(this, "windowTitle", tx("TTextImport", "テキスト読込"));
    setModal(true);
    buildControls();
    connectSignals();
    resize(980, 780);
    onLanguageChange(this, [this] { retranslate(); });
}

void TTextImport::retranslate() {
    const auto items = [](QComboBox* box, std::initializer_list<Text> texts) {
        int i = 0;
        for (const Text& t : texts) box->setItemText(i++, app::translated(t));
    };
    items(DelimiterBox, {tx("TTextImport", "カンマ"), tx("TTextImport", "セミコロン"), tx("TTextImport", "タブ"),
                         tx("TTextImport", "空白")});
    items(DecimalBox, {tx("TTextImport", "ピリオド"), tx("TTextImport", "カンマ")});
    showPreviewTitle();
    if (m_path.empty()) return;  // nothing read yet: no preview, columns or summary
    // The preview's row roles, the conversions, the order boxes' dash and the summary are texts of the window too.
    showPreview();
    m_filling = true;
    for (int row = 0; row < ColumnTable->rowCount(); ++row)
        ColumnTable->item(row, kConversion)->setText(conversionText(ColumnTable->item(row, kUnit)->text().trimmed()));
    m_filling = false;
    showOrder();
    showSummary();
}

void TTextImport::showPreviewTitle() {
    const QString title = app::translated(app::tx("TTextImport", "先頭 30 行（読んだままと区切った項目）"));
    m_previewGroup->setTitle(m_path.empty() ? title
                                            : title + QStringLiteral(": ") + QFileInfo(fromPath(m_path)).fileName());
}

void TTextImport::buildControls() {
    auto* dialectGroup = new QGroupBox(this);
    bindText(dialectGroup, "title", tx("TTextImport", "読み方"));
    auto* grid = new QGridLayout(dialectGroup);
    const auto addField = [&](int row, int column, Text caption, QWidget* field) {
        auto* label = new QLabel(dialectGroup);
        bindText(label, "text", caption);
        label->setBuddy(field);
        grid->addWidget(label, row, column * 2, Qt::AlignRight);
        grid->addWidget(field, row, column * 2 + 1);
    };
    DelimiterBox = new QComboBox(dialectGroup);
    DelimiterBox->setObjectName(QStringLiteral("DelimiterBox"));
    // Item texts are set by retranslate().
    DelimiterBox->addItem(QString(), static_cast<int>(data::Delimiter::Comma));
    DelimiterBox->addItem(QString(), static_cast<int>(data::Delimiter::Semicolon));
    DelimiterBox->addItem(QString(), static_cast<int>(data::Delimiter::Tab));
    DelimiterBox->addItem(QString(), static_cast<int>(data::Delimiter::Blanks));
    DecimalBox = new QComboBox(dialectGroup);
    DecimalBox->setObjectName(QStringLiteral("DecimalBox"));
    DecimalBox->addItem(QString(), static_cast<int>(data::DecimalMark::Point));
    DecimalBox->addItem(QString(), static_cast<int>(data::DecimalMark::Comma));
    EncodingBox = new QComboBox(dialectGroup);
    EncodingBox->setObjectName(QStringLiteral("EncodingBox"));
    EncodingBox->addItem(QStringLiteral("UTF-8"), static_cast<int>(data::FileEncoding::Utf8));
    EncodingBox->addItem(QStringLiteral("Shift-JIS (CP932)"), static_cast<int>(data::FileEncoding::Cp932));
    const auto makeRowBox = [&](const char* name, int maximum, bool noneAtZero) {
        auto* box = new QSpinBox(dialectGroup);
        box->setObjectName(QLatin1String(name));
        box->setRange(0, maximum);
        if (noneAtZero) bindText(box, "specialValueText", tx("TTextImport", "なし"));
        box->setMaximumWidth(90);
        return box;
    };
    HeaderRowsBox = makeRowBox("HeaderRowsBox", data::kMaxHeaderRows, false);
    NamesRowBox = makeRowBox("NamesRowBox", 0, true);
    UnitsRowBox = makeRowBox("UnitsRowBox", 0, true);
    addField(0, 0, tx("TTextImport", "区切り"), DelimiterBox);
    addField(0, 1, tx("TTextImport", "小数点"), DecimalBox);
    addField(0, 2, tx("TTextImport", "文字コード"), EncodingBox);
    addField(1, 0, tx("TTextImport", "見出し行数"), HeaderRowsBox);
    addField(1, 1, tx("TTextImport", "名前の行"), NamesRowBox);
    addField(1, 2, tx("TTextImport", "単位の行"), UnitsRowBox);

    SkipBadRowsBox = new QCheckBox(dialectGroup);
    bindText(SkipBadRowsBox, "text", tx("TTextImport", "不正な行を読み飛ばす"));
    SkipBadRowsBox->setObjectName(QStringLiteral("SkipBadRowsBox"));
    grid->addWidget(SkipBadRowsBox, 2, 0, 1, 2);
    auto* thinning = new QHBoxLayout;
    ThinAutoButton = new QRadioButton(dialectGroup);
    ThinAutoButton->setObjectName(QStringLiteral("ThinAutoButton"));
    bindText(ThinAutoButton, "text", tx("TTextImport", "自動"));
    bindText(ThinAutoButton, "toolTip", tx("TTextImport", "30,000 行を超える記録だけを間引きます"));
    ThinAutoButton->setChecked(true);
    ThinStepButton = new QRadioButton(dialectGroup);
    bindText(ThinStepButton, "text", tx("TTextImport", "間隔"));
    ThinStepButton->setObjectName(QStringLiteral("ThinStepButton"));
    ThinStepBox = new QSpinBox(dialectGroup);
    ThinStepBox->setObjectName(QStringLiteral("ThinStepBox"));
    ThinStepBox->setRange(1, 1000);
    ThinStepBox->setValue(2);
    bindText(ThinStepBox, "suffix", tx("TTextImport", " 行ごと"));
    thinning->addWidget(ThinAutoButton);
    thinning->addWidget(ThinStepButton);
    thinning->addWidget(ThinStepBox);
    thinning->addStretch();
    auto* thinLabel = new QLabel(dialectGroup);
    bindText(thinLabel, "text", tx("TTextImport", "間引き"));
    grid->addWidget(thinLabel, 2, 2, Qt::AlignRight);
    grid->addLayout(thinning, 2, 3, 1, 3);
    grid->setColumnStretch(6, 1);

    auto* previewGroup = m_previewGroup = new QGroupBox(this);
    PreviewTable = new QTableWidget(previewGroup);
    PreviewTable->setObjectName(QStringLiteral("PreviewTable"));
    PreviewTable->verticalHeader()->hide();
    PreviewTable->verticalHeader()->setDefaultSectionSize(20);
    PreviewTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PreviewTable->setSelectionMode(QAbstractItemView::NoSelection);
    PreviewTable->setWordWrap(false);
    (new QVBoxLayout(previewGroup))->addWidget(PreviewTable);

    auto* columnGroup = new QGroupBox(this);
    bindText(columnGroup, "title", tx("TTextImport", "列（チャンネルは「使う」列を順番に 16 まで）"));
    ColumnTable = new QTableWidget(0, kColumnFields, columnGroup);
    ColumnTable->setObjectName(QStringLiteral("ColumnTable"));
    onLanguageChange(ColumnTable, [table = ColumnTable] {
        table->setHorizontalHeaderLabels({app::translated(app::tx("TTextImport", "列")), app::translated(app::tx("TTextImport", "使う")),
                                          app::translated(app::tx("TTextImport", "順番")), app::translated(app::tx("TTextImport", "名前")),
                                          app::translated(app::tx("TTextImport", "単位")), app::translated(app::tx("TTextImport", "換算"))});
    });
    ColumnTable->verticalHeader()->hide();
    ColumnTable->verticalHeader()->setDefaultSectionSize(24);
    ColumnTable->setSelectionMode(QAbstractItemView::NoSelection);
    ColumnTable->setEditTriggers(QAbstractItemView::AllEditTriggers);
    ColumnTable->setMinimumHeight(130);
    ColumnTable->setColumnWidth(kColumnNumber, 40);
    ColumnTable->setColumnWidth(kUse, 48);
    ColumnTable->setColumnWidth(kOrder, 64);
    ColumnTable->setColumnWidth(kName, 260);
    ColumnTable->setColumnWidth(kUnit, 90);
    ColumnTable->horizontalHeader()->setStretchLastSection(true);
    (new QVBoxLayout(columnGroup))->addWidget(ColumnTable);

    SummaryLabel = new QLabel(this);
    SummaryLabel->setObjectName(QStringLiteral("SummaryLabel"));
    SummaryLabel->setWordWrap(true);
    SummaryLabel->setFrameShape(QFrame::Panel);
    SummaryLabel->setFrameShadow(QFrame::Sunken);
    SummaryLabel->setMargin(6);
    SummaryLabel->setMinimumHeight(84);
    SummaryLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SummaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const QRect buttonSize(0, 0, 120, 30);
    const auto button = [&](const char* name, Text caption) {
        QPushButton* b = makeButton(this, QLatin1String(name), QString(), buttonSize);
        bindText(b, "text", caption);
        return b;
    };
    DetectedButton = button("DetectedButton", tx("TTextImport", "検出値に戻す"));
    bindText(DetectedButton, "toolTip", tx("TTextImport", "ファイルから検出した読み方と列に戻します"));
    ReadButton = button("ReadButton", tx("TTextImport", "読込"));
    SaveButton = button("SaveButton", tx("TTextImport", "標準形式で保存"));
    bindText(SaveButton, "toolTip", tx("TTextImport", "この設定で読んだデータを標準CSV形式のファイルに書き出します"));
    CancelButton = button("CancelButton", tx("TTextImport", "キャンセル"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DetectedButton);
    buttons->addStretch();
    for (QPushButton* b : {ReadButton, SaveButton, CancelButton}) {
        b->setMinimumSize(buttonSize.size());
        buttons->addWidget(b);
    }
    DetectedButton->setMinimumSize(buttonSize.size());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dialectGroup);
    layout->addWidget(previewGroup, 3);
    layout->addWidget(columnGroup, 1);
    layout->addWidget(SummaryLabel);
    layout->addLayout(buttons);
}

void TTextImport::connectSignals() {
    const auto reparseEdited = [this] {
        edited();
        reparse();
    };
    for (QComboBox* box : {DelimiterBox, DecimalBox, EncodingBox})
        connect(box, &QComboBox::currentIndexChanged, this, reparseEdited);
    for (QSpinBox* box : {HeaderRowsBox, NamesRowBox, UnitsRowBox}) connect(box, &QSpinBox::valueChanged, this, reparseEdited);
    connect(SkipBadRowsBox, &QCheckBox::toggled, this, reparseEdited);
    connect(ThinAutoButton, &QRadioButton::toggled, this, [this] {
        edited();
        replan();
    });
    // Choosing an interval means thinning by it.
    connect(ThinStepBox, &QSpinBox::valueChanged, this, [this] {
        edited();
        if (!ThinStepButton->isChecked()) ThinStepButton->setChecked(true);  // replans
        else replan();
    });
    connect(ColumnTable, &QTableWidget::itemChanged, this, &TTextImport::columnItemChanged);
    connect(DetectedButton, &QPushButton::clicked, this, &TTextImport::DetectedButtonClick);
    connect(ReadButton, &QPushButton::clicked, this, &TTextImport::ReadButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &TTextImport::SaveButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TTextImport::load(const std::string& path, std::string_view bytes, const data::ImportSettings& detected) {
    m_path = path;
    m_bytes.assign(bytes);
    m_detected = detected;
    m_shapeKey = shapeKey(m_bytes, detected.dialect);
    m_savedPath.clear();
    showPreviewTitle();
    if (const auto remembered = recall(m_shapeKey)) {
        showSettings(*remembered);
        // The same shape under the detected dialect may still split otherwise
        // under the remembered one; columns it lacks fall back to detection.
        m_remembered = m_order == remembered->columns;
        if (m_remembered) {
            showSummary();
            return;
        }
    }
    m_remembered = false;
    showSettings(detected);
}

data::TextDialect TTextImport::dialect() const {
    data::TextDialect d;
    d.delimiter = static_cast<data::Delimiter>(DelimiterBox->currentData().toInt());
    d.decimal = static_cast<data::DecimalMark>(DecimalBox->currentData().toInt());
    d.encoding = static_cast<data::FileEncoding>(EncodingBox->currentData().toInt());
    d.headerRows = HeaderRowsBox->value();
    d.namesRow = NamesRowBox->value();
    d.unitsRow = UnitsRowBox->value();
    return d;
}

data::ImportSettings TTextImport::settings() const {
    data::ImportSettings s;
    s.dialect = dialect();
    s.columns = m_order;
    for (int column : m_order) {
        const int row = column - 1;
        s.names.push_back(toUtf8(ColumnTable->item(row, kName)->text().trimmed()));
        s.units.push_back(toUtf8(ColumnTable->item(row, kUnit)->text().trimmed()));
    }
    s.skipBadRows = SkipBadRowsBox->isChecked();
    s.thinStep = ThinAutoButton->isChecked() ? 0 : ThinStepBox->value();
    return s;
}

void TTextImport::showSettings(const data::ImportSettings& s) {
    {
        const QSignalBlocker b1(DelimiterBox), b2(DecimalBox), b3(EncodingBox), b4(HeaderRowsBox), b5(NamesRowBox),
            b6(UnitsRowBox), b7(SkipBadRowsBox), b8(ThinAutoButton), b9(ThinStepButton), b10(ThinStepBox);
        const data::TextDialect& d = s.dialect;
        DelimiterBox->setCurrentIndex(DelimiterBox->findData(static_cast<int>(d.delimiter)));
        DecimalBox->setCurrentIndex(DecimalBox->findData(static_cast<int>(d.decimal)));
        EncodingBox->setCurrentIndex(EncodingBox->findData(static_cast<int>(d.encoding)));
        HeaderRowsBox->setValue(d.headerRows);
        NamesRowBox->setMaximum(d.headerRows);
        UnitsRowBox->setMaximum(d.headerRows);
        NamesRowBox->setValue(d.namesRow);
        UnitsRowBox->setValue(d.unitsRow);
        SkipBadRowsBox->setChecked(s.skipBadRows);
        ThinAutoButton->setChecked(s.thinStep == 0);
        ThinStepButton->setChecked(s.thinStep != 0);
        if (s.thinStep != 0) ThinStepBox->setValue(s.thinStep);
    }
    ColumnTable->setRowCount(0);  // the columns start afresh from this file's header
    reparse();
    if (!s.columns.empty()) applyChannels(s);
}

void TTextImport::reparse() {
    {
        // The names and units rows lie within the header.
        const QSignalBlocker b1(NamesRowBox), b2(UnitsRowBox);
        NamesRowBox->setMaximum(HeaderRowsBox->value());
        UnitsRowBox->setMaximum(HeaderRowsBox->value());
    }
    const data::TextDialect d = dialect();
    m_parsed = data::parseDelimitedText(m_bytes, d, SkipBadRowsBox->isChecked());
    m_preview = data::previewLines(m_bytes, d, kPreviewLines);
    showPreview();
    syncColumns();
    replan();
}

void TTextImport::edited() {
    m_remembered = false;
    m_savedPath.clear();
}

void TTextImport::replan() {
    m_plan = {};
    if (m_parsed.failure.empty()) m_plan = data::planImport(m_parsed, settings());
    const bool readable = m_parsed.failure.empty() && m_plan.failure.empty();
    ReadButton->setEnabled(readable);
    SaveButton->setEnabled(readable);
    showSummary();
}

void TTextImport::showPreview() {
    const data::TextDialect d = dialect();
    int fields = 0;
    for (const auto& line : m_preview) fields = std::max(fields, static_cast<int>(line.fields.size()));
    fields = std::min(fields, kPreviewFields);
    PreviewTable->clear();
    PreviewTable->setRowCount(static_cast<int>(m_preview.size()));
    PreviewTable->setColumnCount(2 + fields);
    QStringList headings{app::translated(app::tx("TTextImport", "行")), app::translated(app::tx("TTextImport", "読んだまま"))};
    for (int f = 1; f <= fields; ++f) headings << QString::number(f);
    PreviewTable->setHorizontalHeaderLabels(headings);
    const QColor headerShade = palette().color(QPalette::Button);
    for (int r = 0; r < static_cast<int>(m_preview.size()); ++r) {
        const data::PreviewLine& line = m_preview[static_cast<std::size_t>(r)];
        const int headerRow = r + 1;  // preview rows are the file's non-blank lines, as header rows count
        QString role;
        if (headerRow <= d.headerRows)
            role = headerRow == d.namesRow   ? app::translated(app::tx("TTextImport", "名前"))
                   : headerRow == d.unitsRow ? app::translated(app::tx("TTextImport", "単位"))
                                             : app::translated(app::tx("TTextImport", "見出し"));
        auto* number = fixedItem(QString::number(line.lineNumber) + (role.isEmpty() ? QString() : QLatin1Char(' ') + role));
        PreviewTable->setItem(r, 0, number);
        // A tab would show as nothing at all; the arrow shows where it is.
        QString text = fromUtf8(line.text);
        text.replace(QLatin1Char('\t'), QStringLiteral("→"));
        PreviewTable->setItem(r, 1, fixedItem(text));
        for (int f = 0; f < fields && f < static_cast<int>(line.fields.size()); ++f) {
            auto* item = fixedItem(fromUtf8(line.fields[static_cast<std::size_t>(f)]));
            if (role.isEmpty()) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            PreviewTable->setItem(r, 2 + f, item);
        }
        // The line that stops the read in red; lines read past in grey.
        const bool failed = line.lineNumber == m_parsed.failureLine && !m_parsed.failure.empty();
        const bool skipped = std::find(m_parsed.skippedLines.begin(), m_parsed.skippedLines.end(), line.lineNumber) !=
                             m_parsed.skippedLines.end();
        for (int c = 0; c < PreviewTable->columnCount(); ++c) {
            QTableWidgetItem* item = PreviewTable->item(r, c);
            if (!item) PreviewTable->setItem(r, c, item = fixedItem(QString()));
            if (!role.isEmpty()) item->setBackground(headerShade);
            if (failed) item->setForeground(Qt::red);
            if (skipped) item->setForeground(Qt::gray);
        }
    }
    // Wide enough for what the lines hold, narrow enough that several fields show.
    PreviewTable->resizeColumnsToContents();
    PreviewTable->setColumnWidth(1, std::clamp(PreviewTable->columnWidth(1), 160, 420));
    for (int f = 0; f < fields; ++f)
        PreviewTable->setColumnWidth(2 + f, std::clamp(PreviewTable->columnWidth(2 + f), 64, 220));
}

int TTextImport::fileColumnCount() const {
    if (m_parsed.columnCount > 0) return m_parsed.columnCount;
    // The first data row is bad: its fields still tell how many columns there are.
    const auto first = static_cast<std::size_t>(HeaderRowsBox->value());
    return first < m_preview.size() ? static_cast<int>(m_preview[first].fields.size()) : 0;
}

QString TTextImport::headerText(int row, int column) const { return trimmedField(m_parsed.header, row, column); }

void TTextImport::syncColumns() {
    const int count = fileColumnCount();
    std::vector<QString> names(static_cast<std::size_t>(count)), units(static_cast<std::size_t>(count));
    for (int c = 1; c <= count; ++c) {
        names[static_cast<std::size_t>(c - 1)] = headerText(NamesRowBox->value(), c);
        units[static_cast<std::size_t>(c - 1)] = headerText(UnitsRowBox->value(), c);
    }
    const bool sameColumns = count == ColumnTable->rowCount();
    const bool namesMoved = !sameColumns || names != m_headerNames;
    const bool unitsMoved = !sameColumns || units != m_headerUnits;
    m_headerNames = std::move(names);
    m_headerUnits = std::move(units);
    if (!sameColumns) {
        buildColumnRows(count);
        return;
    }
    // Another names or units row brings its texts; edits of the other field stay.
    m_filling = true;
    for (int c = 1; c <= count; ++c) {
        const auto i = static_cast<std::size_t>(c - 1);
        if (namesMoved) ColumnTable->item(c - 1, kName)->setText(m_headerNames[i]);
        if (unitsMoved) {
            ColumnTable->item(c - 1, kUnit)->setText(m_headerUnits[i]);
            ColumnTable->item(c - 1, kConversion)->setText(conversionText(m_headerUnits[i]));
        }
    }
    m_filling = false;
}

void TTextImport::buildColumnRows(int count) {
    m_filling = true;
    ColumnTable->setRowCount(count);
    m_order.clear();
    for (int c = 1; c <= std::min(count, data::kMaxChannels); ++c) m_order.push_back(c);
    for (int c = 1; c <= count; ++c) {
        const int row = c - 1;
        const auto i = static_cast<std::size_t>(row);
        auto* number = fixedItem(QString::number(c));
        number->setTextAlignment(Qt::AlignCenter);
        ColumnTable->setItem(row, kColumnNumber, number);
        auto* use = new QTableWidgetItem;
        use->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        use->setCheckState(c <= data::kMaxChannels ? Qt::Checked : Qt::Unchecked);
        ColumnTable->setItem(row, kUse, use);
        auto* order = new QSpinBox;
        order->setObjectName(QStringLiteral("OrderBox%1").arg(c));
        order->setFrame(false);
        ColumnTable->setCellWidget(row, kOrder, order);
        connect(order, &QSpinBox::valueChanged, this, [this, c](int position) { orderChanged(c, position); });
        ColumnTable->setItem(row, kName, new QTableWidgetItem(m_headerNames[i]));
        ColumnTable->setItem(row, kUnit, new QTableWidgetItem(m_headerUnits[i]));
        ColumnTable->setItem(row, kConversion, fixedItem(conversionText(m_headerUnits[i])));
    }
    m_filling = false;
    showOrder();
}

void TTextImport::applyChannels(const data::ImportSettings& s) {
    const int count = ColumnTable->rowCount();
    // Not this file's columns (or a damaged settings file): keep what was detected.
    std::vector<int> sorted = s.columns;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end() || sorted.front() < 1 || sorted.back() > count)
        return;
    m_filling = true;
    m_order = s.columns;
    for (int c = 1; c <= count; ++c) {
        const auto at = std::find(m_order.begin(), m_order.end(), c);
        ColumnTable->item(c - 1, kUse)->setCheckState(at != m_order.end() ? Qt::Checked : Qt::Unchecked);
        if (at == m_order.end()) continue;
        const auto i = static_cast<std::size_t>(at - m_order.begin());
        if (i < s.names.size()) ColumnTable->item(c - 1, kName)->setText(fromUtf8(s.names[i]));
        if (i < s.units.size()) {
            ColumnTable->item(c - 1, kUnit)->setText(fromUtf8(s.units[i]));
            ColumnTable->item(c - 1, kConversion)->setText(conversionText(fromUtf8(s.units[i])));
        }
    }
    m_filling = false;
    showOrder();
    replan();
}

QSpinBox* TTextImport::orderBox(int column) const {
    return qobject_cast<QSpinBox*>(ColumnTable->cellWidget(column - 1, kOrder));
}

void TTextImport::showOrder() {
    const int used = static_cast<int>(m_order.size());
    for (int c = 1; c <= ColumnTable->rowCount(); ++c) {
        QSpinBox* box = orderBox(c);
        const QSignalBlocker quiet(box);
        const auto at = std::find(m_order.begin(), m_order.end(), c);
        // The dash stands for "not used"; a used column's first place is a plain 1.
        if (at == m_order.end()) {
            box->setSpecialValueText(app::translated(app::tx("TTextImport", "－")));
            box->setRange(0, 0);
            box->setEnabled(false);
        } else {
            box->setSpecialValueText(QString());
            box->setRange(1, used);
            box->setValue(static_cast<int>(at - m_order.begin()) + 1);
            box->setEnabled(true);
        }
    }
}

void TTextImport::columnItemChanged(QTableWidgetItem* item) {
    if (m_filling || item->column() == kConversion || item->column() == kColumnNumber) return;
    edited();
    const int column = item->row() + 1;
    if (item->column() == kUse) {
        const auto at = std::find(m_order.begin(), m_order.end(), column);
        const bool used = item->checkState() == Qt::Checked;
        if (used && at == m_order.end()) m_order.push_back(column);
        if (!used && at != m_order.end()) m_order.erase(at);
        showOrder();
    } else if (item->column() == kUnit) {
        m_filling = true;
        ColumnTable->item(item->row(), kConversion)->setText(conversionText(item->text().trimmed()));
        m_filling = false;
    }
    replan();
}

void TTextImport::orderChanged(int column, int position) {
    const auto at = std::find(m_order.begin(), m_order.end(), column);
    if (at == m_order.end() || position < 1) return;
    edited();
    // The column moves to its new place; the ones between close up behind it.
    m_order.erase(at);
    m_order.insert(m_order.begin() + std::min(position - 1, static_cast<int>(m_order.size())), column);
    showOrder();
    replan();
}

void TTextImport::showSummary() {
    QStringList lines;
    const auto failedWith = [&](const QString& why) {
        lines << app::translated(app::tx("TTextImport", "読み込めません: ")) + why;
        SummaryLabel->setStyleSheet(QStringLiteral("color: #c00000;"));
    };
    SummaryLabel->setStyleSheet(QString());
    if (!m_parsed.failure.empty()) {
        failedWith(fromUtf8(m_parsed.failure));
        if (!SkipBadRowsBox->isChecked() && m_parsed.rows > 0)
            lines << app::translated(app::tx("TTextImport", "「不正な行を読み飛ばす」にチェックすると、その行を除いて読み込みます"));
    } else if (!m_plan.failure.empty()) {
        failedWith(fromUtf8(m_plan.failure));
    } else {
        const int kept = static_cast<int>(m_plan.keptRows.size());
        const int channels = static_cast<int>(m_plan.columns.size());
        if (m_plan.thinned)
            lines << app::translated(app::tx("TTextImport", "%1 行 → %2 行（%3 行ごとに間引き、反転点と最大・最小荷重の行は残します）、%4 チャンネル"))
                         .arg(grouped(m_parsed.rows), grouped(kept))
                         .arg(m_plan.step)
                         .arg(channels);
        else
            lines << app::translated(app::tx("TTextImport", "%1 行、%2 チャンネルを読み込みます")).arg(grouped(kept)).arg(channels);
        if (m_parsed.skippedRows > 0) {
            QStringList at;
            for (std::size_t i = 0; i < m_parsed.skippedLines.size() && i < 5; ++i)
                at << QString::number(m_parsed.skippedLines[i]);
            lines << app::translated(app::tx("TTextImport", "不正な行 %1 行を読み飛ばします（第 %2 行%3）"))
                         .arg(grouped(m_parsed.skippedRows), at.join(QStringLiteral(", ")),
                              m_parsed.skippedRows > static_cast<int>(at.size()) ? app::translated(app::tx("TTextImport", " ほか"))
                                                                                 : QString());
        }
        if (m_plan.forceChannel >= 0) {
            const auto i = static_cast<std::size_t>(m_plan.forceChannel);
            lines << app::translated(app::tx("TTextImport", "荷重: %1 CH「%2」（%3）"))
                         .arg(m_plan.forceChannel + 1)
                         .arg(fromUtf8(m_plan.names[i]), fromUtf8(m_plan.units[i].to));
        } else {
            lines << app::translated(app::tx("TTextImport", "荷重の列がありません（単位 kN, N, kgf などの列を「使う」にしてください）"));
        }
    }
    if (m_remembered) lines << app::translated(app::tx("TTextImport", "同じ形のファイルを前回読み込んだときの設定です"));
    if (!m_savedPath.isEmpty()) lines << app::translated(app::tx("TTextImport", "保存しました: ")) + m_savedPath;
    SummaryLabel->setText(lines.join(QLatin1Char('\n')));
}

void TTextImport::DetectedButtonClick() {
    edited();
    showSettings(m_detected);
}

void TTextImport::remember() const {
    const data::ImportSettings s = settings();
    const auto store = openSettings();
    store->remove(m_shapeKey);
    store->beginGroup(m_shapeKey);
    store->setValue(QStringLiteral("delimiter"), QLatin1String(data::delimiterName(s.dialect.delimiter)));
    store->setValue(QStringLiteral("decimal"), QLatin1String(data::decimalName(s.dialect.decimal)));
    store->setValue(QStringLiteral("encoding"), QLatin1String(data::encodingName(s.dialect.encoding)));
    store->setValue(QStringLiteral("headerRows"), s.dialect.headerRows);
    store->setValue(QStringLiteral("namesRow"), s.dialect.namesRow);
    store->setValue(QStringLiteral("unitsRow"), s.dialect.unitsRow);
    store->setValue(QStringLiteral("skipBadRows"), s.skipBadRows);
    store->setValue(QStringLiteral("thinStep"), s.thinStep);
    store->beginWriteArray(QStringLiteral("channels"), static_cast<int>(s.columns.size()));
    for (std::size_t i = 0; i < s.columns.size(); ++i) {
        store->setArrayIndex(static_cast<int>(i));
        store->setValue(QStringLiteral("column"), s.columns[i]);
        store->setValue(QStringLiteral("name"), fromUtf8(s.names[i]));
        store->setValue(QStringLiteral("unit"), fromUtf8(s.units[i]));
    }
    store->endArray();
    store->endGroup();
}

void TTextImport::ReadButtonClick() {
    remember();
    accept();
}

void TTextImport::SaveButtonClick() {
    const QFileInfo source(fromPath(m_path));
    ui::FileDialogRequest request;
    request.title = toUtf8(app::translated(app::tx("TTextImport", "標準形式で保存")));
    request.filter = toUtf8(app::translated(app::tx("TTextImport", "標準ﾃﾞｰﾀﾌｧｲﾙ (*.csv)|*.csv|すべて (*.*)|*.*")));
    request.defaultExtension = "csv";
    request.initialPath = toPath(source.absolutePath() + QLatin1Char('/') + source.completeBaseName() +
                                 QStringLiteral(".kvx.csv"));
    const auto chosen = m_interaction->chooseSaveFile(request);
    if (!chosen) return;
    const std::string path = data::withCsvExtension(*chosen);
    // The lab's own record is the one thing that must never be replaced.
    if (QFileInfo(fromPath(path)).absoluteFilePath() == source.absoluteFilePath()) {
        m_interaction->message(toUtf8(app::translated(app::tx("TTextImport", "読み込み中のファイルには保存できません．別の名前を指定してください\n"))) + path,
                               toUtf8(app::translated(app::tx("TTextImport", "標準形式で保存"))), ui::Icon::Warning);
        return;
    }
    auto table = std::make_unique<data::MeasurementData>();
    if (!data::importDelimitedText(m_bytes, settings(), m_forceUnit, *m_interaction, *table)) return;
    if (!data::writeDataSet(path, *table)) {
        m_interaction->message(toUtf8(app::translated(app::tx("TTextImport", "標準形式のファイルを保存できませんでした\n"))) + path,
                               toUtf8(app::translated(app::tx("TTextImport", "ファイル出力エラー"))), ui::Icon::Warning);
        return;
    }
    remember();
    m_savedPath = fromPath(path);
    showSummary();
}

}  // namespace kvx::app

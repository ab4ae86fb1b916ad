// Data list window: layout, scrolling, corrections and saving.
#include "app/t_data_list.h"

#include "app/controls.h"
#include "app/data_list_model.h"
#include "app/qt_canvas.h"
#include "app/qt_text.h"
#include "data/data_list.h"
#include "data/standard_csv_writer.h"
#include "plot/canvas.h"
#include "text/printf.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace kvx::app {
namespace {

constexpr int kRowHeight = 20;

QPushButton* makeButton(QWidget* parent, const char* name, Text caption, const char* hint = nullptr) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    bindText(b, "text", caption);
    if (hint != nullptr) bindText(b, "toolTip", Text{caption.context, hint});
    b->setAutoDefault(false);
    b->setMinimumWidth(80);
    return b;
}

QLabel* makeLabel(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QLabel* makeLabel(QWidget* parent, const char* name, Text text) {
    QLabel* l = makeLabel(parent, name);
    bindText(l, "text", text);
    return l;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, const QString& text, int width) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QLatin1String(name));
    e->setFixedWidth(width);
    return e;
}

}  // namespace

TDataList::TDataList(OpeningState& state, ui::Interaction& interaction, QWidget* parent)
    : QDialog(parent), m_state(state), m_interaction(&interaction) {
    setObjectName(QStringLiteral("TDataList"));
    bindText(this, "windowTitle", tx("TDataList", "　計測データリスト"));
    setModal(false);
    buildControls();
    connectSignals();
    resize(820, 600);
}

void TDataList::buildControls() {
    auto* top = new QHBoxLayout;
    Label2 = makeLabel(this, "Label2");
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label3 = makeLabel(this, "Label3");
    Label4 = makeLabel(this, "Label4");
    Label1 = makeLabel(this, "Label1", tx("TDataList", "ステップ"));
    Edit1 = makeEdit(this, "Edit1", QStringLiteral("1"), 80);
    bindText(Edit1, "toolTip", tx("TDataList", "表示ｽﾃｯﾌﾟ番号設定"));
    top->addWidget(Label2, 1);
    top->addSpacing(12);
    top->addWidget(Label4);
    top->addSpacing(24);
    top->addWidget(Label1);
    top->addWidget(Edit1);
    top->addWidget(Label3);

    m_model = new DataListModel(m_state.data, this);
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setModel(m_model);
    QFont gridFont(fontFamilyFor(plot::kGothic));  // fixed pitch: the formats line the digits up
    gridFont.setPixelSize(13);
    StringGrid1->setFont(gridFont);
    StringGrid1->verticalHeader()->hide();
    // Fixed row heights keep 30,000 rows as cheap as 30.
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setWordWrap(false);

    auto* bottom = new QHBoxLayout;
    CBCorrect = new QCheckBox(this);
    bindText(CBCorrect, "text", tx("TDataList", "データ修正"));
    CBCorrect->setObjectName(QStringLiteral("CBCorrect"));
    Button2 = makeButton(this, "Button2", tx("TDataList", "変　更"), QT_TRANSLATE_NOOP("TDataList", "データを変更する"));
    Label5 = makeLabel(this, "Label5", tx("TDataList", "削除範囲"));
    Edit2 = makeEdit(this, "Edit2", QStringLiteral("開始ｽﾃｯﾌﾟ"), 80);
    followDefaults(Edit2, {tx("TDataList", "開始ｽﾃｯﾌﾟ")});
    Label6 = makeLabel(this, "Label6", tx("TDataList", "から"));
    Edit3 = makeEdit(this, "Edit3", QStringLiteral("終了ｽﾃｯﾌﾟ"), 80);
    followDefaults(Edit3, {tx("TDataList", "終了ｽﾃｯﾌﾟ")});
    Label7 = makeLabel(this, "Label7", tx("TDataList", "まで"));
    Button3 = makeButton(this, "Button3", tx("TDataList", "行削除"));
    CheckBox1 = new QCheckBox(this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    bindText(CheckBox1, "text", tx("TDataList", "確認"));
    bindText(CheckBox1, "toolTip", tx("TDataList", "行削除の前に確認する"));
    CheckBox1->setChecked(true);
    Button4 = makeButton(this, "Button4", tx("TDataList", "保存"), QT_TRANSLATE_NOOP("TDataList", "編集したデータを保存する"));
    Button1 = makeButton(this, "Button1", tx("TDataList", "閉じる"));
    for (QWidget* w : std::initializer_list<QWidget*>{Button2, Button3, Button4, Edit2, Edit3}) w->setEnabled(false);
    bottom->addWidget(CBCorrect);
    bottom->addWidget(Button2);
    bottom->addSpacing(16);
    bottom->addWidget(Label5);
    bottom->addWidget(Edit2);
    bottom->addWidget(Label6);
    bottom->addWidget(Edit3);
    bottom->addWidget(Label7);
    bottom->addWidget(Button3);
    bottom->addWidget(CheckBox1);
    bottom->addStretch(1);
    bottom->addWidget(Button4);
    bottom->addWidget(Button1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(StringGrid1, 1);
    layout->addLayout(bottom);
}

void TDataList::connectSignals() {
    connect(Edit1, &QLineEdit::textChanged, this, &TDataList::Edit1Change);
    connect(CBCorrect, &QCheckBox::clicked, this, &TDataList::CBCorrectClick);
    connect(StringGrid1, &QTableView::clicked, this, &TDataList::StringGrid1Click);
    connect(m_model, &DataListModel::cellTextTyped, this, &TDataList::StringGrid1SetEditText);
    // The grid's captions are the only words in it.
    onLanguageChange(m_model, [this] { m_model->rebuild(); });
    connect(Button1, &QPushButton::clicked, this, &TDataList::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TDataList::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TDataList::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TDataList::Button4Click);
}

void TDataList::showList() {
    rebuild();
    show();
    raise();
    activateWindow();
}

void TDataList::rebuild() {
    const data::MeasurementData& d = m_state.data;
    Label2->setText(fromPath(m_state.DataFileName));
    Label3->setText(QStringLiteral("/ %1").arg(d.RowCount));
    setLiveText(Label4, "text", [read = d.channelCount(), all = m_state.FileChannelCount] {
        return trFormat(tx("TDataList", "読込チャンネル %d / 全チャンネル　%d"), read, all);
    });

    // A rebuild after a correction keeps the place the user was looking at.
    const int scrolled = StringGrid1->verticalScrollBar()->value();
    const int scrolledAcross = StringGrid1->horizontalScrollBar()->value();
    const QModelIndex current = StringGrid1->currentIndex();
    m_model->rebuild();

    // Widths from a wide value text and the header: measuring 30,000 rows would stall.
    const QFontMetrics metrics(StringGrid1->font());
    const QFontMetrics headerMetrics(StringGrid1->horizontalHeader()->font());
    int headerLines = 1;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const QStringList lines = m_model->headerData(column, Qt::Horizontal).toString().split(QLatin1Char('\n'));
        headerLines = std::max(headerLines, static_cast<int>(lines.size()));
        int width = metrics.horizontalAdvance(column == 0 ? QStringLiteral("999999999") : QStringLiteral("-1234567.000 "));
        for (const QString& line : lines) width = std::max(width, headerMetrics.horizontalAdvance(line));
        StringGrid1->setColumnWidth(column, width + 14);
    }
    StringGrid1->horizontalHeader()->setFixedHeight(headerLines * headerMetrics.height() + 8);

    if (current.isValid() && current.row() < m_model->rowCount() && current.column() < m_model->columnCount())
        StringGrid1->setCurrentIndex(m_model->index(current.row(), current.column()));
    StringGrid1->verticalScrollBar()->setValue(scrolled);
    StringGrid1->horizontalScrollBar()->setValue(scrolledAcross);
}

void TDataList::showRowNumber(int rowNumber) { Edit1->setText(QString::number(rowNumber)); }

void TDataList::Edit1Change(const QString& text) {
    if (text.isEmpty()) return;
    const auto row = data::parseWholeNumber(toUtf8(text));
    // The last row too: point picking hands over any row it finds.
    if (!row || *row <= 0 || *row > m_model->rowCount()) return;
    const int column = std::max(StringGrid1->currentIndex().column(), m_model->columnCount() > 1 ? 1 : 0);
    const QModelIndex target = m_model->index(*row - 1, column);
    StringGrid1->scrollTo(target, QAbstractItemView::PositionAtTop);
    StringGrid1->setCurrentIndex(target);
}

void TDataList::CBCorrectClick(bool checked) {
    m_model->setEditable(checked);
    StringGrid1->setEditTriggers(checked ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                               QAbstractItemView::AnyKeyPressed
                                         : QAbstractItemView::NoEditTriggers);
}

void TDataList::StringGrid1SetEditText() {
    Button2->setEnabled(true);
    Button3->setEnabled(true);
    Button4->setEnabled(true);
}

void TDataList::StringGrid1Click(const QModelIndex& index) {
    if (!CBCorrect->isChecked() || !index.isValid()) return;
    const QString row = QString::number(index.row() + 1);
    Edit2->setText(row);
    Edit3->setText(row);
    Edit2->setEnabled(true);
    Edit3->setEnabled(true);
    Button3->setEnabled(true);
}

void TDataList::Button2Click() {
    const QModelIndex index = StringGrid1->currentIndex();
    if (!m_model->isValueCell(index) || index.row() >= m_state.data.RowCount) {
        m_interaction->message(trText(tx("TDataList", "変更するデータのセルを選択してください")),
                               trText(tx("TDataList", "データ修正")), ui::Icon::Warning);
        return;
    }
    const int rowNumber = index.row() + 1;
    const int channel = index.column();
    Edit2->setText(QString::number(rowNumber));
    Edit3->setText(QString::number(rowNumber));
    const std::string cellText = toUtf8(m_model->cellText(index.row(), index.column()));
    const std::string question =
        trFormat(tx("TDataList", "%d ステップ　%d CH のデータを %s に変更しますか？　　　"), rowNumber, channel,
                 cellText.c_str())
            .toStdString();
    if (m_interaction->ask(question, trText(tx("TDataList", "データ修正")), ui::Buttons::OkCancel,
                           ui::Icon::None) != ui::Answer::Ok)
        return;
    const std::optional<float> value = data::parseCellValue(cellText);
    if (!value) {
        m_interaction->message(cellText + trText(tx("TDataList", " は単精度の範囲を超えるため変更できません")),
                               trText(tx("TDataList", "データ修正")), ui::Icon::Warning);
        return;
    }
    m_state.data.cell(index.row(), channel - 1) = *value;
    afterCorrection();
}

void TDataList::Button3Click() {
    const auto first = data::parseWholeNumber(toUtf8(Edit2->text()));
    const auto last = data::parseWholeNumber(toUtf8(Edit3->text()));
    if (!first || !last || !data::isValidDeleteRange(*first, *last, m_state.data.RowCount)) {
        m_interaction->ask(trText(tx("TDataList", "削除ステップ指定エラー　　　　　")),
                           trText(tx("TDataList", "ステップ削除")), ui::Buttons::OkCancel, ui::Icon::Warning);
        return;
    }
    if (CheckBox1->isChecked()) {
        const std::string question =
            trFormat(tx("TDataList", "ステップ %d ～ %d を削除しますか　　　　　　"), *first, *last).toStdString();
        if (m_interaction->ask(question, trText(tx("TDataList", "ステップ削除")), ui::Buttons::OkCancel,
                               ui::Icon::None) != ui::Answer::Ok)
            return;
    }
    data::deleteRows(m_state.data, *first, *last);
    afterCorrection();
}

void TDataList::afterCorrection() {
    ++m_state.dataIdentity;
    rebuild();
    emit dataChanged();
    Button4->setEnabled(true);
}

void TDataList::Button4Click() {
    ui::FileDialogRequest request;
    request.title = trText(tx("TDataList", "修正データの保存"));
    request.filter = translated(tx("TDataList", "修正ファイル(*.csv)|*.csv|すべて|*.*")).toStdString();
    request.defaultExtension = "csv";
    request.initialPath = m_state.DataDirectory;
    const auto chosen = m_interaction->chooseSaveFile(request);
    if (!chosen) return;
    const std::string path = data::withCsvExtension(*chosen);
    if (!data::writeDataSet(path, m_state.data))
        m_interaction->message(trText(tx("TDataList", "修正データを保存できませんでした\n")) + path,
                               trText(tx("TDataList", "ファイル出力エラー")), ui::Icon::Warning);
}

void TDataList::Button1Click() { close(); }

}  // namespace kvx::app

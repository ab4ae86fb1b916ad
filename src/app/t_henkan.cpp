// Conversion window: layout, formula switch, conversion, drawing, saves, reset.
#include "app/t_henkan.h"

#include "app/controls.h"
#include "app/qt_canvas.h"
#include "app/qt_text.h"
#include "app/radio_group.h"
#include "data/data_list.h"
#include "data/standard_csv_writer.h"
#include "plot/canvas.h"
#include "text/number.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <cmath>
#include <limits>

namespace kvx::app {
namespace {

QLabel* makeLabel(QWidget* parent, const QString& text, int x, int y, int width, int height = 22) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, width, height);
    return l;
}

QLabel* makeLabel(QWidget* parent, Text text, int x, int y, int width) {
    QLabel* l = makeLabel(parent, QString(), x, y, width);
    bindText(l, "text", text);
    return l;
}

QSpinBox* makeChannelBox(QWidget* parent, const char* name, int value, int x, int y) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(1, data::kMaxChannels);
    box->setValue(value);
    box->setGeometry(x, y, 56, 24);
    return box;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, const QString& text, int x, int y, int width) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(x, y, width, 24);
    return e;
}

RadioGroup* makeSign(QWidget* parent, const char* name, int item, int x, int y) {
    // Full-width signs in Japanese, as the original form showed them.
    auto* group = new RadioGroup(Text{"THenkan", ""}, {tx("THenkan", "＋"), tx("THenkan", "－")}, 1, parent);
    group->setObjectName(QLatin1String(name));
    group->setItemIndex(item);
    group->setGeometry(x, y, 52, 52);
    return group;
}

QPushButton* makeButton(QWidget* parent, const char* name, Text caption, const char* hint, int x, int y) {
    auto* b = app::makeButton(parent, QLatin1String(name), caption, QRect(x, y, 80, 30));
    if (hint != nullptr) bindText(b, "toolTip", Text{caption.context, hint});
    return b;
}

int signOf(const RadioGroup* group) { return group->itemIndex() == 1 ? -1 : +1; }

// The whole text as a number (blanks around it allowed), as the edit boxes
// ask for one; nothing for anything else.
std::optional<double> wholeNumber(const QString& text) {
    const std::string s = toUtf8(text.trimmed());
    if (s.empty() || text::leadingNumberLength(s) != s.size()) return std::nullopt;
    const double value = text::parseLeadingDouble(s);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

THenkan::THenkan(OpeningState& state, ui::Interaction& interaction, QWidget* parent)
    : QDialog(parent), m_state(state), m_interaction(&interaction) {
    setObjectName(QStringLiteral("THenkan"));
    bindText(this, "windowTitle", tx("THenkan", "変形角に変換"));
    setModal(false);
    setFixedSize(520, 420);
    buildControls();
    connectSignals();
    FormCreate();
}

void THenkan::buildControls() {
    RadioGroup1 = new RadioGroup(QString(), {QStringLiteral("A"), QStringLiteral("B")}, 2, this);
    bindText(RadioGroup1, "title", tx("THenkan", "変換式"));
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    bindText(RadioGroup1, "toolTip", tx("THenkan", "変換式を選択"));
    RadioGroup1->setGeometry(10, 8, 130, 50);
    RadioGroup1->setItemIndex(0);

    auto* groupA = new QGroupBox(this);
    bindText(groupA, "title", tx("THenkan", "変換式 A　変形角 = ( ±CH a  ±CH b ) / L"));
    groupA->setGeometry(10, 66, 500, 84);
    RadioGroup2 = makeSign(groupA, "RadioGroup2", 0, 10, 22);
    makeLabel(groupA, QStringLiteral("CH a"), 68, 36, 34);
    Edit1 = makeChannelBox(groupA, "Edit1", 2, 104, 35);
    RadioGroup3 = makeSign(groupA, "RadioGroup3", 1, 180, 22);
    makeLabel(groupA, QStringLiteral("CH b"), 238, 36, 34);
    Edit2 = makeChannelBox(groupA, "Edit2", 3, 274, 35);
    makeLabel(groupA, QStringLiteral("L"), 360, 36, 14);
    Edit3 = makeEdit(groupA, "Edit3", QStringLiteral("2730"), 378, 35, 90);

    auto* groupB = new QGroupBox(this);
    bindText(groupB, "title", tx("THenkan", "変換式 B　変形角 = ( ±CH c  + d ) / L"));
    groupB->setGeometry(10, 158, 500, 84);
    RadioGroup4 = makeSign(groupB, "RadioGroup4", 0, 10, 22);
    makeLabel(groupB, QStringLiteral("CH c"), 68, 36, 34);
    Edit4 = makeChannelBox(groupB, "Edit4", 2, 104, 35);
    makeLabel(groupB, QStringLiteral("d"), 186, 36, 14);
    Edit5 = makeEdit(groupB, "Edit5", QStringLiteral("0"), 204, 35, 90);
    makeLabel(groupB, QStringLiteral("L"), 360, 36, 14);
    Edit6 = makeEdit(groupB, "Edit6", QStringLiteral("2730"), 378, 35, 90);

    makeLabel(this, tx("THenkan", "変換CH"), 14, 254, 56);
    Edit7 = makeChannelBox(this, "Edit7", 1, 72, 253);
    bindText(Edit7, "toolTip", tx("THenkan", "変換結果を入れるチャンネル"));
    makeLabel(this, tx("THenkan", "測点名"), 150, 254, 46);
    Edit9 = makeEdit(this, "Edit9", QStringLiteral("変形角"), 198, 253, 130);
    makeLabel(this, tx("THenkan", "単位"), 346, 254, 34);
    Edit10 = makeEdit(this, "Edit10", QStringLiteral("rad"), 382, 253, 90);

    makeLabel(this, tx("THenkan", "変換状態"), 14, 296, 64);
    Label17 = makeLabel(this, QString(), 80, 296, 200);
    Label17->setObjectName(QStringLiteral("Label17"));
    QFont statusFont(fontFamilyFor(plot::kGothic));  // fixed pitch: one column per slot
    statusFont.setPixelSize(14);
    Label17->setFont(statusFont);

    Button1 = makeButton(this, "Button1", tx("THenkan", "変換"), nullptr, 10, 340);
    Button2 = makeButton(this, "Button2", tx("THenkan", "個別保存"),
                         QT_TRANSLATE_NOOP("THenkan", "加力と変換データのみファイル保存"), 94, 340);
    Button3 = makeButton(this, "Button3", tx("THenkan", "追加保存"),
                         QT_TRANSLATE_NOOP("THenkan", "現在のデータの後ろに追加保存"), 178, 340);
    Button4 = makeButton(this, "Button4", tx("THenkan", "グラフ"), nullptr, 262, 340);
    Button5 = makeButton(this, "Button5", tx("THenkan", "リセット"), QT_TRANSLATE_NOOP("THenkan", "初期状態に戻す"), 346, 340);
    Button6 = makeButton(this, "Button6", tx("THenkan", "閉じる"), nullptr, 430, 340);
}

void THenkan::connectSignals() {
    connect(RadioGroup1, &RadioGroup::itemClicked, this, &THenkan::RadioGroup1Click);
    connect(Button1, &QPushButton::clicked, this, &THenkan::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &THenkan::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &THenkan::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &THenkan::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &THenkan::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &THenkan::Button6Click);
}

void THenkan::FormCreate() {
    RadioGroup1Click(RadioGroup1->itemIndex());
    Button5Click();
}

int THenkan::slot() const { return Edit7->value(); }

void THenkan::RadioGroup1Click(int item) {
    const bool formulaA = item == 0;
    for (QWidget* w : std::initializer_list<QWidget*>{RadioGroup2, RadioGroup3, Edit1, Edit2, Edit3})
        w->setEnabled(formulaA);
    for (QWidget* w : std::initializer_list<QWidget*>{RadioGroup4, Edit4, Edit5, Edit6}) w->setEnabled(!formulaA);
}

std::optional<data::AngleFormulaSettings> THenkan::readFormula() {
    data::AngleFormulaSettings s;
    s.formula = RadioGroup1->itemIndex() == 1 ? data::AngleFormula::B : data::AngleFormula::A;
    const bool formulaA = s.formula == data::AngleFormula::A;
    const QString divisorText = (formulaA ? Edit3 : Edit6)->text();
    const auto divisor = data::parseWholeNumber(toUtf8(divisorText));
    if (!divisor) {
        m_interaction->message(trFormat(tx("THenkan", "L には整数を入力してください（%s）"), toUtf8(divisorText).c_str())
                                   .toStdString(),
                               trText(tx("THenkan", "変換エラー")), ui::Icon::Warning);
        return std::nullopt;
    }
    s.channelA = Edit1->value();
    s.signA = signOf(RadioGroup2);
    s.channelB = Edit2->value();
    s.signB = signOf(RadioGroup3);
    s.divisorA = *divisor;
    s.channelC = Edit4->value();
    s.signC = signOf(RadioGroup4);
    s.divisorB = *divisor;
    if (!formulaA) {
        const auto offset = wholeNumber(Edit5->text());
        if (!offset || std::fabs(*offset) > static_cast<double>(std::numeric_limits<float>::max())) {
            m_interaction->message(
                trFormat(tx("THenkan", "d には数値を入力してください（%s）"), toUtf8(Edit5->text()).c_str()).toStdString(),
                trText(tx("THenkan", "変換エラー")), ui::Icon::Warning);
            return std::nullopt;
        }
        s.offsetD = static_cast<float>(*offset);
    }
    return s;
}

void THenkan::Button1Click() {
    if (!m_state.DataLoaded) {
        m_interaction->message(trText(tx("THenkan", "ファイルが選択されておりません")),
                               trText(tx("THenkan", "ファイル未設定")), ui::Icon::Warning);
        return;
    }
    const auto settings = readFormula();
    if (!settings) return;
    if (const auto refusal = data::conversionRefusal(m_state.data, *settings)) {
        m_interaction->message(*refusal, trText(tx("THenkan", "変換エラー")), ui::Icon::Warning);
        return;
    }
    const int k = slot();
    data::convertIntoSlot(m_state.data, *settings, k, {toCp932(Edit9->text()), toCp932(Edit10->text())},
                          m_state.convertedData, m_slots);
    m_slotSource[static_cast<std::size_t>(k)] = m_state.dataIdentity;
    emit drawRequested(k + 1);
    for (QWidget* w : std::initializer_list<QWidget*>{Button2, Button3, Button4, Edit7}) w->setEnabled(true);
    Edit7->setMaximum(m_slots.selectableSlots());
    showStatus();
}

void THenkan::Button4Click() {
    const int k = slot();
    if (!m_slots.converted(k)) {
        m_interaction->message(trText(tx("THenkan", "この変換チャンネルの変換はされていません")),
                               trText(tx("THenkan", "未変換エラー")), ui::Icon::Warning);
        return;
    }
    emit drawRequested(k + 1);
}

std::optional<std::string> THenkan::chooseSaveFile() {
    ui::FileDialogRequest request;
    request.title = trText(tx("THenkan", "変形角変換データの保存"));
    request.filter = trText(tx("THenkan", "変形角変換ファイル(*.csv)|*.csv|すべて|*.*"));
    request.defaultExtension = "csv";
    request.initialPath = m_state.DataDirectory;
    const auto chosen = m_interaction->chooseSaveFile(request);
    if (!chosen) return std::nullopt;
    return data::withCsvExtension(*chosen);
}

void THenkan::Button2Click() {
    const auto path = chooseSaveFile();
    if (!path) return;
    const data::MeasurementData& converted = m_state.convertedData;
    if (!data::writeConvertedData(*path, data::individualSaveColumns(converted, m_slots), converted.RowCount))
        m_interaction->message(trText(tx("THenkan", "変換データを保存できませんでした\n")) + *path,
                               trText(tx("THenkan", "ファイル出力エラー")), ui::Icon::Warning);
}

void THenkan::Button3Click() {
    const data::MeasurementData& converted = m_state.convertedData;
    // Rows deleted or a new file read since the conversion: the appended
    // columns would sit beside the wrong rows.
    if (m_state.data.RowCount != converted.RowCount) {
        m_interaction->message(trText(tx("THenkan", "変換後にデータの行数が変わっています．変換し直してから保存してください")),
                               trText(tx("THenkan", "追加保存")), ui::Icon::Warning);
        return;
    }
    // Another file of the same length, or corrected values: the angle
    // columns would be saved beside data they were not computed from.
    for (int k : m_slots.convertedSlots())
        if (m_slotSource[static_cast<std::size_t>(k)] != m_state.dataIdentity) {
            m_interaction->message(trText(tx("THenkan", "変換後に別のデータが読み込まれたか、データが修正されています．"
                                                        "変換し直してから保存してください")),
                                   trText(tx("THenkan", "追加保存")), ui::Icon::Warning);
            return;
        }
    const auto path = chooseSaveFile();
    if (!path) return;
    if (!data::writeConvertedData(*path, data::appendSaveColumns(m_state.data, converted, m_slots), converted.RowCount))
        m_interaction->message(trText(tx("THenkan", "変換データを保存できませんでした\n")) + *path,
                               trText(tx("THenkan", "ファイル出力エラー")), ui::Icon::Warning);
}

void THenkan::Button5Click() {
    m_slots.reset();
    Edit7->setMaximum(1);
    Edit7->setValue(1);
    showStatus();
    for (QWidget* w : std::initializer_list<QWidget*>{Button2, Button3, Button4}) w->setEnabled(false);
}

void THenkan::Button6Click() { close(); }

void THenkan::showStatus() { Label17->setText(QString::fromLatin1(m_slots.statusText().c_str())); }

}  // namespace kvx::app

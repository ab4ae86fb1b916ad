// Data-range dialog layout, opening, validation and stepping.
#include "app/t_form3.h"

#include "app/controls.h"
#include "app/qt_text.h"
#include "plot/setting_dialog_rules.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvx::app {

RowSpinner::RowSpinner(QWidget* parent) : QSpinBox(parent) {
    setRange(plot::kFirstSpinnerRow, plot::kLastSpinnerRow);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void RowSpinner::stepBy(int steps) {
    QSpinBox::stepBy(steps);
    emit arrowClicked();
}

TForm3::TForm3(ui::Interaction& interaction, std::function<std::optional<int>()> loadedRows, QWidget* parent)
    : QDialog(parent), m_interaction(&interaction), m_loadedRows(std::move(loadedRows)) {
    setObjectName(QStringLiteral("TForm3"));
    bindText(this, "windowTitle", tx("TForm3", "データ範囲設定"));
    setModal(false);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFixedSize(330, 200);

    const auto label = [this](const QString& text, int x, int y, int w, const char* name = nullptr) {
        auto* l = new QLabel(text, this);
        l->setGeometry(x, y, w, 20);
        if (name) l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    const auto caption = [this](Text text, int x, int y, int w) {
        auto* l = new QLabel(this);
        l->setGeometry(x, y, w, 20);
        bindText(l, "text", text);
        return l;
    };
    const auto spinner = [this](const char* name, const char* editName, int value, int y) {
        auto* s = new RowSpinner(this);
        s->setObjectName(QString::fromLatin1(name));
        s->edit()->setObjectName(QString::fromLatin1(editName));
        s->setGeometry(20, y, 100, 24);
        s->setValue(value);
        return s;
    };
    const auto button = [this](const char* name, Text text, int x, int y) {
        return makeButton(this, QLatin1String(name), text, QRect(x, y, 76, 28));
    };

    Label1 = label(QString(), 16, 10, 300, "Label1");
    Label4 = label(QString(), 16, 32, 300, "Label4");
    UpDown1 = spinner("UpDown1", "Edit1", 1, 60);
    Edit1 = UpDown1->edit();
    caption(tx("TForm3", "から"), 126, 62, 40);
    UpDown2 = spinner("UpDown2", "Edit2", 500, 92);
    Edit2 = UpDown2->edit();
    caption(tx("TForm3", "まで"), 126, 94, 40);
    caption(tx("TForm3", "増分"), 180, 62, 40);
    Edit3 = new QLineEdit(QStringLiteral("500"), this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setGeometry(222, 60, 90, 24);
    Edit3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CheckBox1 = new QCheckBox(this);
    bindText(CheckBox1, "text", tx("TForm3", "自動"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(180, 94, 80, 22);

    BitBtn1 = button("BitBtn1", tx("TForm3", "次へ"), 16, 130);
    Button2 = button("Button2", tx("TForm3", "戻る"), 94, 130);
    Button3 = button("Button3", tx("TForm3", "リセット"), 172, 130);
    bindText(Button3, "toolTip", tx("TForm3", "データ先頭に戻る"));
    Button1 = button("Button1", tx("TForm3", "閉じる"), 236, 164);

    connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm3::Button3Click);
    connect(Button1, &QPushButton::clicked, this, &QDialog::close);
    connect(UpDown1, &QSpinBox::textChanged, this, &TForm3::Edit1Change);
    connect(UpDown1, &RowSpinner::arrowClicked, this, &TForm3::UpDownClick);
    connect(UpDown2, &RowSpinner::arrowClicked, this, &TForm3::UpDownClick);
}

std::optional<int> TForm3::readIncrement() {
    const std::string text = toUtf8(Edit3->text());
    const std::optional<int> increment = plot::parseInteger(text);
    if (!increment)
        m_interaction->message(plot::notAnIntegerMessage(text), plot::kConversionErrorCaption, ui::Icon::Error);
    return increment;
}

bool TForm3::FormShow() {
    show();
    raise();
    activateWindow();
    const std::optional<int> increment = readIncrement();
    if (!increment) return false;
    setLiveText(Label4, "text", [] { return QString(); });
    emit startReset();
    if (const std::optional<int> rows = m_loadedRows()) {
        setLiveText(Label1, "text", tx("TForm3", "表示するデータ範囲を指定してください"));
        setLiveText(Label4, "text", [n = *rows] { return trFormat(tx("TForm3", "1 ～ %d"), n); });
    } else {
        setLiveText(Label1, "text", tx("TForm3", "ファイルが選択されていません"));
    }
    UpDown1->setValue(1);
    UpDown2->setValue(plot::spinnerPosition(static_cast<long long>(UpDown1->value()) + *increment - 1));
    return true;
}

bool TForm3::applyRange() {
    const int first = firstRow();
    const int last = lastRow();
    if (!plot::rangeAccepted(first, last, rowCount())) {
        m_interaction->message(plot::kRangeRefusal, plot::kRangeRefusalCaption, ui::Icon::Warning);
        return false;
    }
    emit rangeAccepted(first, last);
    return true;
}

void TForm3::BitBtn1Click() {
    const std::optional<int> increment = readIncrement();
    if (!increment) return;
    const int first = firstRow();
    if (!applyRange()) return;
    if (*increment != 0) UpDown1->setValue(plot::startAfterNext(first, *increment, rowCount()));
}

void TForm3::Button2Click() {
    const std::optional<int> increment = readIncrement();
    if (!increment) return;
    const int first = firstRow();
    if (!applyRange()) return;
    UpDown1->setValue(plot::startAfterBack(first, *increment));
}

void TForm3::Button3Click() {
    // The increment first: the start's change then drags the end with it
    // instead of tripping over a bad increment text.
    Edit3->setText(QStringLiteral("500"));
    UpDown1->setValue(1);
    UpDown2->setValue(500);
}

void TForm3::Edit1Change() {
    const std::optional<int> typed = plot::parseInteger(toUtf8(Edit1->text()));
    if (!typed) return;  // empty while typing
    const std::optional<int> increment = readIncrement();
    if (!increment) return;
    if (const auto end = plot::endFollowingStart(plot::spinnerPosition(*typed), *increment, rowCount()))
        UpDown2->setValue(*end);
}

void TForm3::UpDownClick() {
    if (CheckBox1->isChecked()) BitBtn1Click();
}

}  // namespace kvx::app

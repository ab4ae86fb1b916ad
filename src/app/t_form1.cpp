// Pause window layout and buttons.
#include "app/t_form1.h"

#include "app/controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace kvx::app {
namespace {

QLabel* label(QWidget* parent, const QString& text, int x, int y, int w, const char* name = nullptr) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, w, 20);
    if (name) l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLabel* label(QWidget* parent, Text text, int x, int y, int w) {
    QLabel* l = label(parent, QString(), x, y, w);
    bindText(l, "text", text);
    return l;
}

QPushButton* button(QWidget* parent, Text text, int x, int y, const char* name) {
    return makeButton(parent, QLatin1String(name), text, QRect(x, y, 72, 28));
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm1"));
    bindText(this, "windowTitle", tx("TForm1", "一時停止"));
    setModal(true);
    setFixedSize(336, 190);

    label(this, tx("TForm1", "表示データ"), 16, 12, 118);
    Label2 = label(this, QString(), 136, 12, 190, "Label2");
    label(this, tx("TForm1", "ループ面積"), 16, 36, 118);
    Label4 = label(this, QString(), 136, 36, 190, "Label4");
    label(this, tx("TForm1", "等価減衰比"), 16, 58, 118);
    Label6 = label(this, QString(), 136, 58, 190, "Label6");
    label(this, tx("TForm1", "等価剛性"), 16, 80, 118);
    Label8 = label(this, QString(), 136, 80, 190, "Label8");
    label(this, tx("TForm1", "ループ判定"), 16, 102, 118);
    Label9 = label(this, QString(), 136, 102, 190, "Label9");
    setLiveText(Label9, "text", tx("TForm1", "零レベル通過点"));

    BitBtn2 = button(this, tx("TForm1", "次へ"), 16, 140, "BitBtn2");
    BitBtn3 = button(this, tx("TForm1", "戻る"), 94, 140, "BitBtn3");
    BitBtn1 = button(this, tx("TForm1", "中止"), 172, 140, "BitBtn1");
    Button1 = button(this, tx("TForm1", "コピー"), 250, 140, "Button1");
    CheckBox1 = new QCheckBox(this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    bindText(CheckBox1, "text", tx("TForm1", "コピー"));
    bindText(CheckBox1, "toolTip", tx("TForm1", "常にクリップボードへコピー"));
    CheckBox1->setGeometry(250, 112, 80, 20);

    connect(BitBtn2, &QPushButton::clicked, this, [this] { answer(ui::PauseAnswer::Next); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { answer(ui::PauseAnswer::Back); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { answer(ui::PauseAnswer::Stop); });
    connect(Button1, &QPushButton::clicked, this, &TForm1::copyRequested);
}

void TForm1::answer(ui::PauseAnswer a) {
    m_answer = a;
    accept();
}

ui::PauseAnswer TForm1::showPause(const ui::PauseInfo& info) {
    setLiveText(Label2, "text", [rows = info.rows] { return rowRangeText(rows); });
    Label4->setText(QString::fromStdString(info.area));
    Label6->setText(QString::fromStdString(info.damping));
    Label8->setText(QString::fromStdString(info.stiffness));
    m_answer = ui::PauseAnswer::Closed;
    BitBtn2->setFocus();
    exec();
    return m_answer;
}

}  // namespace kvx::app

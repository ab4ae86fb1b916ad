// Point value window layout.
#include "app/t_value.h"

#include "app/language.h"
#include "app/qt_text.h"

#include <QLabel>
#include <QPushButton>

namespace kvx::app {

TValue::TValue(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TValue"));
    setWindowTitle(QStringLiteral("Point Value"));
    setModal(false);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFixedSize(400, 170);

    const auto label = [this](const QString& text, int x, int y, int w, const char* name = nullptr) {
        auto* l = new QLabel(text, this);
        l->setGeometry(x, y, w, 22);
        if (name) l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    bindText(label(QString(), 16, 10, 60), "text", tx("TValue", "データ"));
    label(QStringLiteral("X ="), 30, 38, 30);
    label(QStringLiteral("Y ="), 30, 66, 30);
    valuex = label(QString(), 66, 38, 130, "valuex");
    valuey = label(QString(), 66, 66, 130, "valuey");
    radx = label(QString(), 200, 38, 186, "radx");
    rady = label(QString(), 200, 66, 186, "rady");
    Label4 = label(QString(), 16, 96, 370, "Label4");

    Button1 = new QPushButton(this);
    bindText(Button1, "text", tx("TValue", "閉じる(&C)"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(290, 130, 96, 28);
    connect(Button1, &QPushButton::clicked, this, &TValue::Button1Click);
}

void TValue::showPoint(const plot::PickedPoint& picked) {
    valuex->setText(fromCp932(picked.valuex));
    valuey->setText(fromCp932(picked.valuey));
    radx->setText(fromCp932(picked.radx));
    rady->setText(fromCp932(picked.rady));
    Label4->setText(fromUtf8(picked.rowMessage));
}

void TValue::Button1Click() {
    close();
    emit closedByButton();
}

}  // namespace kvx::app

// Scale dialog layout and its OK.
#include "app/t_scale.h"

#include "app/language.h"
#include "app/qt_text.h"
#include "plot/setting_dialog_rules.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvx::app {

TScale::TScale(ui::Interaction& interaction, QWidget* parent) : QDialog(parent), m_interaction(&interaction) {
    setObjectName(QStringLiteral("TScale"));
    setWindowTitle(QStringLiteral("Set Scale"));
    setModal(true);
    setFixedSize(260, 150);

    auto* prompt = new QLabel(this);
    bindText(prompt, "text", tx("TScale", "目盛り単位を設定してください"));
    prompt->setGeometry(20, 12, 220, 20);
    const auto edit = [this](const char* name, Text axis, int y) {
        auto* label = new QLabel(this);
        bindText(label, "text", axis);
        label->setGeometry(30, y, 50, 22);
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(86, y, 130, 22);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return e;
    };
    Edit1 = edit("Edit1", tx("TScale", "X　軸"), 42);
    Edit2 = edit("Edit2", tx("TScale", "Y　軸"), 72);
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(90, 110, 80, 28);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TScale::BitBtn1Click);
}

void TScale::FormActivate(double xStep, double yStep) {
    Edit1->setText(fromUtf8(plot::scaleStepText(xStep)));
    Edit2->setText(fromUtf8(plot::scaleStepText(yStep)));
}

void TScale::BitBtn1Click() {
    // The X text is read first, so its conversion error is the one reported.
    const std::string xText = toUtf8(Edit1->text());
    const std::string yText = toUtf8(Edit2->text());
    const auto x = plot::parseDecimal(xText);
    if (!x) {
        m_interaction->message(plot::notADecimalMessage(xText), plot::kConversionErrorCaption, ui::Icon::Error);
        return;
    }
    const auto y = plot::parseDecimal(yText);
    if (!y) {
        m_interaction->message(plot::notADecimalMessage(yText), plot::kConversionErrorCaption, ui::Icon::Error);
        return;
    }
    if (!plot::scaleAccepted(*x, *y)) {
        m_interaction->message(plot::kScaleRefusal, plot::kScaleRefusalCaption, ui::Icon::Warning);
        return;
    }
    m_xStep = *x;
    m_yStep = *y;
    accept();
}

}  // namespace kvx::app

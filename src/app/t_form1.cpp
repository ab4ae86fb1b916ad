// Pause window layout.
#include "app/t_form1.h"

#include <QLabel>

namespace kvx::app {

TForm1::TForm1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("一時停止"));
    setFixedSize(260, 120);
    auto* caption = new QLabel(QStringLiteral("ループ判定"), this);
    caption->setGeometry(16, 16, 100, 20);
    Label9 = new QLabel(QStringLiteral("零レベル通過点"), this);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setGeometry(120, 16, 130, 20);
}

}  // namespace kvx::app

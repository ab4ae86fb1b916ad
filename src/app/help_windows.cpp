// Help window layouts.
#include "app/help_windows.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvx::app {

TextWindow::TextWindow(Text caption, Text text, QWidget* parent) : QDialog(parent) {
    bindText(this, "windowTitle", caption);
    resize(640, 520);
    auto* layout = new QVBoxLayout(this);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    bindText(Memo1, "plainText", text);
    layout->addWidget(Memo1);
    auto* close = new QPushButton(this);
    bindText(close, "text", tx("TextWindow", "閉じる(&C)"));
    close->setObjectName(QStringLiteral("Button1"));
    close->setAutoDefault(false);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

TUsage::TUsage(QWidget* parent) : TextWindow(tx("TUsage", "使い方"), kUsageHelp, parent) {
    setObjectName(QStringLiteral("TUsage"));
}

THistory::THistory(QWidget* parent)
    : TextWindow(tx("THistory", "変更履歴"), kHistoryHelp, parent) {
    setObjectName(QStringLiteral("THistory"));
}

TAbout::TAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAbout"));
    bindText(this, "windowTitle", tx("TAbout", "バージョン情報"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("%1 %2").arg(QLatin1String(kProgramName), QLatin1String(kProgramVersion)), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont big = name->font();
    big.setPixelSize(20);
    big.setBold(true);
    name->setFont(big);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    auto* about = new QLabel(this);
    about->setObjectName(QStringLiteral("About"));
    bindText(about, "text", tx("TAbout", "木造耐力壁の正負交番繰り返し加力試験データ グラフ表示・評価プログラム"));
    layout->addWidget(about, 0, Qt::AlignHCenter);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace kvx::app

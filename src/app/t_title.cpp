// Title dialog layout and its OK.
#include "app/t_title.h"

#include "app/controls.h"

#include "app/qt_text.h"
#include "app/radio_group.h"
#include "text/cp932.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvx::app {
namespace {

std::string storedTitle(const QLineEdit* edit) {
    return std::string(text::truncateCp932(toCp932(edit->text()), TTitle::kMaxTitleBytes));
}

}  // namespace

TTitle::TTitle(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TTitle"));
    bindText(this, "windowTitle", tx("TTitle", "タイトル設定"));
    setModal(false);
    setFixedSize(380, 250);

    auto* prompt = new QLabel(this);
    bindText(prompt, "text", tx("TTitle", "タイトルを設定してください"));
    prompt->setGeometry(20, 12, 300, 20);
    const auto edit = [this](const char* name, Text caption, const QString& initial, int y) {
        auto* label = new QLabel(this);
        bindText(label, "text", caption);
        label->setGeometry(20, y, 60, 22);
        auto* e = new QLineEdit(initial, this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(86, y, 270, 22);
        return e;
    };
    Edit1 = edit("Edit1", tx("TTitle", "グラフ"), QStringLiteral("グラフのタイトル"), 42);
    Edit2 = edit("Edit2", tx("TTitle", "X 軸"), QStringLiteral("横軸のタイトル"), 72);
    Edit3 = edit("Edit3", tx("TTitle", "Y 軸"), QStringLiteral("縦軸のタイトル"), 102);
    // The default titles follow the language until the user types a title
    // (the axis titles trade places when the main axis changes).
    const std::vector<Text> defaults{tx("TTitle", "グラフのタイトル"), tx("TTitle", "横軸のタイトル"),
                                     tx("TTitle", "縦軸のタイトル")};
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) followDefaults(e, defaults);

    RadioGroup1 = new RadioGroup(tx("TTitle", "タイトル指定"),
                                 {tx("TTitle", "上の値を使用する"), tx("TTitle", "規定値を使用する")}, 1, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(20, 136, 220, 80);
    RadioGroup1->setItemIndex(0);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(266, 176, 90, 28);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TTitle::BitBtn1Click);
}

std::array<std::string, 3> TTitle::titles() const { return {storedTitle(Edit1), storedTitle(Edit2), storedTitle(Edit3)}; }

bool TTitle::useDefaults() const { return RadioGroup1->itemIndex() == 1; }

void TTitle::selectFirstItem() { RadioGroup1->setItemIndex(0); }

void TTitle::exchangeAxisTitles() {
    const QString x = Edit2->text();
    Edit2->setText(Edit3->text());
    Edit3->setText(x);
}

void TTitle::BitBtn1Click() {
    // Show what is kept: a longer title is cut, characters CP932 lacks become '?'.
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) e->setText(fromCp932(storedTitle(e)));
    close();
    emit confirmed();
}

}  // namespace kvx::app

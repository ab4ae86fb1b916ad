// Characteristics window layout.
#include "app/t_coeff.h"

#include "app/language.h"
#include "app/qt_text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace kvx::app {
namespace {

QLabel* caption(QWidget* parent, Text text, int x, int y, int w = 110) {
    auto* l = new QLabel(parent);
    l->setGeometry(x, y, w, 20);
    bindText(l, "text", text);
    return l;
}

QLabel* caption(QWidget* parent, const char* text, int x, int y, int w = 110) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setGeometry(x, y, w, 20);
    return l;
}

}  // namespace

TCoeff::TCoeff(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TCoeff"));
    bindText(this, "windowTitle", tx("TCoeff", "復元力特性"));
    setModal(false);
    setFixedSize(720, 470);

    const auto value = [this](QWidget* box, const char* name, int x, int y, int w = 96) {
        auto* l = new QLabel(box);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(x, y, w, 20);
        l->setFrameShape(QFrame::StyledPanel);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_values[name] = l;
    };

    // The record's peaks.
    auto* record = new QGroupBox(this);
    record->setGeometry(8, 8, 420, 136);
    const char* recordNames[] = {"Pmax", "Pmin", "MaxD", "MinD", "Pave"};
    const Text recordCaptions[] = {tx("TCoeff", "＋最大耐力"), tx("TCoeff", "－最大耐力"), tx("TCoeff", "＋最大変位（角）"),
                                   tx("TCoeff", "－最大変位（角）"), tx("TCoeff", "平均耐力")};
    for (int i = 0; i < 5; ++i) {
        caption(record, recordCaptions[i], 10, 8 + 24 * i, 130);
        value(record, recordNames[i], 150, 8 + 24 * i, 250);
    }

    // Measured and approximated characteristic loads: rows x (+, -, ave).
    const char* rows[] = {"P(1/120)", "2/3Pmax", "P(1/2γ)", "min"};
    const auto table = [&](Text title, int y, const char* const names[4][3]) {
        auto* group = new QGroupBox(this);
        bindText(group, "title", title);
        group->setGeometry(8, y, 420, 138);
        caption(group, tx("TCoeff", "＋"), 130 + 40, 18, 40);
        caption(group, tx("TCoeff", "－"), 130 + 96 + 40, 18, 40);
        caption(group, "ave", 130 + 96 * 2 + 40, 18, 40);
        for (int r = 0; r < 4; ++r) {
            caption(group, rows[r], 10, 40 + 23 * r, 100);
            for (int c = 0; c < 3; ++c) value(group, names[r][c], 110 + 98 * c, 40 + 23 * r);
        }
    };
    static const char* const measured[4][3] = {
        {"PP120", "MP120", "AVP120"}, {"PP23", "MP23", "AVP23"}, {"PP2G", "MP2G", "AVP2G"}, {"minPP", "minMP", "minAVP"}};
    static const char* const approximated[4][3] = {{"APP120", "AMP120", "AAVP120"},
                                                   {"APP23", "AMP23", "AAVP23"},
                                                   {"APP2G", "AMP2G", "AAVP2G"},
                                                   {"minAPP", "minAMP", "minAAVP"}};
    table(tx("TCoeff", "実験値"), 150, measured);
    table(tx("TCoeff", "近似式"), 294, approximated);

    // The bilinear model.
    auto* model = new QGroupBox(this);
    model->setGeometry(436, 8, 276, 136);
    caption(model, tx("TCoeff", "＋"), 150, 4, 30);
    caption(model, tx("TCoeff", "－"), 230, 4, 30);
    const Text modelCaptions[] = {tx("TCoeff", "初期剛性"), tx("TCoeff", "降伏耐力"), tx("TCoeff", "降伏点変位（角）"),
                                  tx("TCoeff", "終局変位")};
    const char* modelNames[][2] = {{"PK", "MPK"}, {"YP", "MYP"}, {"Dv", "MDv"}, {"Du", "MDu"}};
    for (int i = 0; i < 4; ++i) {
        caption(model, modelCaptions[i], 6, 26 + 26 * i, 100);
        value(model, modelNames[i][0], 104, 26 + 26 * i, 82);
        value(model, modelNames[i][1], 190, 26 + 26 * i, 82);
    }

    caption(this, tx("TCoeff", "近似式の係数"), 436, 150, 120);
    StringGrid1 = new QTableWidget(15, 2, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(436, 172, 166, 282);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    // 36 and 92 pixels held "%13.5e" in the old 8-point face; the Gothic
    // face needs a little more to show the exponent.
    StringGrid1->setColumnWidth(0, 40);
    StringGrid1->setColumnWidth(1, 108);
    StringGrid1->setTextElideMode(Qt::ElideNone);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < 15; ++r) StringGrid1->setRowHeight(r, 18);

    LineCheck = new QCheckBox(QStringLiteral("Line Mark"), this);
    LineCheck->setObjectName(QStringLiteral("LineCheck"));
    LineCheck->setGeometry(610, 390, 100, 22);
    Button1 = new QPushButton(this);
    bindText(Button1, "text", tx("TCoeff", "閉じる(&C)"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(610, 424, 100, 30);

    connect(Button1, &QPushButton::clicked, this, &QDialog::hide);
    connect(LineCheck, &QCheckBox::clicked, this, &TCoeff::guideLinesChanged);
}

void TCoeff::render(const analysis::CharacteristicLabels& labels,
                    const std::vector<std::pair<std::string, std::string>>& coefficientRows) {
    for (const auto& [name, label] : m_values) label->setText(fromCp932(labels.text(name)));
    StringGrid1->clearContents();
    for (std::size_t i = 0; i < coefficientRows.size() && i < 15; ++i) {
        const int row = static_cast<int>(i);
        StringGrid1->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(coefficientRows[i].first)));
        StringGrid1->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(coefficientRows[i].second)));
    }
}

QLabel* TCoeff::valueLabel(const std::string& name) const {
    const auto it = m_values.find(name);
    return it == m_values.end() ? nullptr : it->second;
}

bool TCoeff::guideLines() const { return LineCheck->isChecked(); }

}  // namespace kvx::app

// Option controls and menu radio groups of the main window: what each click
// changes in the option state, the check marks, and whether it redraws.
#include "app/controls.h"
#include "app/radio_group.h"
#include "app/t_form1.h"
#include "app/t_opening.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <initializer_list>

namespace kvx::app {
namespace {

void checkOnly(QAction* chosen, std::initializer_list<QAction*> group) {
    for (QAction* item : group) item->setChecked(item == chosen);
}

}  // namespace

// Check boxes and radio groups -------------------------------------------------

void TOpening::redrawClick() { Button4Click(); }

void TOpening::Button11Click() {
    for (QCheckBox* box : m_channelBoxes) box->setChecked(false);
}

void TOpening::CBColorClick() {
    m_state.ColorDisplay = CBColor->isChecked();
    colorChannelBoxes(m_state.ColorDisplay ? m_state.shownChannelCount : 0);
    Button4Click();
}

void TOpening::CBSmoothClick() {
    Label4->setText(CBSmooth->isChecked() ? QString::number(m_state.SmoothingSize) : QString());
    Button4Click();
}

void TOpening::CBEnvelopeClick() {
    const int mode = displayMode();
    if (CBEnvelope->isChecked() && (mode == 1 || mode == 2)) {
        // The box stays checked; the graph command clears it in these modes.
        m_interaction->message(trText(tx("TOpening", "包絡線を描くには、AllかRegionを選んでください")),
                               trText(tx("TOpening", "包絡線選択エラー")), ui::Icon::Warning);
        return;
    }
    Button4Click();
}

void TOpening::CBExpClick() {
    m_state.graph.legendShown = CBExp->isChecked();
    Button4Click();
}

void TOpening::RGStepClick() {
    if (RGStep->itemIndex() == 3) showDataRangeDialog();
    Button4Click();
}

void TOpening::RGmainaxisClick() {
    updateMainChannelCaptions();
    exchangeAxisTitles();
    Button4Click();
}

void TOpening::RGmainchClick() {
    if (RGmainch->itemIndex() < m_state.shownChannelCount) {
        Button4Click();
        return;
    }
    m_interaction->message(trText(tx("TOpening", "このチャンネルは選択できません")),
                           trText(tx("TOpening", "チャンネル選択エラー")), ui::Icon::Warning);
    RGmainch->setItemIndex(0);
}

// Coupled controls ---------------------------------------------------------------

void TOpening::N1Click() {
    const bool centred = !N1->isChecked();
    N1->setChecked(centred);
    CheckBox33->setChecked(!centred);
    m_state.originCentred = centred;
    Button4Click();
}

void TOpening::CheckBox33Click() {
    // Only the mark follows; the graph command reads the box itself.
    N1->setChecked(!CheckBox33->isChecked());
    Button4Click();
}

void TOpening::N4Click() {
    N4->setChecked(!N4->isChecked());
    CheckBox34->setChecked(N4->isChecked());
    CheckBox34Click();
}

void TOpening::CheckBox34Click() {
    if (CheckBox34->isChecked()) {
        m_state.automaticScale = true;
        N4->setChecked(true);
    } else {
        m_state.automaticScale = false;
        N4->setChecked(false);
        showScaleDialog();
    }
    Button4Click();
}

void TOpening::N6Click() {
    if (N6->isChecked()) {
        // Turning automatic titles off goes through the title dialog, which
        // decides the marks and redraws.
        selectFirstTitleItem();
        showTitleDialog();
        return;
    }
    m_state.automaticTitle = true;
    N6->setChecked(true);
    CheckBox35->setChecked(true);
    Button4Click();
}

void TOpening::CheckBox35Click() {
    if (CheckBox35->isChecked()) {
        m_state.automaticTitle = true;
        Button4Click();
        return;
    }
    selectFirstTitleItem();
    N6Click();
}

void TOpening::N10Click() { N10->setChecked(!N10->isChecked()); }

// Menu radio groups ----------------------------------------------------------------

void TOpening::chooseSmoothingSize(QAction* item, int size) {
    checkOnly(item, {N31, N51, N71, N91, N151, N311});
    m_state.SmoothingSize = size;
    Label4->setText(QString::number(size));
    CBSmooth->setChecked(true);
    Button4Click();
}

void TOpening::N31Click() { chooseSmoothingSize(N31, 3); }
void TOpening::N51Click() { chooseSmoothingSize(N51, 5); }
void TOpening::N71Click() { chooseSmoothingSize(N71, 7); }
void TOpening::N91Click() { chooseSmoothingSize(N91, 9); }
void TOpening::N151Click() { chooseSmoothingSize(N151, 15); }
void TOpening::N311Click() { chooseSmoothingSize(N311, 31); }

void TOpening::chooseStepSize(QAction* item, int size) {
    checkOnly(item, {N502, N1002, N2002, N5002, N10002});
    m_state.StepSize = size;
    Button4Click();
}

void TOpening::N502Click() { chooseStepSize(N502, 50); }
void TOpening::N1002Click() { chooseStepSize(N1002, 100); }
void TOpening::N2002Click() { chooseStepSize(N2002, 200); }
void TOpening::N5002Click() { chooseStepSize(N5002, 500); }
void TOpening::N10002Click() { chooseStepSize(N10002, 1000); }

void TOpening::chooseMarkInterval(QAction* item, int interval) {
    checkOnly(item, {N52, N101, N201, N501});
    m_state.MarkInterval = interval;
}

void TOpening::N52Click() { chooseMarkInterval(N52, 5); }
void TOpening::N101Click() { chooseMarkInterval(N101, 10); }
void TOpening::N201Click() { chooseMarkInterval(N201, 20); }
void TOpening::N501Click() { chooseMarkInterval(N501, 50); }

// The printer resolution items carry no check mark.
void TOpening::N3601Click() { m_state.PrinterDpi = 360; }
void TOpening::N4001Click() { m_state.PrinterDpi = 400; }
void TOpening::N6001Click() { m_state.PrinterDpi = 600; }

void TOpening::chooseApproximationDegree(QAction* item, int degree) {
    checkOnly(item, {N01, N72, N92, N111, N131, N991});
    m_state.ApproximationDegree = degree;
    Button4Click();
}

void TOpening::N01Click() { chooseApproximationDegree(N01, 0); }
void TOpening::N72Click() { chooseApproximationDegree(N72, 7); }
void TOpening::N92Click() { chooseApproximationDegree(N92, 9); }
void TOpening::N111Click() { chooseApproximationDegree(N111, 11); }
void TOpening::N131Click() { chooseApproximationDegree(N131, 13); }
void TOpening::N991Click() { chooseApproximationDegree(N991, 99); }

void TOpening::chooseForceUnit(data::ForceUnit unit) {
    // Values already read stay as they are: the unit applies from the next read.
    const bool kN = unit == data::ForceUnit::kN;
    kN1->setChecked(kN);
    kg1->setChecked(!kN);
    m_state.forceUnit = unit;
    m_state.ForceFactor = kN ? data::kKgfToKn : 1.0f;
    setLiveText(Label32, "text", kN ? tx("TOpening", "力の単位 kN") : tx("TOpening", "力の単位 kg"));
}

void TOpening::kN1Click() { chooseForceUnit(data::ForceUnit::kN); }
void TOpening::kg1Click() { chooseForceUnit(data::ForceUnit::kg); }

void TOpening::chooseDataFileFormat(QAction* item) {
    checkOnly(item, {csv1, txt1, csv2});
    if (item == csv1) setLiveText(Label36, "text", tx("TOpening", "標準CSV"));
    if (item == txt1) setLiveText(Label36, "text", tx("TOpening", "東京測器TXT"));
    if (item == csv2) setLiveText(Label36, "text", tx("TOpening", "東京測器CSV"));
}

void TOpening::csv1Click() { chooseDataFileFormat(csv1); }
void TOpening::txt1Click() { chooseDataFileFormat(txt1); }
void TOpening::csv2Click() { chooseDataFileFormat(csv2); }

void TOpening::chooseLoopJudgment(QAction* item, Text label) {
    if (item->isChecked()) return;
    checkOnly(item, {Extrema, ExtremaM, ZEROLevel});
    setLiveText(m_pauseWindow->Label9, "text", label);
}

void TOpening::ExtremaClick() { chooseLoopJudgment(Extrema, tx("TForm1", "極値（＋）")); }
void TOpening::ExtremaMClick() { chooseLoopJudgment(ExtremaM, tx("TForm1", "極値（－）")); }
void TOpening::ZEROLevelClick() { chooseLoopJudgment(ZEROLevel, tx("TForm1", "零レベル通過点")); }

void TOpening::chooseImageFormat(QAction* item) {
    checkOnly(item, {GIF1, BMP1});
    const bool png = item == GIF1;
    m_saveFilter = png ? tx("TOpening", "PNG ﾌｧｲﾙ (*.png)|*.png|すべて (*.*)|*.*")
                       : tx("TOpening", "BMP ﾌｧｲﾙ (*.bmp)|*.bmp|すべて (*.*)|*.*");
    setLiveText(GraphSave, "toolTip", png ? tx("TOpening", "グラフをPNGファイルとして保存します")
                                          : tx("TOpening", "グラフをBMPファイルとして保存します"));
}

void TOpening::GIF1Click() { chooseImageFormat(GIF1); }
void TOpening::BMP1Click() { chooseImageFormat(BMP1); }

}  // namespace kvx::app

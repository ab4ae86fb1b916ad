// The main window's controls and menu, placed at fixed positions like the
// original form, and the one place where their signals are connected.
#include "app/channel_box.h"
#include "app/controls.h"
#include "app/graph_image.h"
#include "app/language.h"
#include "app/qt_canvas.h"
#include "app/radio_group.h"
#include "app/t_opening.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>

namespace kvx::app {
namespace {

// The right-hand column of controls: the channel grids on the left, their
// companions (sign inversion, axis, display mode) on the right.
constexpr int kLeft = 576;
constexpr int kWidth = 424;
constexpr int kGridWidth = 260;  // channel boxes and main channel, 4 x 4
constexpr int kSideLeft = kLeft + kGridWidth + 4;
constexpr int kSideWidth = kWidth - kGridWidth - 4;

QCheckBox* makeCheckBox(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                        bool checked = false) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setChecked(checked);
    return box;
}

QCheckBox* makeCheckBox(QWidget* parent, const char* name, Text caption, QRect geometry, bool checked = false) {
    QCheckBox* box = makeCheckBox(parent, name, QString(), geometry, checked);
    bindText(box, "text", caption);
    return box;
}

QAction* makeAction(QMenu* menu, const char* name, const QString& caption, bool checkable = false,
                    bool checked = false) {
    auto* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    action->setChecked(checked);
    return action;
}

QAction* makeAction(QMenu* menu, const char* name, Text caption, bool checkable = false, bool checked = false) {
    QAction* action = makeAction(menu, name, QString(), checkable, checked);
    bindText(action, "text", caption);
    return action;
}

// Menus carry names too, so that the tests can walk them.
template <typename Parent>
QMenu* makeMenu(Parent* parent, const char* name, Text title) {
    QMenu* menu = parent->addMenu(QString());
    menu->setObjectName(QLatin1String(name));
    bindText(menu, "title", title);
    return menu;
}

// Cell of channel 1..16 in a 4 x 4 grid of cells `width` pixels wide.
QRect channelCell(int channel, int width) {
    const int i = channel - 1;
    return {6 + (i % 4) * width, 18 + (i / 4) * 20, width - 1, 20};
}

}  // namespace

void TOpening::buildControls() {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(area);

    Image1 = new GraphImage(area);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(16, 16);

    buildButtons(area);
    buildChannelControls(area);
    buildOptionControls(area);
    buildLabelsAndGrid(area);
}

void TOpening::buildButtons(QWidget* area) {
    auto cell = [](int column, int row) { return QRect(kLeft + column * 86, 8 + row * 30, 82, 26); };
    Button2 = makeButton(area, "Button2", tx("TOpening", "ファイル (&F)"), cell(0, 0));
    Button4 = makeButton(area, "Button4", tx("TOpening", "グラフ "), cell(1, 0));
    Button5 = makeButton(area, "Button5", tx("TOpening", "コピー"), cell(2, 0));
    GraphSave = makeButton(area, "GraphSave", tx("TOpening", "保　存"), cell(3, 0));
    setLiveText(GraphSave, "toolTip", tx("TOpening", "グラフをPNGファイルとして保存します"));
    Button3 = makeButton(area, "Button3", tx("TOpening", "終了 (&X)"), cell(4, 0));
    Button6 = makeButton(area, "Button6", tx("TOpening", "データ範囲"), cell(0, 1));
    Button8 = makeButton(area, "Button8", tx("TOpening", "データリスト"), cell(1, 1));
    Button9 = makeButton(area, "Button9", tx("TOpening", "線種設定"), cell(2, 1));
    BtnTaio = makeButton(area, "BtnTaio", tx("TOpening", "対応表"), cell(3, 1));
    Button11 = makeButton(area, "Button11", tx("TOpening", "クリア"), cell(4, 1));

    // Kept from the original form but not offered to the user.
    Button1 = makeButton(area, "Button1", tx("TOpening", "印刷 (&P)"), cell(0, 0));
    Button7 = makeButton(area, "Button7", tx("TOpening", "編集(&D)"), cell(0, 0));
    Button10 = makeButton(area, "Button10", tx("TOpening", "変形角変換"), cell(0, 0));
    for (QPushButton* hidden : {Button1, Button7, Button10}) hidden->hide();
}

void TOpening::buildChannelControls(QWidget* area) {
    GBselectch = new QGroupBox(area);
    GBselectch->setObjectName(QStringLiteral("GBselectch"));
    GBselectch->setGeometry(kLeft, 68, kGridWidth, 102);
    ChannelBox** channelSlots[16] = {&CheckBox1,  &CheckBox2,  &CheckBox3,  &CheckBox4,  &CheckBox5,  &CheckBox6,
                                    &CheckBox7,  &CheckBox8,  &CheckBox9,  &CheckBox10, &CheckBox11, &CheckBox12,
                                    &CheckBox13, &CheckBox14, &CheckBox15, &CheckBox16};
    for (int k = 1; k <= 16; ++k) {
        // Only channel 9 is padded to the width of the two-digit captions.
        const QString caption = k == 9 ? QStringLiteral(" 9 CH") : QStringLiteral("%1 CH").arg(k);
        const QByteArray name = "CheckBox" + QByteArray::number(k);
        auto* box = new ChannelBox(caption, GBselectch);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(channelCell(k, 62));
        *channelSlots[k - 1] = box;
        m_channelBoxes[static_cast<std::size_t>(k - 1)] = box;
    }

    auto* signGroup = new QGroupBox(area);
    bindText(signGroup, "title", tx("TOpening", "極性反転"));
    signGroup->setObjectName(QStringLiteral("SignInversion"));
    signGroup->setGeometry(kSideLeft, 68, kSideWidth, 102);
    QCheckBox** signSlots[16] = {&CheckBox17, &CheckBox18, &CheckBox19, &CheckBox20, &CheckBox21, &CheckBox22,
                                 &CheckBox23, &CheckBox24, &CheckBox25, &CheckBox26, &CheckBox27, &CheckBox28,
                                 &CheckBox29, &CheckBox30, &CheckBox31, &CheckBox32};
    for (int k = 1; k <= 16; ++k) {
        const QRect cell = channelCell(k, 39);
        const QByteArray labelName = "SignLabel" + QByteArray::number(k);
        auto* number = makeLabel(signGroup, labelName.constData(), QString::number(k),
                                 QRect(cell.x(), cell.y(), 15, cell.height()));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_signNumberLabels[static_cast<std::size_t>(k - 1)] = number;
        const QByteArray boxName = "CheckBox" + QByteArray::number(k + 16);
        auto* box = makeCheckBox(signGroup, boxName.constData(), QString(),
                                 QRect(cell.x() + 17, cell.y(), 21, cell.height()));
        *signSlots[k - 1] = box;
        m_signBoxes[static_cast<std::size_t>(k - 1)] = box;
    }

    QStringList channels;
    for (int k = 1; k <= 16; ++k) channels << QStringLiteral("%1 CH").arg(k, 2);
    RGmainch = new RadioGroup(QString(), channels, 4, area);
    RGmainch->setObjectName(QStringLiteral("RGmainch"));
    RGmainch->setGeometry(kLeft, 174, kGridWidth, 102);
    RGmainch->setItemIndex(0);

    RGmainaxis = new RadioGroup(tx("TOpening", "主軸"), {tx("TOpening", "X 軸"), tx("TOpening", "Y 軸")}, 2, area);
    RGmainaxis->setObjectName(QStringLiteral("RGmainaxis"));
    RGmainaxis->setGeometry(kSideLeft, 174, kSideWidth, 40);
    RGmainaxis->setItemIndex(1);

    RGStep = new RadioGroup(tx("TOpening", "表示モード"),
                            {tx("TOpening", "全データ"), tx("TOpening", "ステップ"), tx("TOpening", "ループ"),
                             tx("TOpening", "指定範囲")},
                            2, area);
    RGStep->setObjectName(QStringLiteral("RGStep"));
    RGStep->setGeometry(kSideLeft, 218, kSideWidth, 58);
    RGStep->setItemIndex(0);
}

void TOpening::buildOptionControls(QWidget* area) {
    auto cell = [](int column, int row) { return QRect(kLeft + 6 + column * 100, 282 + row * 20, 98, 20); };
    CBSmooth = makeCheckBox(area, "CBSmooth", tx("TOpening", "平滑化"), cell(0, 0).adjusted(0, 0, -30, 0));
    CBEnvelope = makeCheckBox(area, "CBEnvelope", tx("TOpening", "包絡線"), cell(1, 0));
    CBCircle = makeCheckBox(area, "CBCircle", tx("TOpening", "マーク"), cell(2, 0));
    CBColor = makeCheckBox(area, "CBColor", tx("TOpening", "カラー表示"), cell(0, 1), true);
    CBTitle = makeCheckBox(area, "CBTitle", tx("TOpening", "タイトル"), cell(1, 1), true);
    CBExp = makeCheckBox(area, "CBExp", tx("TOpening", "凡例"), cell(2, 1), true);
    CheckBox33 = makeCheckBox(area, "CheckBox33", tx("TOpening", "第一象限"), cell(0, 2));
    CheckBox34 = makeCheckBox(area, "CheckBox34", tx("TOpening", "自動目盛り"), cell(1, 2), true);
    CheckBox35 = makeCheckBox(area, "CheckBox35", tx("TOpening", "タイトル"), cell(2, 2), true);
    CBFixed = makeCheckBox(area, "CBFixed", tx("TOpening", "座標軸固定"), cell(0, 3));
    CBScaled = makeCheckBox(area, "CBScaled", tx("TOpening", "フルスケール"), cell(1, 3));
    CBBold = makeCheckBox(area, "CBBold", tx("TOpening", "太線(すべて）"), cell(2, 3));
    SkeltonCheck = makeCheckBox(area, "SkeltonCheck", tx("TOpening", "骨格曲線"), cell(0, 4));
    SKEdit = makeCheckBox(area, "SKEdit", tx("TOpening", "データ編集"), cell(1, 4));
    CBFile = makeCheckBox(area, "CBFile", tx("TOpening", "ファイル出力"), cell(2, 4));
    CBRad = makeCheckBox(area, "CBRad", tx("TOpening", "変形角1/ｎ"), cell(0, 5));
    CheckBox36 = makeCheckBox(area, "CheckBox36", tx("TOpening", "下に表示"), cell(1, 5), true);
    CheckBox37 = makeCheckBox(area, "CheckBox37", tx("TOpening", "上に表示"), cell(2, 5));

    auto* maxGroup = new QGroupBox(area);
    bindText(maxGroup, "title", tx("TOpening", "最大値/最小値"));
    maxGroup->setObjectName(QStringLiteral("MinMaxPosition"));
    maxGroup->setGeometry(kSideLeft + 40, 282, kSideWidth - 40, 62);
    CBMax1 = makeCheckBox(maxGroup, "CBMax1", tx("TOpening", "左上"), QRect(6, 18, 56, 20));
    CBMax2 = makeCheckBox(maxGroup, "CBMax2", tx("TOpening", "右上"), QRect(64, 18, 56, 20));
    CBMax3 = makeCheckBox(maxGroup, "CBMax3", tx("TOpening", "左下"), QRect(6, 38, 56, 20));
    CBMax4 = makeCheckBox(maxGroup, "CBMax4", tx("TOpening", "右下"), QRect(64, 38, 56, 20), true);
    for (QCheckBox* box : {CBMax1, CBMax2, CBMax3, CBMax4}) bindText(box, "toolTip", tx("TOpening", "最大値/最小値"));

    // In the skeleton row: without it the bilinear model and the characteristics
    // window are out of reach, and ELASTO.CSV's model columns stay 0.
    // Wider than its cell (nothing on its right) for the English caption.
    PFPCheck = makeCheckBox(area, "PFPCheck", tx("TOpening", "完全弾塑性"), cell(3, 4).adjusted(0, 0, 20, 0));
    // Kept from the original form but not offered to the user.
    CBKabe = makeCheckBox(area, "CBKabe", tx("TOpening", "壁倍率"), cell(3, 5));
    CBModify = makeCheckBox(area, "CBModify", QString(), cell(3, 5));
    for (QCheckBox* hidden : {CBKabe, CBModify}) hidden->hide();
}

void TOpening::buildLabelsAndGrid(QWidget* area) {
    Label4 = makeLabel(area, "Label4", QString(), QRect(kLeft + 6 + 70, 282, 26, 20));
    // Label2, Label32 and Label36 follow the state: the window sets them.
    Label2 = makeLabel(area, "Label2", QString(), QRect(16, 526, 544, 20));
    Label5 = makeLabel(area, "Label5", QStringLiteral("     0 data"), QRect(16, 550, 120, 20));
    Label32 = makeLabel(area, "Label32", QString(), QRect(150, 550, 120, 20));
    Label36 = makeLabel(area, "Label36", QString(), QRect(284, 550, 120, 20));
    Label34 = makeLabel(area, "Label34", QString(), QRect(418, 550, 80, 20));
    setLiveText(Label32, "text", tx("TOpening", "力の単位 kN"));
    setLiveText(Label36, "text", tx("TOpening", "標準CSV"));
    Label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* framed : {Label5, Label32, Label36, Label34}) {
        framed->setFrameShape(QFrame::Panel);
        framed->setFrameShadow(QFrame::Sunken);
        framed->setIndent(4);
    }

    StringGrid1 = new QTableWidget(10, 17, area);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(kLeft, 408, kWidth, 188);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setDefaultSectionSize(76);
    StringGrid1->verticalHeader()->setDefaultSectionSize(17);
    StringGrid1->setColumnWidth(0, 96);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setFocusPolicy(Qt::NoFocus);
}

void TOpening::buildMenu() {
    QMenuBar* bar = menuBar();

    QMenu* file = makeMenu(bar, "FileMenu", tx("TOpening", "ファイル(&F)"));
    Open1 = makeAction(file, "Open1", tx("TOpening", "開く(&O)"));
    TextImport1 = makeAction(file, "TextImport1", tx("TOpening", "テキスト読込(&T)"));
    Print1 = makeAction(file, "Print1", tx("TOpening", "印刷(&P)"));
    SeriesSummary1 = makeAction(file, "SeriesSummary1", tx("TOpening", "試験体集計"));
    QMenu* imageFormat = makeMenu(file, "ImageFormatMenu", tx("TOpening", "ﾌｧｲﾙｾｰﾌﾞ"));
    GIF1 = makeAction(imageFormat, "GIF1", QStringLiteral("PNG"), true, true);
    BMP1 = makeAction(imageFormat, "BMP1", QStringLiteral("BMP"), true);
    QMenu* dataFormat = makeMenu(file, "DataFormatMenu", tx("TOpening", "ﾃﾞｰﾀﾌｧｲﾙ形式"));
    csv1 = makeAction(dataFormat, "csv1", tx("TOpening", "標準csv形式"), true, true);
    txt1 = makeAction(dataFormat, "txt1", tx("TOpening", "東京測器txt形式"), true);
    csv2 = makeAction(dataFormat, "csv2", tx("TOpening", "東京測器csv形式"), true);
    generic1 = makeAction(dataFormat, "generic1", tx("TOpening", "汎用テキスト形式"), true);
    QMenu* dpi = makeMenu(file, "PrinterDpiMenu", tx("TOpening", "プリンタ DPI(&D)"));
    N3601 = makeAction(dpi, "N3601", QStringLiteral("360"));
    N4001 = makeAction(dpi, "N4001", QStringLiteral("400"));
    N6001 = makeAction(dpi, "N6001", QStringLiteral("600"));
    file->addSeparator();
    Exit1 = makeAction(file, "Exit1", tx("TOpening", "終了(&X)"));

    QMenu* edit = makeMenu(bar, "EditMenu", tx("TOpening", "編集"));
    K3 = makeAction(edit, "K3", tx("TOpening", "コピー"));
    N11 = makeAction(edit, "N11", tx("TOpening", "グラフ線種設定"));
    N5 = makeAction(edit, "N5", tx("TOpening", "範囲設定"));
    N14 = makeAction(edit, "N14", tx("TOpening", "変形角変換"));
    Cycles1 = makeAction(edit, "Cycles1", tx("TOpening", "サイクル評価"));

    QMenu* settings = makeMenu(bar, "SettingsMenu", tx("TOpening", "設定"));
    QMenu* smoothing = makeMenu(settings, "SmoothingSizeMenu", tx("TOpening", "平滑化サイズ"));
    N31 = makeAction(smoothing, "N31", QStringLiteral("3"), true, true);
    N51 = makeAction(smoothing, "N51", QStringLiteral("5"), true);
    N71 = makeAction(smoothing, "N71", QStringLiteral("7"), true);
    N91 = makeAction(smoothing, "N91", QStringLiteral("9"), true);
    N151 = makeAction(smoothing, "N151", QStringLiteral("15"), true);
    N311 = makeAction(smoothing, "N311", QStringLiteral("31"), true);
    QMenu* step = makeMenu(settings, "StepSizeMenu", tx("TOpening", "ステップサイズ"));
    N502 = makeAction(step, "N502", QStringLiteral("50"), true);
    N1002 = makeAction(step, "N1002", QStringLiteral("100"), true);
    N2002 = makeAction(step, "N2002", QStringLiteral("200"), true, true);
    N5002 = makeAction(step, "N5002", QStringLiteral("500"), true);
    N10002 = makeAction(step, "N10002", QStringLiteral("1000"), true);
    QMenu* marks = makeMenu(settings, "MarkIntervalMenu", tx("TOpening", "マーク間隔"));
    N52 = makeAction(marks, "N52", QStringLiteral("5"), true);
    N101 = makeAction(marks, "N101", QStringLiteral("10"), true);
    N201 = makeAction(marks, "N201", QStringLiteral("20"), true, true);
    N501 = makeAction(marks, "N501", QStringLiteral("50"), true);
    QMenu* approximation = makeMenu(settings, "ApproximationMenu", tx("TOpening", "骨格曲線関数近似"));
    N01 = makeAction(approximation, "N01", QStringLiteral("0"), true, true);
    N72 = makeAction(approximation, "N72", QStringLiteral("7"), true);
    N92 = makeAction(approximation, "N92", QStringLiteral("9"), true);
    N111 = makeAction(approximation, "N111", QStringLiteral("11"), true);
    N131 = makeAction(approximation, "N131", QStringLiteral("13"), true);
    N991 = makeAction(approximation, "N991", QStringLiteral("99"), true);
    QMenu* force = makeMenu(settings, "ForceUnitMenu", tx("TOpening", "力の単位"));
    kN1 = makeAction(force, "kN1", QStringLiteral("kN"), true, true);
    kg1 = makeAction(force, "kg1", QStringLiteral("kg"), true);
    QMenu* loops = makeMenu(settings, "LoopJudgmentMenu", tx("TOpening", "ループ判定"));
    Extrema = makeAction(loops, "Extrema", tx("TOpening", "極値(+)"), true);
    ExtremaM = makeAction(loops, "ExtremaM", tx("TOpening", "極値(-)"), true);
    ZEROLevel = makeAction(loops, "ZEROLevel", tx("TOpening", "ゼロレベル通過"), true, true);
    settings->addSeparator();
    N1 = makeAction(settings, "N1", tx("TOpening", "原点中央"), true, true);
    N4 = makeAction(settings, "N4", tx("TOpening", "目盛り自動設定"), true, true);
    N6 = makeAction(settings, "N6", tx("TOpening", "タイトル自動設定"), true, true);
    N10 = makeAction(settings, "N10", tx("TOpening", "凡例"), true, true);

    QMenu* help = makeMenu(bar, "HelpMenu", tx("TOpening", "ヘルプ(&H)"));
    Tutorial1 = makeAction(help, "Tutorial1", tx("TOpening", "使い方"));
    N13 = makeAction(help, "N13", tx("TOpening", "変更履歴"));
    K1 = makeAction(help, "K1", tx("TOpening", "バージョン情報"));

    QMenu* language = bar->addMenu(QString());
    language->setObjectName(QStringLiteral("Language1"));
    // Both names, so that a user who cannot read the current language finds it.
    bindText(language, "title", tx("TOpening", "表示言語 / Language"));
    Japanese1 = makeAction(language, "Japanese1", QStringLiteral("日本語"), true, currentLanguage() == Language::Japanese);
    English1 = makeAction(language, "English1", QStringLiteral("English"), true, currentLanguage() == Language::English);
}

void TOpening::connectSignals() {
    // Menu items behave like the original's: a click does not flip the check
    // mark by itself; each handler sets the marks it means to.
    auto onMenu = [this](QAction* item, void (TOpening::*handler)()) {
        connect(item, &QAction::triggered, this, [this, item, handler] {
            if (item->isCheckable()) item->setChecked(!item->isChecked());
            (this->*handler)();
        });
    };
    auto onClick = [this](QAbstractButton* control, void (TOpening::*handler)()) {
        connect(control, &QAbstractButton::clicked, this, handler);
    };

    onClick(Button2, &TOpening::Button2Click);
    onClick(Button3, &TOpening::Button3Click);
    onClick(Button4, &TOpening::Button4Click);
    onClick(Button11, &TOpening::Button11Click);
    onClick(Button1, &TOpening::Button1Click);
    onClick(Button5, &TOpening::Button5Click);
    onClick(GraphSave, &TOpening::GraphSaveClick);
    onClick(Button6, &TOpening::Button6Click);
    onClick(Button8, &TOpening::Button8Click);
    onClick(Button9, &TOpening::Button9Click);
    onClick(Button10, &TOpening::Button10Click);
    onClick(BtnTaio, &TOpening::BtnTaioClick);

    for (QCheckBox* box : m_channelBoxes) onClick(box, &TOpening::GraphButton);
    onClick(CBColor, &TOpening::CBColorClick);
    onClick(CBSmooth, &TOpening::CBSmoothClick);
    onClick(CBEnvelope, &TOpening::CBEnvelopeClick);
    onClick(CBExp, &TOpening::CBExpClick);
    onClick(CheckBox33, &TOpening::CheckBox33Click);
    onClick(CheckBox34, &TOpening::CheckBox34Click);
    onClick(CheckBox35, &TOpening::CheckBox35Click);
    for (QCheckBox* box : {CBCircle, CBMax1, CBMax2, CBMax3, CBMax4, CBTitle, CBScaled, SkeltonCheck, PFPCheck, CBRad,
                           CheckBox36, CheckBox37, CBBold})
        onClick(box, &TOpening::redrawClick);
    connect(RGStep, &RadioGroup::itemClicked, this, &TOpening::RGStepClick);
    connect(RGmainaxis, &RadioGroup::itemClicked, this, &TOpening::RGmainaxisClick);
    connect(RGmainch, &RadioGroup::itemClicked, this, &TOpening::RGmainchClick);

    onMenu(Open1, &TOpening::Open1Click);
    onMenu(Print1, &TOpening::Print1Click);
    onMenu(SeriesSummary1, &TOpening::SeriesSummary1Click);
    onMenu(GIF1, &TOpening::GIF1Click);
    onMenu(BMP1, &TOpening::BMP1Click);
    onMenu(csv1, &TOpening::csv1Click);
    onMenu(txt1, &TOpening::txt1Click);
    onMenu(csv2, &TOpening::csv2Click);
    onMenu(TextImport1, &TOpening::TextImport1Click);
    onMenu(generic1, &TOpening::generic1Click);
    // The other formats' handlers know only each other: leaving the generic
    // format is done here.
    for (QAction* other : {csv1, txt1, csv2})
        connect(other, &QAction::triggered, this, [this] { generic1->setChecked(false); });
    onMenu(N3601, &TOpening::N3601Click);
    onMenu(N4001, &TOpening::N4001Click);
    onMenu(N6001, &TOpening::N6001Click);
    onMenu(Exit1, &TOpening::Exit1Click);
    onMenu(K3, &TOpening::K3Click);
    onMenu(N11, &TOpening::N11Click);
    onMenu(N5, &TOpening::N5Click);
    onMenu(N14, &TOpening::N14Click);
    onMenu(Cycles1, &TOpening::Cycles1Click);
    onMenu(N31, &TOpening::N31Click);
    onMenu(N51, &TOpening::N51Click);
    onMenu(N71, &TOpening::N71Click);
    onMenu(N91, &TOpening::N91Click);
    onMenu(N151, &TOpening::N151Click);
    onMenu(N311, &TOpening::N311Click);
    onMenu(N502, &TOpening::N502Click);
    onMenu(N1002, &TOpening::N1002Click);
    onMenu(N2002, &TOpening::N2002Click);
    onMenu(N5002, &TOpening::N5002Click);
    onMenu(N10002, &TOpening::N10002Click);
    onMenu(N52, &TOpening::N52Click);
    onMenu(N101, &TOpening::N101Click);
    onMenu(N201, &TOpening::N201Click);
    onMenu(N501, &TOpening::N501Click);
    onMenu(N01, &TOpening::N01Click);
    onMenu(N72, &TOpening::N72Click);
    onMenu(N92, &TOpening::N92Click);
    onMenu(N111, &TOpening::N111Click);
    onMenu(N131, &TOpening::N131Click);
    onMenu(N991, &TOpening::N991Click);
    onMenu(kN1, &TOpening::kN1Click);
    onMenu(kg1, &TOpening::kg1Click);
    onMenu(Extrema, &TOpening::ExtremaClick);
    onMenu(ExtremaM, &TOpening::ExtremaMClick);
    onMenu(ZEROLevel, &TOpening::ZEROLevelClick);
    onMenu(N1, &TOpening::N1Click);
    onMenu(N4, &TOpening::N4Click);
    onMenu(N6, &TOpening::N6Click);
    onMenu(N10, &TOpening::N10Click);
    onMenu(Tutorial1, &TOpening::Tutorial1Click);
    onMenu(N13, &TOpening::N13Click);
    onMenu(K1, &TOpening::K1Click);
    onMenu(Japanese1, &TOpening::JapaneseClick);
    onMenu(English1, &TOpening::EnglishClick);
}

}  // namespace kvx::app

// Skeleton editor: layout, the picture's mouse operations on the points, and
// the commands of its buttons.
#include "app/t_skelton_edit.h"

#include "app/controls.h"
#include "app/graph_image.h"
#include "app/language.h"
#include "app/qt_text.h"
#include "app/radio_group.h"
#include "text/translate.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace kvx::app {
namespace {

constexpr int kThinningCounts[] = {25, 50, 75, 100};  // RadioGroup1 items

// Right of the picture: the controls, then the result labels.
constexpr int kControlsLeft = kImageWidth + 16;
constexpr int kControlsWidth = 184;
constexpr int kResultsLeft = kControlsLeft + kControlsWidth + 8;
constexpr int kResultsWidth = 220;

QPushButton* makeButton(QWidget* parent, const char* name, Text caption, const QRect& geometry) {
    QPushButton* button = app::makeButton(parent, QLatin1String(name), QString(), geometry);
    bindText(button, "text", caption);
    return button;
}

// The group's caption and items in the language in use.
RadioGroup* makeRadioGroup(QWidget* parent, const char* name, Text caption, std::initializer_list<Text> items) {
    QStringList blanks;
    for (std::size_t i = 0; i < items.size(); ++i) blanks << QString();
    auto* group = new RadioGroup(QString(), blanks, 2, parent);
    group->setObjectName(QLatin1String(name));
    bindText(group, "title", caption);
    int i = 0;
    for (const Text& item : items) bindText(group->item(i++), "text", item);
    return group;
}

QLabel* makeLabel(QWidget* parent, int number, QRect geometry) {
    return app::makeLabel(parent, QStringLiteral("Label%1").arg(number), QString(), geometry);
}

double largestMagnitude(std::span<const double> values) {
    double m = 0;
    for (double v : values) m = std::max(m, std::fabs(v));
    return m;
}

QString pointCountText(int count) { return QStringLiteral("Skelton Points %1").arg(count); }

}  // namespace

TSkelton_edit::TSkelton_edit(SkeletonSource& source, ui::Interaction& interaction, QWidget* parent)
    : QDialog(parent), m_source(source), m_interaction(&interaction) {
    setObjectName(QStringLiteral("TSkelton_edit"));
    setWindowTitle(QStringLiteral("Skelton Curve Edit"));
    setModal(false);
    setFixedSize(kResultsLeft + kResultsWidth + 8, kImageHeight + 16);
    buildControls();
    connectSignals();
    m_view = analysis::EditorView::make(kImageWidth, kImageHeight, 1, 1, false);
}

void TSkelton_edit::buildControls() {
    Image1 = new GraphImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(8, 8);
    Image1->setMouseTracking(true);  // the coordinates follow the mouse without a button held
    Image1->setCursor(Qt::CrossCursor);

    const int x = kControlsLeft;
    const int half = (kControlsWidth - 6) / 2;
    m_labels[1] = Label1 = makeLabel(this, 1, {x, 8, kControlsWidth, 20});
    m_labels[2] = Label2 = makeLabel(this, 2, {x, 30, kControlsWidth, 20});
    m_labels[4] = Label4 = makeLabel(this, 4, {x, 50, kControlsWidth, 20});
    m_labels[3] = Label3 = makeLabel(this, 3, {x, 70, kControlsWidth, 20});

    RadioGroup2 = makeRadioGroup(this, "RadioGroup2", tx("TSkelton_edit", "点操作"),
                                 {tx("TSkelton_edit", "移動する"), tx("TSkelton_edit", "追加する"),
                                  tx("TSkelton_edit", "削除する"), tx("TSkelton_edit", "何もしない")});
    bindText(RadioGroup2, "toolTip", tx("TSkelton_edit", "点の移動、追加、削除の指定をします"));
    RadioGroup2->setGeometry(x, 96, kControlsWidth, 64);
    RadioGroup2->setItemIndex(static_cast<int>(PointMode::None));

    RadioGroup1 = new RadioGroup(
        QString(), {QStringLiteral(" 25"), QStringLiteral(" 50"), QStringLiteral(" 75"), QStringLiteral("100")}, 2, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    bindText(RadioGroup1, "title", tx("TSkelton_edit", "点数変更"));
    bindText(RadioGroup1, "toolTip", tx("TSkelton_edit", "点数を指定します"));
    RadioGroup1->setGeometry(x, 166, kControlsWidth, 64);
    RadioGroup1->setItemIndex(m_thinningItem);

    Button2 = makeButton(this, "Button2", tx("TSkelton_edit", "点整理(&P)"), {x, 236, half, 28});
    bindText(Button2, "toolTip", tx("TSkelton_edit", "点数が多すぎるときに整理します"));
    Repaint = makeButton(this, "Repaint", tx("TSkelton_edit", "再描画(&R)"), {x + half + 6, 236, half, 28});
    bindText(Repaint, "toolTip", tx("TSkelton_edit", "点の順を整理してグラフを描きなおします"));

    Button3 = makeButton(this, "Button3", tx("TSkelton_edit", "等価完全弾塑性特性"), {x, 280, kControlsWidth, 28});
    CheckBox1 = new QCheckBox(this);
    bindText(CheckBox1, "text", tx("TSkelton_edit", "補助線表示"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(x + 4, 312, kControlsWidth - 4, 22);

    Button4 = makeButton(this, "Button4", tx("TSkelton_edit", "壁倍率"), {x, 348, half, 28});
    Button4->setEnabled(false);
    Button6 = makeButton(this, "Button6", tx("TSkelton_edit", "点番号"), {x + half + 6, 348, half, 28});
    Button5 = makeButton(this, "Button5", tx("TSkelton_edit", "グラフコピー"), {x, 382, half, 28});
    Button7 = makeButton(this, "Button7", tx("TSkelton_edit", "骨格曲線近似"), {x + half + 6, 382, half, 28});

    Button1 = makeButton(this, "Button1", tx("TSkelton_edit", "閉じる(&C)"), {x, kImageHeight + 8 - 28, kControlsWidth, 28});
    bindText(Button1, "toolTip", tx("TSkelton_edit", "編集結果をグラフに表示します"));

    // The results in the order the evaluation reaches them.
    auto* results = new QFrame(this);
    results->setObjectName(QStringLiteral("Results"));
    results->setFrameShape(QFrame::StyledPanel);
    results->setGeometry(kResultsLeft, 8, kResultsWidth, kImageHeight);
    const int order[] = {5, 20, 6, 7, 8, 9, 14, 18, 19, 21, 17, 10, 11, 12, 13, 15, 16};
    int y = 8;
    for (int number : order) {
        m_labels[static_cast<std::size_t>(number)] = makeLabel(results, number, {8, y, kResultsWidth - 16, 20});
        y += number == 19 || number == 17 ? 30 : 22;  // gaps after the yield point and the ultimate point
    }
}

void TSkelton_edit::connectSignals() {
    Image1->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &TSkelton_edit::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSkelton_edit::Button2Click);
    connect(RadioGroup1, &RadioGroup::itemClicked, this, &TSkelton_edit::RadioGroup1Click);
    connect(Repaint, &QPushButton::clicked, this, &TSkelton_edit::RepaintClick);
    connect(Button3, &QPushButton::clicked, this, &TSkelton_edit::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TSkelton_edit::wallEvaluationRequested);
    connect(Button5, &QPushButton::clicked, this, &TSkelton_edit::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TSkelton_edit::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TSkelton_edit::Button7Click);
}

TSkelton_edit::PointMode TSkelton_edit::pointMode() const {
    const int item = RadioGroup2->itemIndex();
    return item >= 0 && item <= 3 ? static_cast<PointMode>(item) : PointMode::None;
}

int TSkelton_edit::thinningCount() const {
    const int item = std::clamp(RadioGroup1->itemIndex(), 0, 3);
    return kThinningCounts[item];
}

// Showing and redrawing -------------------------------------------------------------

void TSkelton_edit::FormShow() {
    const SkeletonContext& context = m_source.skeletonContext();
    const auto scale = [&](std::span<const double> values, Text axis) {
        if (const auto s = analysis::editorScale(largestMagnitude(values))) return *s;
        m_interaction->message(
            toUtf8(app::translated(axis) + app::translated(app::tx("TSkelton_edit", "のデータがすべて 0 です．目盛りを 1 として表示します．"))),
            toUtf8(app::translated(app::tx("TSkelton_edit", "ループデータ不正"))), ui::Icon::Warning);
        return 1.0;
    };
    const double sx = scale(m_source.recordX(), tx("TSkelton_edit", "X軸"));
    const double sy = scale(m_source.recordY(), tx("TSkelton_edit", "Y軸"));
    m_view = analysis::EditorView::make(kImageWidth, kImageHeight, sx, sy, context.firstQuadrant);
    m_dragging = false;
    m_selected = -1;
    RepaintClick();
    clearResultLabels(20);
    m_evaluation.reset();
    show();
    raise();
    activateWindow();
}

void TSkelton_edit::drawView() {
    for (QLabel* l : {Label2, Label3, Label4}) l->clear();
    const SkeletonContext& context = m_source.skeletonContext();
    m_viewTexts = plot::drawEditorView(Image1->canvas(), m_view, m_source.recordX(), m_source.recordY(),
                                       context.units, context.firstQuadrant);
    plot::selectMarkerPen(Image1->canvas());
}

void TSkelton_edit::RepaintClick() {
    drawView();
    analysis::SkeletonCurve& curve = m_source.skeletonCurve();
    analysis::sortEditorPoints(curve);
    plot::drawEditorMarkers(Image1->canvas(), m_view, curve);
    showPointCount();
    RadioGroup2->setItemIndex(static_cast<int>(PointMode::None));
    m_dragging = false;
    Label3->clear();
    pictureChanged();
}

void TSkelton_edit::showPointCount() { Label1->setText(pointCountText(m_source.skeletonCurve().count)); }

void TSkelton_edit::clearResultLabels(int last) {
    for (int number = 5; number <= last; ++number) label(number)->clear();
}

// The labels and the evaluation they show go together: the model of cleared
// labels is not shown on the main graph either.
void TSkelton_edit::clearResults() {
    clearResultLabels(21);
    m_evaluation.reset();
}

void TSkelton_edit::pictureChanged() { Image1->update(); }

QString TSkelton_edit::xUnit() const { return fromCp932(m_source.skeletonContext().units.deformation); }
QString TSkelton_edit::yUnit() const { return fromCp932(m_source.skeletonContext().units.load); }

// Mouse --------------------------------------------------------------------------------

bool TSkelton_edit::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Image1) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint p = mouse->position().toPoint();
            if (event->type() == QEvent::MouseMove) {
                Image1MouseMove(p.x(), p.y());
            } else if (mouse->button() == Qt::LeftButton) {
                if (event->type() == QEvent::MouseButtonPress)
                    Image1MouseDown(p.x(), p.y());
                else
                    Image1MouseUp(p.x(), p.y());
            }
            return true;
        }
        default: return QDialog::eventFilter(watched, event);
    }
}

void TSkelton_edit::Image1MouseMove(int px, int py) {
    const auto [x, y] = m_view.toData(px, py);
    Label2->setText(QStringLiteral("X: ") + QString::number(x, 'g', 6) + xUnit());
    Label4->setText(QStringLiteral("Y: ") + QString::number(y, 'g', 6) + yUnit());
    if (!m_dragging || pointMode() != PointMode::Move) return;
    plot::Canvas& canvas = Image1->canvas();
    plot::drawEditorMarker(canvas, m_view, m_dragX, m_dragY);  // a second XOR draw erases it
    m_dragX = x, m_dragY = y;
    plot::drawEditorMarker(canvas, m_view, m_dragX, m_dragY);
    pictureChanged();
}

void TSkelton_edit::Image1MouseDown(int px, int py) {
    const auto [x, y] = m_view.toData(px, py);
    const PointMode mode = pointMode();
    if (mode == PointMode::None) return;
    if (mode == PointMode::Add) {
        addPoint(x, y);
        return;
    }
    const std::optional<int> picked = pickPoint(x, y);
    if (!picked) {
        Label3->setText(QStringLiteral("Selected point "));
        return;
    }
    analysis::SkeletonCurve& curve = m_source.skeletonCurve();
    const auto at = static_cast<std::size_t>(*picked);
    if (mode == PointMode::Delete) {
        plot::drawEditorMarker(Image1->canvas(), m_view, curve.X[at], curve.Y[at]);
        analysis::deleteEditorPoint(curve, *picked);
        showPointCount();
        pictureChanged();
        return;
    }
    m_selected = *picked;
    m_dragging = true;
    m_dragX = curve.X[at], m_dragY = curve.Y[at];
    Label3->setText(QStringLiteral("Selected point %1").arg(*picked));
}

void TSkelton_edit::Image1MouseUp(int px, int py) {
    if (pointMode() != PointMode::Move || !m_dragging) return;
    m_dragging = false;
    const auto [x, y] = m_view.toData(px, py);
    analysis::moveEditorPoint(m_source.skeletonCurve(), m_selected, x, y);
    // The marker follows the last move event; a release elsewhere puts it where the point now is.
    if (m_view.toPixel(x, y) != m_view.toPixel(m_dragX, m_dragY)) {
        plot::drawEditorMarker(Image1->canvas(), m_view, m_dragX, m_dragY);
        plot::drawEditorMarker(Image1->canvas(), m_view, x, y);
        pictureChanged();
    }
}

void TSkelton_edit::addPoint(double x, double y) {
    switch (analysis::addEditorPoint(m_source.skeletonCurve(), x, y)) {
        case analysis::AddResult::Added:
            plot::drawEditorMarker(Image1->canvas(), m_view, x, y);
            showPointCount();
            pictureChanged();
            break;
        case analysis::AddResult::StoreFull:
            m_interaction->message(
                toUtf8(app::translated(app::tx("TSkelton_edit", "骨格曲線の点は ")) + QString::number(analysis::SkeletonCurve::kSlots) +
                       app::translated(app::tx("TSkelton_edit",
                             " 点までです．これ以上追加できません．\n「点整理」で点を減らしてから追加してください．"))),
                toUtf8(app::translated(app::tx("TSkelton_edit", "点の追加"))), ui::Icon::Warning);
            break;
        case analysis::AddResult::SameX:
            // Only an unsorted store (after moving points) leaves no place for the new X.
            m_interaction->message(toUtf8(app::translated(app::tx("TSkelton_edit",
                                                "点の並びが X の順になっていないため、この位置に点を追加できません．\n"
                                                "「再描画」で点を並べ替えてから追加してください．"))),
                                   toUtf8(app::translated(app::tx("TSkelton_edit", "点の追加"))), ui::Icon::Warning);
            break;
    }
}

std::optional<int> TSkelton_edit::pickPoint(double x, double y) const {
    // The tolerance is the marker radius, converted to data units on each axis.
    const double dx = plot::kEditorMarkerRadius * m_view.sx / m_view.px;
    const double dy = plot::kEditorMarkerRadius * m_view.sy / m_view.py;
    return analysis::pickEditorPoint(m_source.skeletonCurve(), x, y, dx, dy);
}

// Buttons ------------------------------------------------------------------------------

void TSkelton_edit::Button1Click() {
    analysis::sortEditorPoints(m_source.skeletonCurve());
    close();
    if (m_evaluation) emit closedWithEvaluation(*m_evaluation);
}

void TSkelton_edit::Button2Click() {
    m_thinningItem = RadioGroup1->itemIndex();
    analysis::thinEditorPoints(m_source.skeletonCurve(), thinningCount());
    RepaintClick();
    // The results were those of the points before thinning.
    clearResults();
}

void TSkelton_edit::RadioGroup1Click(int item) {
    if (item == m_thinningItem) return;  // a click on the chosen count changes nothing
    m_thinningItem = item;
    Button2Click();
}

void TSkelton_edit::Button3Click() {
    const SkeletonContext& context = m_source.skeletonContext();
    const analysis::SkeletonCurve& curve = m_source.skeletonCurve();
    const auto n = static_cast<std::size_t>(std::clamp(curve.count, 0, analysis::SkeletonCurve::kSlots));
    m_evaluation.reset();
    analysis::EditorEvaluation e = analysis::evaluateEditorPoints(
        std::span<const double>(curve.X).first(n), std::span<const double>(curve.Y).first(n), context.units);
    // Labels first: after a failure the ones already reached stay.
    for (const auto& [name, text] : e.labels) {
        const int number = std::stoi(name.substr(5));  // "LabelN"
        if (number >= 1 && number < static_cast<int>(m_labels.size())) label(number)->setText(fromCp932(text));
    }
    if (e.failure) {
        // The reasons stay Japanese where the report page writes them; here they are shown.
        m_interaction->message(text::translate("kvx::analysis", e.failure->message.c_str()),
                               text::translate("kvx::analysis", e.failure->caption.c_str()),
                               e.exclamation ? ui::Icon::Exclamation : ui::Icon::None);
        return;
    }
    plot::Canvas& canvas = Image1->canvas();
    const analysis::WallSource& s = context.source;
    const plot::EditorTitle title{s.dataFileName, s.xChannel, s.xSign, s.ySign, analysis::timeStamp()};
    plot::drawEditorEvaluation(canvas, m_view, e, curve, CheckBox1->isChecked(), title, m_viewTexts);
    plot::selectMarkerPen(canvas);
    pictureChanged();
    emit wallHandOff(e.handOff);
    Button4->setEnabled(true);
    m_evaluation = std::move(e);
}

void TSkelton_edit::Button5Click() { QGuiApplication::clipboard()->setImage(Image1->image()); }

void TSkelton_edit::Button6Click() {
    plot::drawPointNumbers(Image1->canvas(), m_view, m_source.skeletonCurve());
    pictureChanged();
}

void TSkelton_edit::Button7Click() { clearResults(); }

}  // namespace kvx::app

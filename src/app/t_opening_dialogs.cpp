// The main window's setting dialogs and the mouse on the graph: the scale,
// title and data-range dialogs, the point value window, point picking and
// dragging the legend.
#include "app/graph_image.h"
#include "app/radio_group.h"
#include "app/t_data_list.h"
#include "app/t_form1.h"
#include "app/t_form3.h"
#include "app/t_opening.h"
#include "app/t_scale.h"
#include "app/t_title.h"
#include "app/t_value.h"
#include "plot/point_picking.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

#include <utility>

namespace kvx::app {

void TOpening::createSettingWindows() {
    m_runModal = [](QDialog& dialog) { return dialog.exec(); };
    m_scale = new TScale(*m_interaction, this);
    m_title = new TTitle(this);
    connect(m_title, &TTitle::confirmed, this, &TOpening::titleDialogConfirmed);
    m_form3 = new TForm3(
        *m_interaction,
        [this]() -> std::optional<int> {
            if (!m_state.DataLoaded) return std::nullopt;
            return m_state.data.RowCount;
        },
        this);
    connect(m_form3, &TForm3::startReset, this, [this] { m_state.graph.regionStart = 1; });
    connect(m_form3, &TForm3::rangeAccepted, this, &TOpening::applyRegion);
    m_value = new TValue(this);
    connect(m_value, &TValue::closedByButton, this, &TOpening::pointValueClosed);

    connect(Image1, &GraphImage::mouseDown, this, &TOpening::Image1MouseDown);
    connect(Image1, &GraphImage::mouseMove, this, &TOpening::Image1MouseMove);
    connect(Image1, &GraphImage::mouseUp, this, &TOpening::Image1MouseUp);
    connect(this, &TOpening::pointPicked, this, [this](int rowIndex) {
        if (m_dataList) m_dataList->showRowNumber(rowIndex + 1);
    });

    // The pause flags belong to the pause window's buttons. A pass maps the
    // answer to the same flags; this also covers the window when the point
    // value window brings it back after the pass has ended.
    connect(m_pauseWindow->BitBtn2, &QPushButton::clicked, this, [this] {
        m_state.graph.backFlag = 0;
        m_state.graph.continueFlag = 1;
    });
    connect(m_pauseWindow->BitBtn3, &QPushButton::clicked, this, [this] {
        m_state.graph.backFlag = 1;
        m_state.graph.continueFlag = 1;
    });
    connect(m_pauseWindow->BitBtn1, &QPushButton::clicked, this, [this] { m_state.graph.continueFlag = 0; });
}

// Scale dialog -------------------------------------------------------------------------

/// Modal; an OK with positive steps makes them the manual steps, anything else keeps them.
void TOpening::showScaleDialog() {
    // The frame's steps, so that OK at once keeps the graph as it is.
    m_scale->FormActivate(m_state.graph.frame.XStep, m_state.graph.frame.YStep);
    if (m_runModal(*m_scale) == QDialog::Accepted) m_state.scaleValues = {m_scale->manualXStep(), m_scale->manualYStep()};
}

// Title dialog -------------------------------------------------------------------------

void TOpening::showTitleDialog() {
    m_title->show();
    m_title->raise();
    m_title->activateWindow();
}

void TOpening::selectFirstTitleItem() { m_title->selectFirstItem(); }

void TOpening::exchangeAxisTitles() {
    // The dialog and the stored titles change together, so the next OK and
    // the next drawing agree.
    m_title->exchangeAxisTitles();
    std::swap(m_state.manualTitles[1], m_state.manualTitles[2]);
}

void TOpening::titleDialogConfirmed() {
    m_state.manualTitles = m_title->titles();
    const bool automatic = m_title->useDefaults();
    m_state.automaticTitle = automatic;
    CheckBox35->setChecked(automatic);
    N6->setChecked(automatic);
    Button4Click();
}

// Data-range dialog ----------------------------------------------------------------------

void TOpening::showDataRangeDialog() { m_form3->FormShow(); }

void TOpening::Button6Click() {
    if (m_form3->FormShow()) m_form3->applyRange();
}

void TOpening::applyRegion(int first, int last) {
    m_state.graph.regionStart = first;  // DisplayRange
    m_state.graph.regionEnd = last;
    RGStep->setItemIndex(3);  // without RGStepClick, which would open the dialog again
    Button4Click();
}

// Point picking and the legend --------------------------------------------------------------

void TOpening::Image1MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
    if (!m_state.DataLoaded) return;
    const plot::Pixel at{x, y};
    if (m_state.graph.legendShown && plot::insideLegend(at, m_state.graph.legendPosition, m_state.graph.legendSize)) {
        m_state.LegendPosition = m_state.graph.legendPosition;  // drawn left of it when it would not fit
        m_dragging = true;
        return;
    }
    m_dragging = false;
    const plot::PickedPoint picked = plot::pickPoint(m_state.graph, at, m_state.data.RowCount);
    m_value->showPoint(picked);
    if (picked.rowIndex) emit pointPicked(*picked.rowIndex);
    m_value->show();
    m_value->raise();
}

void TOpening::xorLegendOutline(plot::Pixel topLeft) {
    const plot::PixelSize size = m_state.graph.legendSize;
    Image1->canvas().rectangle(topLeft, {topLeft.x + size.width, topLeft.y + size.height});
}

void TOpening::Image1MouseMove(Qt::KeyboardModifiers, int x, int y) {
    if (!m_dragging) return;
    plot::Canvas& canvas = Image1->canvas();
    plot::Pen pen = canvas.pen();
    pen.color = plot::Rgb{0, 255, 255};
    pen.width = 1;
    pen.style = plot::PenStyle::Solid;
    pen.mode = plot::PenMode::Xor;
    canvas.setPen(pen);
    plot::Brush brush = canvas.brush();
    brush.clear = true;
    canvas.setBrush(brush);
    // Drawn twice in XOR, the outline of the last position disappears.
    const plot::Pixel to = plot::legendDragPosition({x, y}, m_state.graph.legendSize, {kImageWidth, kImageHeight});
    xorLegendOutline(m_state.LegendPosition);
    xorLegendOutline(to);
    m_state.LegendPosition = to;
    Image1->update();
}

void TOpening::Image1MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
    if (!m_dragging) return;
    plot::Canvas& canvas = Image1->canvas();
    plot::Pen pen = canvas.pen();
    pen.mode = plot::PenMode::Copy;
    pen.width = 1;
    canvas.setPen(pen);
    plot::Brush brush = canvas.brush();
    brush.clear = false;
    canvas.setBrush(brush);
    // Cleared first: a step or loop graph pauses inside the redraw.
    m_dragging = false;
    Button4Click();
}

void TOpening::pointValueClosed() {
    // After "次へ" or "戻る" the user was walking through steps or loops:
    // the pause window comes back. Not modal, as nothing waits for it now.
    if (m_state.graph.continueFlag != 1) return;
    m_pauseWindow->setModal(false);
    m_pauseWindow->show();
    m_pauseWindow->raise();
    m_pauseWindow->BitBtn2->setFocus();
}

}  // namespace kvx::app

// The point value window "Point Value": the values under the last click on
// the graph, their deformation angles as "1/n", and the row found there.
#pragma once

#include "plot/point_picking.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace kvx::app {

class TValue : public QDialog {
    Q_OBJECT
public:
    explicit TValue(QWidget* parent = nullptr);

    /// Fills the value labels from a pick (units are CP932 bytes).
    void showPoint(const plot::PickedPoint& picked);

    QLabel* valuex = nullptr;         // x value and unit
    QLabel* valuey = nullptr;         // y value and unit
    QLabel* radx = nullptr;           // x as "1/n" on a rad axis
    QLabel* rady = nullptr;           // y as "1/n" on a rad axis
    QLabel* Label4 = nullptr;         // the row found near the click
    QPushButton* Button1 = nullptr;   // "閉じる(&C)"

signals:
    /// "閉じる(&C)": the window has closed; the main window may bring back the pause window.
    void closedByButton();

private slots:
    void Button1Click();
};

}  // namespace kvx::app

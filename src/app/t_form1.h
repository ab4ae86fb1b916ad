// The pause window shown after each step or loop of the graph; for now it
// carries the loop-judgment label that the main window's menu keeps current.
#pragma once

#include <QDialog>

class QLabel;

namespace kvx::app {

class TForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    QLabel* Label9 = nullptr;  // how loops are judged, e.g. "零レベル通過点"
};

}  // namespace kvx::app

// The scale dialog "Set Scale": the manual tick steps used while automatic
// scale is off. Shown modally; refuses steps that are not positive numbers.
#pragma once

#include "ui/interaction.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace kvx::app {

class TScale : public QDialog {
    Q_OBJECT
public:
    explicit TScale(ui::Interaction& interaction, QWidget* parent = nullptr);
    void setInteraction(ui::Interaction& interaction) { m_interaction = &interaction; }

    /// Each time the dialog becomes active: the graph frame's current steps, three decimals.
    void FormActivate(double xStep, double yStep);
    /// The steps of the last OK (50 and 50 until then).
    double manualXStep() const { return m_xStep; }
    double manualYStep() const { return m_yStep; }

    QLineEdit* Edit1 = nullptr;      // X axis step
    QLineEdit* Edit2 = nullptr;      // Y axis step
    QPushButton* BitBtn1 = nullptr;  // "OK"

private slots:
    void BitBtn1Click();

private:
    ui::Interaction* m_interaction;
    double m_xStep = 50.0;
    double m_yStep = 50.0;
};

}  // namespace kvx::app

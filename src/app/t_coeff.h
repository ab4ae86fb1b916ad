// The characteristics window "復元力特性": the record's peaks, the measured and
// approximated characteristic loads, the bilinear model and the coefficients
// of the approximation, as the last skeleton evaluation left them.
#pragma once

#include "analysis/characteristics.h"

#include <QDialog>

#include <map>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kvx::app {

class TCoeff : public QDialog {
    Q_OBJECT
public:
    explicit TCoeff(QWidget* parent = nullptr);

    /// Shows the label texts and the coefficient rows.
    void render(const analysis::CharacteristicLabels& labels,
                const std::vector<std::pair<std::string, std::string>>& coefficientRows);
    /// The value label named as in the window (Pmax, PP120, PK, ...).
    QLabel* valueLabel(const std::string& name) const;
    bool guideLines() const;

    QTableWidget* StringGrid1 = nullptr;  // "近似式の係数": a[ i] and its value
    QPushButton* Button1 = nullptr;       // "閉じる(&C)"
    QCheckBox* LineCheck = nullptr;       // "Line Mark": guide lines on the graph

signals:
    /// "Line Mark" clicked: the main window redraws.
    void guideLinesChanged();

private:
    std::map<std::string, QLabel*> m_values;
};

}  // namespace kvx::app

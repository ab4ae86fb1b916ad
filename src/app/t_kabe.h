// The wall evaluation window "　壁倍率評価": a view of one WallEvaluation. Edits
// and buttons go to the model; every text and button state comes back from it.
#pragma once

#include "analysis/wall_evaluation.h"
#include "app/skeleton_source.h"
#include "ui/interaction.h"

#include <QDialog>

#include <map>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kvx::app {

class RadioGroup;

class TKabe : public QDialog {
    Q_OBJECT
public:
    TKabe(SkeletonSource& source, ui::Interaction& interaction, QWidget* parent = nullptr);

    void setInteraction(ui::Interaction& interaction) { m_interaction = &interaction; }
    const analysis::WallEvaluation& model() const { return m_model; }

    /// The edit box Edit1 ... Edit31.
    QLineEdit* edit(int number) const;
    /// A label by its name in the model ("Label51", "RowCurrent", "StarFormer2", ...).
    QLabel* textLabel(const std::string& name) const;

    RadioGroup* RadioGroup1 = nullptr;  // "変形角": the reference angle
    QPushButton* Button1 = nullptr;     // "特性値コピー"
    QPushButton* Button2 = nullptr;     // "再評価"
    QPushButton* Button3 = nullptr;     // "閉じる"
    QPushButton* Button4 = nullptr;     // "ファイル開く"
    QPushButton* Button5 = nullptr;     // "ファイル閉じる"
    QPushButton* Button6 = nullptr;     // "書き出す"
    QPushButton* Button7 = nullptr;     // "集計": the series summary of the rows written in this session

    /// Every row "書き出す" wrote in this session (CP932, as written), for the series summary.
    const std::vector<std::string>& writtenRows() const { return m_writtenRows; }

signals:
    /// "集計": the main window opens the series summary with writtenRows() and Edit10.
    void summaryRequested();

public slots:
    /// What the skeleton editor's last completed evaluation handed over.
    void storeHandOff(const analysis::WallHandOff& handOff) { m_handOff = handOff; }
    /// "特性値コピー": copy from the skeleton and the editor, show, re-evaluate.
    void Button1Click();
    /// "ファイル閉じる".
    void Button5Click();

private slots:
    void Button2Click();
    void Button4Click();
    void Button6Click();
    void RadioGroup1Click(int item);

private:
    void buildControls();
    void connectSignals();
    void render();
    void report(const std::optional<analysis::StepFailure>& failure);

    QLineEdit* addEdit(QWidget* parent, int number, int x, int y, int width = 100);
    QLabel* addText(QWidget* parent, const std::string& name, int x, int y, int width);
    enum class Unit { Load, Angle, Stiffness, Metre };
    QLabel* addUnit(QWidget* parent, Unit unit, int x, int y);

    SkeletonSource& m_source;
    ui::Interaction* m_interaction;
    analysis::WallEvaluation m_model;
    analysis::WallHandOff m_handOff;
    std::map<int, QLineEdit*> m_edits;
    std::map<std::string, QLabel*> m_texts;  // labels whose texts the model holds
    std::vector<QLabel*> m_loadUnits;
    QLabel* m_stiffnessUnit = nullptr;
    std::vector<std::string> m_writtenRows;
};

}  // namespace kvx::app

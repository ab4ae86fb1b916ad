// The data list window "　計測データリスト": the whole data set as a grid,
// single-value corrections, deleting a range of rows, saving the corrected
// data set. Every correction is made in the main window's data set at once.
#pragma once

#include "app/opening_state.h"
#include "ui/interaction.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTableView;

namespace kvx::app {

class DataListModel;

class TDataList : public QDialog {
    Q_OBJECT
public:
    TDataList(OpeningState& state, ui::Interaction& interaction, QWidget* parent = nullptr);
    void setInteraction(ui::Interaction& interaction) { m_interaction = &interaction; }

    /// The main window's "データリスト": rebuild from the data set and show (modeless).
    void showList();
    /// Fills the grid and the labels from the data set as it is now.
    void rebuild();
    /// Point picking's hand-over: Edit1 := the row number (from 1), which
    /// scrolls the grid to that row when the list holds it.
    void showRowNumber(int rowNumber);

    DataListModel* model() const { return m_model; }

    QTableView* StringGrid1 = nullptr;  // the values, one row per scan
    QLabel* Label1 = nullptr;           // "ステップ"
    QLineEdit* Edit1 = nullptr;         // row number to scroll to
    QLabel* Label2 = nullptr;           // data file name
    QLabel* Label3 = nullptr;           // "/ " and the row count
    QLabel* Label4 = nullptr;           // channels read / channels of the file
    QCheckBox* CBCorrect = nullptr;     // "データ修正": typing into the grid allowed
    QPushButton* Button1 = nullptr;     // "閉じる"
    QPushButton* Button2 = nullptr;     // "変　更": store the current cell's text
    QPushButton* Button3 = nullptr;     // "行削除": delete rows Edit2 ... Edit3
    QPushButton* Button4 = nullptr;     // "保存": the corrected data set as a standard file
    QLabel* Label5 = nullptr;           // "削除範囲"
    QLineEdit* Edit2 = nullptr;         // first row to delete
    QLineEdit* Edit3 = nullptr;         // last row to delete
    QLabel* Label6 = nullptr;           // "から"
    QLabel* Label7 = nullptr;           // "まで"
    QCheckBox* CheckBox1 = nullptr;     // "確認": ask before deleting

signals:
    /// The data set was corrected; the graph must be drawn again.
    void dataChanged();

public slots:
    void Edit1Change(const QString& text);
    void CBCorrectClick(bool checked);
    void StringGrid1Click(const QModelIndex& index);
    void StringGrid1SetEditText();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

private:
    void buildControls();
    void connectSignals();
    void afterCorrection();

    OpeningState& m_state;
    ui::Interaction* m_interaction;
    DataListModel* m_model = nullptr;
};

}  // namespace kvx::app

// The data-range dialog "データ範囲設定": the rows of the region display
// mode, stepped through the record with "次へ" and "戻る". Not modal, on top.
#pragma once

#include "ui/interaction.h"

#include <QDialog>
#include <QSpinBox>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kvx::app {

/// A row spinner: its edit and arrows in one control. Tells apart a move by
/// the arrows (or arrow keys, or the wheel) from a typed change.
class RowSpinner : public QSpinBox {
    Q_OBJECT
public:
    explicit RowSpinner(QWidget* parent = nullptr);
    QLineEdit* edit() const { return lineEdit(); }

signals:
    /// The arrows were used; the position has already moved.
    void arrowClicked();

protected:
    void stepBy(int steps) override;
};

class TForm3 : public QDialog {
    Q_OBJECT
public:
    /// `loadedRows` gives the data set's row count, or nothing before a file is read.
    TForm3(ui::Interaction& interaction, std::function<std::optional<int>()> loadedRows, QWidget* parent = nullptr);
    void setInteraction(ui::Interaction& interaction) { m_interaction = &interaction; }

    /// Opening: shows the dialog, resets the start to 1 and the end to the
    /// increment. False (after the conversion error) when the increment is no integer.
    bool FormShow();
    /// Validates the two spinners; an accepted range goes to the main window,
    /// a refused one is told. True when accepted.
    bool applyRange();

    int firstRow() const { return UpDown1->value(); }
    int lastRow() const { return UpDown2->value(); }

    QLabel* Label1 = nullptr;         // message line
    QLabel* Label4 = nullptr;         // row count line, "1 ～ 1000"
    RowSpinner* UpDown1 = nullptr;    // first row, 1 ... 30000
    QLineEdit* Edit1 = nullptr;       // UpDown1's edit ("から")
    RowSpinner* UpDown2 = nullptr;    // last row, 1 ... 30000
    QLineEdit* Edit2 = nullptr;       // UpDown2's edit ("まで")
    QLineEdit* Edit3 = nullptr;       // "増分": rows per step
    QCheckBox* CheckBox1 = nullptr;   // "自動": the arrows step at once
    QPushButton* BitBtn1 = nullptr;   // "次へ"
    QPushButton* Button2 = nullptr;   // "戻る"
    QPushButton* Button3 = nullptr;   // "リセット"
    QPushButton* Button1 = nullptr;   // "閉じる"

signals:
    /// Opening: the main window's region starts at row 1 again.
    void startReset();
    /// An accepted range (rows from 1): the main window stores it, selects the
    /// region display mode and draws.
    void rangeAccepted(int first, int last);

private slots:
    void BitBtn1Click();  // "次へ"
    void Button2Click();  // "戻る"
    void Button3Click();  // "リセット"
    void Edit1Change();   // the start drags the end along
    void UpDownClick();   // spinner arrows: "次へ" when "自動" is checked

private:
    int rowCount() const { return m_loadedRows().value_or(0); }
    /// Edit3 as an integer; nothing (after the conversion error) otherwise.
    std::optional<int> readIncrement();

    ui::Interaction* m_interaction;
    std::function<std::optional<int>()> m_loadedRows;
};

}  // namespace kvx::app

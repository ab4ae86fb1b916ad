// The pause window "一時停止", shown modally after each step or loop of the
// graph: the rows just shown, the loop values, and next / back / stop.
#pragma once

#include "ui/interaction.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kvx::app {

class TForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    /// Fills the labels, shows the window modally with the focus on "次へ",
    /// and returns the button that closed it (Closed for the window frame).
    ui::PauseAnswer showPause(const ui::PauseInfo& info);

    QLabel* Label2 = nullptr;          // rows shown, "1～200"
    QLabel* Label4 = nullptr;          // loop area
    QLabel* Label6 = nullptr;          // equivalent damping ratio
    QLabel* Label8 = nullptr;          // equivalent stiffness
    QLabel* Label9 = nullptr;          // how loops are judged, e.g. "零レベル通過点"
    QPushButton* BitBtn2 = nullptr;    // "次へ"
    QPushButton* BitBtn3 = nullptr;    // "戻る"
    QPushButton* BitBtn1 = nullptr;    // "中止"
    QPushButton* Button1 = nullptr;    // "コピー": picture to the clipboard, window stays
    QCheckBox* CheckBox1 = nullptr;    // "コピー": always copy before the window appears

signals:
    /// "コピー" pressed: the main window copies its picture.
    void copyRequested();

private:
    void answer(ui::PauseAnswer a);
    ui::PauseAnswer m_answer = ui::PauseAnswer::Closed;
};

}  // namespace kvx::app

// The skeleton editor "Skelton Curve Edit": the record and the points of the
// last skeleton evaluation on a picture of their own, where points are moved,
// added, deleted or thinned, and the elasto-plastic evaluation of the edited
// points whose results go on to the wall evaluation.
#pragma once

#include "analysis/skeleton_editor.h"
#include "app/skeleton_source.h"
#include "plot/skeleton_editor_drawing.h"
#include "ui/interaction.h"

#include <QDialog>

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kvx::app {

class GraphImage;
class RadioGroup;

class TSkelton_edit : public QDialog {
    Q_OBJECT
public:
    /// RadioGroup2 items.
    enum class PointMode { Move = 0, Add = 1, Delete = 2, None = 3 };

    TSkelton_edit(SkeletonSource& source, ui::Interaction& interaction, QWidget* parent = nullptr);

    void setInteraction(ui::Interaction& interaction) { m_interaction = &interaction; }

    /// Shows the window for the skeleton as the last evaluation left it: a new
    /// view of the record, the points as markers, the result labels cleared.
    void FormShow();

    const analysis::EditorView& view() const { return m_view; }
    /// Label1 ... Label21.
    QLabel* label(int number) const { return m_labels.at(static_cast<std::size_t>(number)); }
    PointMode pointMode() const;
    /// The point count of "点数変更".
    int thinningCount() const;
    /// The completed evaluation whose results the labels show: none since the
    /// window was shown, after a failed one, or once thinning or "骨格曲線近似"
    /// has cleared the labels.
    const std::optional<analysis::EditorEvaluation>& evaluation() const { return m_evaluation; }

    GraphImage* Image1 = nullptr;       // the picture (544 x 504)
    QPushButton* Button1 = nullptr;     // "閉じる(&C)": sort and close
    QPushButton* Button2 = nullptr;     // "点整理(&P)": thin to the chosen count
    RadioGroup* RadioGroup1 = nullptr;  // "点数変更": 25, 50, 75, 100 points
    RadioGroup* RadioGroup2 = nullptr;  // "点操作": move, add, delete, nothing
    QPushButton* Repaint = nullptr;     // "再描画(&R)": sort and redraw
    QPushButton* Button3 = nullptr;     // "等価完全弾塑性特性": evaluation
    QCheckBox* CheckBox1 = nullptr;     // "補助線表示": construction lines
    QPushButton* Button4 = nullptr;     // "壁倍率": the wall evaluation
    QPushButton* Button5 = nullptr;     // "グラフコピー": picture to the clipboard
    QPushButton* Button6 = nullptr;     // "点番号": point indices on the picture
    QPushButton* Button7 = nullptr;     // "骨格曲線近似": clears the result labels
    QLabel* Label1 = nullptr;           // "Skelton Points n"
    QLabel* Label2 = nullptr;           // mouse X
    QLabel* Label3 = nullptr;           // "Selected point i"
    QLabel* Label4 = nullptr;           // mouse Y

signals:
    /// A completed evaluation: what the wall evaluation works with.
    void wallHandOff(const analysis::WallHandOff& handOff);
    /// "壁倍率" pressed.
    void wallEvaluationRequested();
    /// "閉じる" pressed while the labels show a completed evaluation: the main
    /// graph is to show the edited points and this evaluation's model.
    void closedWithEvaluation(const analysis::EditorEvaluation& evaluation);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void Button1Click();
    void Button2Click();
    void RadioGroup1Click(int item);
    void RepaintClick();
    void Button3Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();

private:
    void buildControls();
    void connectSignals();

    void Image1MouseDown(int x, int y);
    void Image1MouseMove(int x, int y);
    void Image1MouseUp(int x, int y);
    void addPoint(double x, double y);
    std::optional<int> pickPoint(double x, double y) const;

    void drawView();
    void showPointCount();
    void clearResultLabels(int last);
    void clearResults();
    void pictureChanged();
    QString xUnit() const;
    QString yUnit() const;

    SkeletonSource& m_source;
    ui::Interaction* m_interaction;
    analysis::EditorView m_view;
    std::vector<plot::PictureText> m_viewTexts;  // the axis end values the evaluation's texts keep clear of
    std::optional<analysis::EditorEvaluation> m_evaluation;
    std::array<QLabel*, 22> m_labels{};  // index = label number; 0 unused
    int m_thinningItem = 2;              // RadioGroup1's item before a click
    bool m_dragging = false;
    int m_selected = -1;
    double m_dragX = 0, m_dragY = 0;  // where the dragged marker is drawn (data units)
};

}  // namespace kvx::app

// The title dialog "タイトル設定": the manual graph and axis titles, and
// whether the graph uses them or its automatic titles. Not modal.
#pragma once

#include <QDialog>

#include <array>
#include <string>

class QLineEdit;
class QPushButton;

namespace kvx::app {

class RadioGroup;

class TTitle : public QDialog {
    Q_OBJECT
public:
    /// Longest manual title in CP932 bytes (the titles live in 50-byte fields).
    static constexpr std::size_t kMaxTitleBytes = 49;

    explicit TTitle(QWidget* parent = nullptr);

    /// The three edit texts as CP932 bytes (graph, X axis, Y axis), each cut to
    /// 49 bytes without splitting a character.
    std::array<std::string, 3> titles() const;
    /// "規定値を使用する" chosen: the graph keeps its automatic titles.
    bool useDefaults() const;
    /// Radio group back to "上の値を使用する".
    void selectFirstItem();
    /// The main channel changed axes: the X and Y titles change places.
    void exchangeAxisTitles();

    QLineEdit* Edit1 = nullptr;          // graph title
    QLineEdit* Edit2 = nullptr;          // X axis title
    QLineEdit* Edit3 = nullptr;          // Y axis title
    RadioGroup* RadioGroup1 = nullptr;   // "タイトル指定": 上の値を使用する / 規定値を使用する
    QPushButton* BitBtn1 = nullptr;      // "OK"

signals:
    /// OK: the dialog has closed; the main window takes the titles and redraws.
    void confirmed();

private slots:
    void BitBtn1Click();
};

}  // namespace kvx::app

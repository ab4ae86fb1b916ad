// The series summary window "試験体集計": the rows of a wall result file, or
// those the wall window wrote in this session, each with a check box; L and α;
// and for each side the statistics of the checked rows, the results and a bar
// chart. Every check and edit recomputes at once; the numbers come from
// analysis::summarizeRows, the texts and the chart from plot/series_chart.
#pragma once

#include "analysis/series_statistics.h"
#include "ui/interaction.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QImage;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace kvx::app {

class SeriesChartView;

/// One side's tab: the statistics table, the results and the chart, or why
/// the side has no summary.
class SeriesSidePage : public QWidget {
public:
    explicit SeriesSidePage(QWidget* parent = nullptr);

    void render(const std::optional<analysis::SideSummary>& summary, const std::string& failure,
                const std::vector<std::string>& names, const std::array<std::string, 4>& captions,
                data::ForceUnit unit);
    /// The value shown beside the result whose caption starts with `caption` (empty when none).
    QString result(const QString& caption) const;
    const QImage& chartImage() const;

    QTableWidget* Table = nullptr;  // rows: the four indices; columns: specimens, then the statistics
    QLabel* Failure = nullptr;      // why the side has no summary
    QLabel* Notes = nullptr;        // indices whose factor 1 − CV·k is not positive

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitTableHeight();

    std::vector<std::pair<QLabel*, QLabel*>> m_results;  // caption, value
    SeriesChartView* m_chart = nullptr;
};

class TSeriesSummary : public QDialog {
    Q_OBJECT
public:
    /// `forceUnit` reads the main window's force unit when the summary is computed.
    TSeriesSummary(ui::Interaction& interaction, std::function<data::ForceUnit()> forceUnit,
                   QWidget* parent = nullptr);

    void setInteraction(ui::Interaction& interaction) { m_interaction = &interaction; }
    /// The print dialog: true to print on the printer as set up (tests print to PDF).
    void setPrintDialog(std::function<bool(QPrinter&)> dialog) { m_printDialog = std::move(dialog); }

    /// The rows the wall window wrote (CP932, as written), read with the wall
    /// file's header `headerCp932` (for the reference angle's name), and its L.
    void showWrittenRows(const std::vector<std::string>& rows, const std::string& headerCp932,
                         const QString& wallLength);
    void setWallLength(const QString& wallLength);

    /// The rows of the list (all of them) and the checked ones.
    const std::vector<analysis::SpecimenRow>& rows() const { return m_rows; }
    std::vector<analysis::SpecimenRow> checkedRows() const;
    /// The summary on screen.
    const analysis::SeriesSummary& summary() const { return m_summary; }
    /// The folder of the wall result file last opened (empty before one).
    const std::string& folder() const { return m_folder; }

    QPushButton* Button1 = nullptr;   // "ファイル開く": a wall result file
    QPushButton* Button2 = nullptr;   // "ファイル保存": the summary as CSV
    QPushButton* Button3 = nullptr;   // "印刷"
    QPushButton* Button4 = nullptr;   // "報告書"
    QPushButton* Button5 = nullptr;   // "閉じる"
    QLineEdit* EditL = nullptr;       // "壁長さ L" [m]
    QLineEdit* EditAlpha = nullptr;   // "低減係数 α"
    QLabel* InputMessage = nullptr;   // why L or α was not taken
    QLabel* SourceLabel = nullptr;    // where the rows came from
    QTableWidget* RowList = nullptr;  // one row per specimen, checked ones are summarized
    QTabWidget* Sides = nullptr;      // tab 0 Plus, tab 1 Minus
    SeriesSidePage* PlusPage = nullptr;
    SeriesSidePage* MinusPage = nullptr;

signals:
    /// "報告書" after a PDF file name was chosen; the report writer takes it from here.
    void reportRequested(const QString& path);

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void load(std::vector<analysis::SpecimenRow> rows, const std::string& referenceHeader, const QString& source);
    /// Recomputes from the controls; false (and the message on the window) when L or α is not a positive number.
    bool recompute();
    /// recompute(), and the reason told through the interaction when it fails or nothing is checked.
    bool readyToWrite();
    void render();
    void showHeadings();
    void showSource();
    /// Every text of the window made again in the language in use.
    void retranslate();
    std::array<std::string, 4> chartCaptions() const;

    ui::Interaction* m_interaction;
    std::function<data::ForceUnit()> m_forceUnit;
    std::function<bool(QPrinter&)> m_printDialog;
    std::vector<analysis::SpecimenRow> m_rows;
    std::string m_referenceHeader;  // UTF-8, e.g. "1/120耐力"
    std::string m_folder;           // of the file opened last, for the save dialogs
    QString m_source;                       // as the printed page names it (Japanese)
    std::optional<std::size_t> m_writtenRows;  // the rows came from the wall window: how many
    std::vector<analysis::SpecimenRow> m_checked;  // as summarized
    data::ForceUnit m_unit = data::ForceUnit::kN;  // as summarized
    analysis::SeriesSummary m_summary;
};

}  // namespace kvx::app

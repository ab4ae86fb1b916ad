// The text import window "テキスト読込": how a delimited text file of another
// lab becomes the data set. It holds the file's bytes, turns every control
// change into import settings and shows what the core makes of them (the
// preview, the columns and their units, the rows kept). The settings of the
// last import are offered again for the next file of the same shape.
#pragma once

#include "data/delimited_import.h"
#include "data/measurement_data.h"
#include "ui/interaction.h"

#include <QDialog>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

namespace kvx::app {

class TTextImport : public QDialog {
    Q_OBJECT
public:
    TTextImport(ui::Interaction& interaction, data::ForceUnit forceUnit, QWidget* parent = nullptr);

    /// Shows `bytes`, read from `path`, with the settings last used for a file
    /// of the same shape, or else with `detected`.
    void load(const std::string& path, std::string_view bytes, const data::ImportSettings& detected);
    /// The settings as the controls hold them.
    data::ImportSettings settings() const;
    /// True while the controls hold the settings remembered for this file's shape.
    bool offersRememberedSettings() const { return m_remembered; }

    /// The INI file the settings are remembered in; empty: the user's own.
    /// Tests and the picture tool keep theirs apart from the user's.
    static void setSettingsFile(const QString& path);

    /// The main window's short note on a finished import: thinning and
    /// skipped rows; empty when every row was read.
    static QString readNote(const data::ImportReport& report);

    /// The order box of file column `column` (from 1).
    QSpinBox* orderBox(int column) const;

    QComboBox* DelimiterBox = nullptr;       // "区切り": カンマ / セミコロン / タブ / 空白
    QComboBox* DecimalBox = nullptr;         // "小数点": ピリオド / カンマ
    QComboBox* EncodingBox = nullptr;        // "文字コード": UTF-8 / Shift-JIS (CP932)
    QSpinBox* HeaderRowsBox = nullptr;       // "見出し行数": rows before the numbers, 0 ... 10
    QSpinBox* NamesRowBox = nullptr;         // "名前の行": header row of the names, 0 = なし
    QSpinBox* UnitsRowBox = nullptr;         // "単位の行": header row of the units, 0 = なし
    QCheckBox* SkipBadRowsBox = nullptr;     // "不正な行を読み飛ばす"
    QRadioButton* ThinAutoButton = nullptr;  // "自動": thin only a record too long for the table
    QRadioButton* ThinStepButton = nullptr;  // "間隔": keep every n-th row
    QSpinBox* ThinStepBox = nullptr;         // the n of "間隔"
    QTableWidget* PreviewTable = nullptr;    // the first 30 lines as read and as split into fields
    QTableWidget* ColumnTable = nullptr;     // one row per file column: 使う, 順番, 名前, 単位, 換算
    QLabel* SummaryLabel = nullptr;          // rows kept, thinning, skipped rows, force; or why not
    QPushButton* DetectedButton = nullptr;   // "検出値に戻す"
    QPushButton* ReadButton = nullptr;       // "読込"
    QPushButton* SaveButton = nullptr;       // "標準形式で保存"
    QPushButton* CancelButton = nullptr;     // "キャンセル"

    /// Columns of ColumnTable.
    enum ColumnField { kColumnNumber, kUse, kOrder, kName, kUnit, kConversion, kColumnFields };

private:
    void buildControls();
    void connectSignals();
    /// The texts made at run time, made again in the language in use.
    void retranslate();
    void showPreviewTitle();

    // Parse once per change of the dialect, plan once per change of the columns.
    void reparse();
    void replan();
    void edited();  // by the user: no longer the remembered settings, nor just saved

    data::TextDialect dialect() const;
    void showSettings(const data::ImportSettings& s);
    void showPreview();
    int fileColumnCount() const;
    void syncColumns();
    void buildColumnRows(int count);
    void applyChannels(const data::ImportSettings& s);
    void showOrder();
    void showSummary();
    QString headerText(int row, int column) const;

    void columnItemChanged(QTableWidgetItem* item);
    void orderChanged(int column, int position);
    void DetectedButtonClick();
    void ReadButtonClick();
    void SaveButtonClick();
    void remember() const;

    QGroupBox* m_previewGroup = nullptr;  // its title names the file
    ui::Interaction* m_interaction;
    data::ForceUnit m_forceUnit;
    std::string m_path;
    std::string m_bytes;
    data::ImportSettings m_detected;
    QString m_shapeKey;       // settings group of files shaped like this one
    bool m_remembered = false;
    data::ParsedText m_parsed;
    std::vector<data::PreviewLine> m_preview;
    data::ImportPlan m_plan;
    std::vector<int> m_order;  // file columns from 1 in channel order: the used ones
    std::vector<QString> m_headerNames, m_headerUnits;  // per file column, as the header rows give them
    bool m_filling = false;    // the cells are being filled, not edited
    QString m_savedPath;       // written by "標準形式で保存", told until the next change
};

}  // namespace kvx::app

// The main graph window: option controls and menus, the data set and the
// option state, start-up, exit and the open command.
#pragma once

#include "analysis/elasto_file.h"
#include "app/channel_box.h"
#include "app/language.h"
#include "app/opening_state.h"
#include "app/skeleton_source.h"
#include "data/data_file_format.h"
#include "data/open_data_file.h"
#include "plot/graph_command.h"
#include "ui/interaction.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QPrinter;
class QTableWidget;

namespace kvx::app {

class GraphImage;
class RadioGroup;
class TCoeff;
class TCycles;
struct CycleRecord;
class TDataList;
class THenkan;
class TSettei;
class TTaio;
class TForm1;
class TForm3;
class TScale;
class TTitle;
class TValue;
class TKabe;
class TSeriesSummary;
class TSkelton_edit;
class TUsage;
class THistory;
class TAbout;

class TOpening : public QMainWindow, private plot::GraphHost, private SkeletonSource {
    Q_OBJECT
public:
    explicit TOpening(ui::Interaction& interaction, QWidget* parent = nullptr);
    ~TOpening() override;

    /// Start-up: option defaults, ELASTO.CSV in the current directory, channel
    /// boxes. False when ELASTO.CSV cannot be created; the program must then end.
    bool FormCreate();
    /// Opens `path` as the open command does after its dialog (used for a file
    /// named on the command line). False when the file was not read.
    bool openFile(const QString& path);
    /// The interaction of this window and of the windows it opens.
    void setInteraction(ui::Interaction& interaction);
    /// The print dialog: true to print on the printer as set up. Tests put a
    /// PDF file behind it instead of the platform's dialog.
    void setPrintDialog(std::function<bool(QPrinter&)> dialog) { m_printDialog = std::move(dialog); }
    /// How modal dialogs (the scale dialog) are run: exec() and its result.
    /// Tests act in the dialog instead of waiting for a person.
    void setModalRunner(std::function<int(QDialog&)> run) { m_runModal = std::move(run); }

    /// Unchecks and disables the 16 channel boxes, enables boxes 1..n and the
    /// Graph button, and colours the boxes for n channels.
    void EnableChannels(int n);
    /// Resets all 16 channel boxes to the button face, then gives boxes 1..n
    /// their channel colour (none for n = 0 or n > 16).
    void colorChannelBoxes(int n);

    const OpeningState& state() const { return m_state; }
    TForm1* pauseWindow() const { return m_pauseWindow; }
    TCoeff* characteristicsWindow() const { return m_coeff; }
    TSkelton_edit* skeletonEditor() const { return m_editor; }
    TKabe* wallWindow() const { return m_kabe; }
    TSeriesSummary* seriesSummaryWindow() const { return m_summary; }
    TCycles* cyclesWindow() const { return m_cycles; }
    TTaio* correspondenceWindow() const { return m_taio; }
    TScale* scaleDialog() const { return m_scale; }
    TTitle* titleDialog() const { return m_title; }
    TForm3* dataRangeDialog() const { return m_form3; }
    TValue* pointValueWindow() const { return m_value; }
    TDataList* dataListWindow() const { return m_dataList; }
    THenkan* conversionWindow() const { return m_henkan; }
    TSettei* lineStyleWindow() const { return m_settei; }
    /// True once the exit command has ended the program.
    bool hasEnded() const { return m_ended; }

signals:
    /// The exit command ended the program (the event loop has been told to quit).
    void programEnded();
    /// A click on the graph found row `rowIndex` (from 0); the data list scrolls to it.
    void pointPicked(int rowIndex);

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    // Commands
    void Button2Click();   // "ファイル (&F)": open command
    void Open1Click();     // menu "開く(&O)"
    void TextImport1Click();  // menu "テキスト読込(&T)": a delimited text file, whatever the format menu says
    void Button3Click();   // "終了 (&X)": exit command
    void Exit1Click();     // menu "終了(&X)"
    void Button4Click();   // "グラフ ": Graph command, the single redraw path
    void Button11Click();  // "クリア": uncheck all channel boxes
    void GraphButton();    // any channel box: prompt instead of a stale graph

    // Option controls
    void CBColorClick();     // "カラー表示"
    void CBSmoothClick();    // "平滑化"
    void CBEnvelopeClick();  // "包絡線"
    void CBExpClick();       // "凡例"
    void CheckBox33Click();  // "第一象限": opposite of menu N1
    void CheckBox34Click();  // "自動目盛り": mirrored by menu N4
    void CheckBox35Click();  // "タイトル" (automatic titles): mirrored by menu N6
    void RGStepClick();      // display mode
    void RGmainaxisClick();  // axis of the main channel
    void RGmainchClick();    // main channel
    void redrawClick();      // option boxes whose only effect is a redraw

    // Menu radio groups
    void N31Click();  // smoothing size 3
    void N51Click();
    void N71Click();
    void N91Click();
    void N151Click();
    void N311Click();
    void N502Click();  // step size 50
    void N1002Click();
    void N2002Click();
    void N5002Click();
    void N10002Click();
    void N52Click();  // mark interval 5
    void N101Click();
    void N201Click();
    void N501Click();
    void N3601Click();  // printer dpi 360
    void N4001Click();
    void N6001Click();
    void N01Click();  // approximation degree 0
    void N72Click();
    void N92Click();
    void N111Click();
    void N131Click();
    void N991Click();
    void kN1Click();
    void kg1Click();
    void csv1Click();  // standard CSV files
    void txt1Click();  // Tokyo Sokki text files
    void csv2Click();  // Tokyo Sokki CSV files
    void generic1Click();  // delimited text files of any lab, through the text import window
    void ExtremaClick();   // loops end at positive extrema
    void ExtremaMClick();  // loops end at negative extrema
    void ZEROLevelClick(); // loops end where the main channel crosses zero
    void GIF1Click();  // save pictures as PNG
    void BMP1Click();  // save pictures as BMP

    // Menu toggles
    void N1Click();   // "原点中央"
    void N4Click();   // "目盛り自動設定"
    void N6Click();   // "タイトル自動設定"
    void N10Click();  // "凡例"

    // Commands served by other windows (t_opening_windows.cpp)
    void Button1Click();    // "印刷 (&P)"
    void Print1Click();     // menu "印刷(&P)"
    void Button5Click();    // "コピー"
    void K3Click();         // menu "コピー"
    void GraphSaveClick();  // "保　存"
    void Button6Click();    // "データ範囲"
    void N5Click();         // menu "範囲設定"
    void Button8Click();    // "データリスト"
    void Button9Click();    // "線種設定"
    void N11Click();        // menu "グラフ線種設定"
    void BtnTaioClick();    // "対応表"
    void N14Click();        // menu "変形角変換"
    void Button10Click();   // "変形角変換" (hidden)
    void Tutorial1Click();  // menu "使い方"
    void N13Click();        // menu "変更履歴"
    void K1Click();         // menu "バージョン情報"
    void JapaneseClick();   // menu "表示言語" → "日本語"
    void EnglishClick();    // menu "表示言語" → "English"
    void SeriesSummary1Click();  // menu "試験体集計"
    void Cycles1Click();         // menu "サイクル評価"

private:
    // Building the window (t_opening_layout.cpp)
    void buildControls();
    void switchLanguage(Language language);
    void buildButtons(QWidget* area);
    void buildChannelControls(QWidget* area);
    void buildOptionControls(QWidget* area);
    void buildLabelsAndGrid(QWidget* area);
    void buildMenu();
    void connectSignals();

    // Open command steps
    bool openFileAs(const QString& path, data::DataFileFormat format);
    void applyOpenedFile(data::OpenedFile opened);
    void finishOpen();
    void fillHeaderGrid();

    // Exit
    void endProgram();

    // Menu radio groups: uncheck the group, check `item`, store the value.
    void chooseSmoothingSize(QAction* item, int size);
    void chooseStepSize(QAction* item, int size);
    void chooseMarkInterval(QAction* item, int interval);
    void chooseApproximationDegree(QAction* item, int degree);
    void chooseDataFileFormat(QAction* item);
    void chooseLoopJudgment(QAction* item, Text label);
    void chooseForceUnit(data::ForceUnit unit);
    void chooseImageFormat(QAction* item);

    void updateMainChannelCaptions();
    void drawPrompt();

    // The Graph command: the options as the controls show them, and the
    // window as the command sees it.
    plot::GraphOptions currentOptions() const;
    void setBusy(bool busy) override;
    void showRowLabel(const std::string& text) override;
    void uncheckForStepAndLoop() override;
    void uncheckFileOutput() override;
    void pictureChanged() override;
    bool alwaysCopyOnPause() const override;
    void copyPictureToClipboard() override;
    analysis::ElastoFile* elastoFile() override { return &m_elasto; }
    void setEditorWallButton(bool enabled) override;
    void showEditor() override;
    void storeReplaced() override;
    void showCharacteristics() override;

    // The skeleton editor's and the wall evaluation's view of this window.
    analysis::SkeletonCurve& skeletonCurve() override { return m_state.graph.skeleton.curve; }
    std::span<const double> recordX() const override;
    std::span<const double> recordY() const override;
    const SkeletonContext& skeletonContext() const override { return m_skeletonContext; }
    SkeletonContext currentSkeletonContext() const;

    // Secondary windows of later work (t_opening_windows.cpp)
    void showScaleDialog();
    void showTitleDialog();
    void selectFirstTitleItem();
    void exchangeAxisTitles();
    void showDataRangeDialog();
    void printGraph();
    void copyGraph();
    void saveGraph();
    void showLineStyles();
    void showDataList();
    void showCorrespondence();
    void showConversion();
    bool wallResultFileOpen() const;
    void showSeriesSummary();
    void closeWallResultFile();
    // The cycle evaluation window: what it evaluates, and its curves over the graph.
    void showCycles();
    CycleRecord cycleRecord() const;
    void drawCyclesOverlay();
    void redrawForCycles();

    // The data list, conversion and line style windows (t_opening_data.cpp)
    void createDataWindows();
    void drawConvertedChannel(int graphChannel);

    // Setting dialogs, point picking and legend dragging (t_opening_dialogs.cpp)
    void createSettingWindows();
    void Image1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void Image1MouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void Image1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void titleDialogConfirmed();
    void applyRegion(int first, int last);
    void pointValueClosed();
    void xorLegendOutline(plot::Pixel topLeft);

public:
    // Option reads, named after what the controls mean.
    int channelCount() const { return m_state.shownChannelCount; }
    bool firstQuadrant() const;
    bool automaticScaleChecked() const;
    bool automaticTitleChecked() const;
    int displayMode() const;  // RGStep: 0 all, 1 step, 2 loop, 3 region
    int mainChannel() const;  // 1..16
    bool mainOnY() const;     // RGmainaxis item 1
    data::DataFileFormat dataFileFormat() const;
    ChannelBox* channelBox(int channel) const { return m_channelBoxes.at(static_cast<std::size_t>(channel - 1)); }
    QCheckBox* signBox(int channel) const { return m_signBoxes.at(static_cast<std::size_t>(channel - 1)); }

private:
    ui::Interaction* m_interaction;
    OpeningState m_state;
    analysis::ElastoFile m_elasto;
    bool m_ended = false;
    bool m_keepStatusNote = false;  // Label2 holds a note on how the file was read
    /// Label2 after a graph: what the user can do next.
    void showNextStep();
    /// Label2, in the language in use now and after a switch.
    void setStatus(Text text);
    void setStatus(std::function<QString()> text);
    bool m_promptShown = false;  // the picture shows the core's prompt, not a graph
    Text m_saveFilter{};  // the image save dialog's filter, follows GIF1/BMP1

    TForm1* m_pauseWindow = nullptr;
    TCoeff* m_coeff = nullptr;
    TSkelton_edit* m_editor = nullptr;
    TKabe* m_kabe = nullptr;
    TSeriesSummary* m_summary = nullptr;
    TCycles* m_cycles = nullptr;
    TTaio* m_taio = nullptr;
    TDataList* m_dataList = nullptr;
    THenkan* m_henkan = nullptr;
    TSettei* m_settei = nullptr;
    std::function<bool(QPrinter&)> m_printDialog;
    std::function<int(QDialog&)> m_runModal;
    TScale* m_scale = nullptr;
    TTitle* m_title = nullptr;
    TForm3* m_form3 = nullptr;
    TValue* m_value = nullptr;
    bool m_dragging = false;  // the legend follows the mouse until the button is released
    SkeletonContext m_skeletonContext;  // as the last skeleton evaluation ran
    TUsage* m_usage = nullptr;
    THistory* m_history = nullptr;
    TAbout* m_about = nullptr;

    std::array<ChannelBox*, 16> m_channelBoxes{};
    std::array<QCheckBox*, 16> m_signBoxes{};
    std::array<QLabel*, 16> m_signNumberLabels{};

    // Graph picture and grid
    GraphImage* Image1 = nullptr;         // 544 x 504 graph picture
    QTableWidget* StringGrid1 = nullptr;  // channel header texts of the file

    // Channel choice
    QGroupBox* GBselectch = nullptr;  // "表示チャンネル" / "主軸チャンネル"
    ChannelBox* CheckBox1 = nullptr;   // "1 CH" (display channel 1)
    ChannelBox* CheckBox2 = nullptr;   // "2 CH"
    ChannelBox* CheckBox3 = nullptr;   // "3 CH"
    ChannelBox* CheckBox4 = nullptr;   // "4 CH"
    ChannelBox* CheckBox5 = nullptr;   // "5 CH"
    ChannelBox* CheckBox6 = nullptr;   // "6 CH"
    ChannelBox* CheckBox7 = nullptr;   // "7 CH"
    ChannelBox* CheckBox8 = nullptr;   // "8 CH"
    ChannelBox* CheckBox9 = nullptr;   // " 9 CH"
    ChannelBox* CheckBox10 = nullptr;  // "10 CH"
    ChannelBox* CheckBox11 = nullptr;  // "11 CH"
    ChannelBox* CheckBox12 = nullptr;  // "12 CH"
    ChannelBox* CheckBox13 = nullptr;  // "13 CH"
    ChannelBox* CheckBox14 = nullptr;  // "14 CH"
    ChannelBox* CheckBox15 = nullptr;  // "15 CH"
    ChannelBox* CheckBox16 = nullptr;  // "16 CH"
    QCheckBox* CheckBox17 = nullptr;  // "極性反転" of channel 1 (sign inversion)
    QCheckBox* CheckBox18 = nullptr;  // sign inversion of channel 2
    QCheckBox* CheckBox19 = nullptr;  // sign inversion of channel 3
    QCheckBox* CheckBox20 = nullptr;  // sign inversion of channel 4
    QCheckBox* CheckBox21 = nullptr;  // sign inversion of channel 5
    QCheckBox* CheckBox22 = nullptr;  // sign inversion of channel 6
    QCheckBox* CheckBox23 = nullptr;  // sign inversion of channel 7
    QCheckBox* CheckBox24 = nullptr;  // sign inversion of channel 8
    QCheckBox* CheckBox25 = nullptr;  // sign inversion of channel 9
    QCheckBox* CheckBox26 = nullptr;  // sign inversion of channel 10
    QCheckBox* CheckBox27 = nullptr;  // sign inversion of channel 11
    QCheckBox* CheckBox28 = nullptr;  // sign inversion of channel 12
    QCheckBox* CheckBox29 = nullptr;  // sign inversion of channel 13
    QCheckBox* CheckBox30 = nullptr;  // sign inversion of channel 14
    QCheckBox* CheckBox31 = nullptr;  // sign inversion of channel 15
    QCheckBox* CheckBox32 = nullptr;  // sign inversion of channel 16
    RadioGroup* RGmainch = nullptr;    // "主軸チャンネル": " 1 CH" ... "16 CH"
    RadioGroup* RGmainaxis = nullptr;  // "X 軸" / "Y 軸": axis of the main channel
    RadioGroup* RGStep = nullptr;      // "表示モード": 全データ, ステップ, ループ, 指定範囲

    // Options
    QCheckBox* CBSmooth = nullptr;      // "平滑化"
    QCheckBox* CBEnvelope = nullptr;    // "包絡線"
    QCheckBox* CBCircle = nullptr;      // "マーク"
    QCheckBox* CBColor = nullptr;       // "カラー表示"
    QCheckBox* CBMax1 = nullptr;        // min/max labels at the upper left
    QCheckBox* CBMax2 = nullptr;        // min/max labels at the upper right
    QCheckBox* CBMax3 = nullptr;        // min/max labels at the lower left
    QCheckBox* CBMax4 = nullptr;        // min/max labels at the lower right
    QCheckBox* CBTitle = nullptr;       // "タイトル": file name on the graph
    QCheckBox* CBFixed = nullptr;       // "座標軸固定": fixed axes in step and loop modes
    QCheckBox* CBFile = nullptr;        // "ファイル出力": one-shot request for result files
    QCheckBox* CBScaled = nullptr;      // "フルスケール": percent of the maximum
    QCheckBox* CheckBox33 = nullptr;    // "第一象限": first quadrant only
    QCheckBox* CheckBox34 = nullptr;    // "自動目盛り": automatic scale
    QCheckBox* CheckBox35 = nullptr;    // "タイトル": automatic graph and axis titles
    QCheckBox* CheckBox36 = nullptr;    // "下に表示": 1/n labels below
    QCheckBox* CheckBox37 = nullptr;    // "上に表示": 1/n labels above
    QCheckBox* SkeltonCheck = nullptr;  // "骨格曲線": skeleton curve
    QCheckBox* PFPCheck = nullptr;      // "完全弾塑性": bilinear model and characteristics window
    QCheckBox* SKEdit = nullptr;        // "データ編集": skeleton editing
    QCheckBox* CBRad = nullptr;         // "変形角1/ｎ"
    QCheckBox* CBBold = nullptr;        // "太線(すべて）"
    QCheckBox* CBExp = nullptr;         // "凡例": legend
    QCheckBox* CBKabe = nullptr;        // "壁倍率" (hidden)
    QCheckBox* CBModify = nullptr;      // (hidden)

    // Buttons
    QPushButton* Button1 = nullptr;    // "印刷 (&P)" (hidden)
    QPushButton* Button2 = nullptr;    // "ファイル (&F)"
    QPushButton* Button3 = nullptr;    // "終了 (&X)"
    QPushButton* Button4 = nullptr;    // "グラフ "
    QPushButton* Button5 = nullptr;    // "コピー"
    QPushButton* Button6 = nullptr;    // "データ範囲"
    QPushButton* Button7 = nullptr;    // "編集(&D)" (hidden)
    QPushButton* Button8 = nullptr;    // "データリスト"
    QPushButton* Button9 = nullptr;    // "線種設定"
    QPushButton* Button10 = nullptr;   // "変形角変換" (hidden)
    QPushButton* Button11 = nullptr;   // "クリア"
    QPushButton* BtnTaio = nullptr;    // "対応表"
    QPushButton* GraphSave = nullptr;  // "保　存"

    // Labels
    QLabel* Label2 = nullptr;   // what to do next
    QLabel* Label4 = nullptr;   // smoothing size while smoothing is on
    QLabel* Label5 = nullptr;   // row count ("1234 data")
    QLabel* Label32 = nullptr;  // "力の単位 kN" / "力の単位 kg"
    QLabel* Label34 = nullptr;  // "対応" / "非対応": channel correspondence
    QLabel* Label36 = nullptr;  // data-file format

    // Menu
    QAction* Open1 = nullptr;    // "開く(&O)"
    QAction* TextImport1 = nullptr;  // "テキスト読込(&T)"
    QAction* Print1 = nullptr;   // "印刷(&P)"
    QAction* SeriesSummary1 = nullptr;  // "試験体集計"
    QAction* GIF1 = nullptr;     // "PNG"
    QAction* BMP1 = nullptr;     // "BMP"
    QAction* csv1 = nullptr;     // "標準csv形式"
    QAction* txt1 = nullptr;     // "東京測器txt形式"
    QAction* csv2 = nullptr;     // "東京測器csv形式"
    QAction* generic1 = nullptr; // "汎用テキスト形式"
    QAction* N3601 = nullptr;    // printer dpi "360"
    QAction* N4001 = nullptr;    // "400"
    QAction* N6001 = nullptr;    // "600"
    QAction* Exit1 = nullptr;    // "終了(&X)"
    QAction* K3 = nullptr;       // "コピー"
    QAction* N11 = nullptr;      // "グラフ線種設定"
    QAction* N5 = nullptr;       // "範囲設定"
    QAction* N14 = nullptr;      // "変形角変換"
    QAction* Cycles1 = nullptr;  // "サイクル評価"
    QAction* N31 = nullptr;      // smoothing size "3"
    QAction* N51 = nullptr;      // "5"
    QAction* N71 = nullptr;      // "7"
    QAction* N91 = nullptr;      // "9"
    QAction* N151 = nullptr;     // "15"
    QAction* N311 = nullptr;     // "31"
    QAction* N502 = nullptr;     // step size "50"
    QAction* N1002 = nullptr;    // "100"
    QAction* N2002 = nullptr;    // "200"
    QAction* N5002 = nullptr;    // "500"
    QAction* N10002 = nullptr;   // "1000"
    QAction* N52 = nullptr;      // mark interval "5"
    QAction* N101 = nullptr;     // "10"
    QAction* N201 = nullptr;     // "20"
    QAction* N501 = nullptr;     // "50"
    QAction* N01 = nullptr;      // approximation degree "0"
    QAction* N72 = nullptr;      // "7"
    QAction* N92 = nullptr;      // "9"
    QAction* N111 = nullptr;     // "11"
    QAction* N131 = nullptr;     // "13"
    QAction* N991 = nullptr;     // "99" (exponential curve)
    QAction* kN1 = nullptr;      // force unit "kN"
    QAction* kg1 = nullptr;      // force unit "kg"
    QAction* Extrema = nullptr;    // "極値(+)"
    QAction* ExtremaM = nullptr;   // "極値(-)"
    QAction* ZEROLevel = nullptr;  // "ゼロレベル通過"
    QAction* N1 = nullptr;       // "原点中央"
    QAction* N4 = nullptr;       // "目盛り自動設定"
    QAction* N6 = nullptr;       // "タイトル自動設定"
    QAction* N10 = nullptr;      // "凡例"
    QAction* Tutorial1 = nullptr;  // "使い方"
    QAction* N13 = nullptr;        // "変更履歴"
    QAction* K1 = nullptr;         // "バージョン情報"
    QAction* Japanese1 = nullptr;  // "日本語" (never translated: a user must find it in any language)
    QAction* English1 = nullptr;   // "English"
};

}  // namespace kvx::app

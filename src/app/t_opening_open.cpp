// The open command: choose a file, read it through the core, and show it.
#include "app/controls.h"
#include "app/graph_image.h"
#include "app/qt_text.h"
#include "app/t_data_list.h"
#include "app/t_opening.h"
#include "app/t_taio.h"
#include "app/t_text_import.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace kvx::app {
namespace {

// Two ideographic spaces indent every header cell, as the grid always showed
// them; two ordinary ones for the same width in English.
QString indent() { return currentLanguage() == Language::Japanese ? QStringLiteral("　　") : QStringLiteral("    "); }

void setCell(QTableWidget* grid, int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    if (row == 0 || column == 0) item->setBackground(grid->palette().color(QPalette::Button));
    grid->setItem(row, column, item);
}

}  // namespace

void TOpening::Open1Click() { Button2Click(); }

void TOpening::TextImport1Click() {
    ui::FileDialogRequest request;
    request.title = data::openDialogTitle();
    request.filter = data::openDialogFilter(data::DataFileFormat::Generic);
    request.initialPath = m_state.DataDirectory;
    // Unlike the file button, a cancel here leaves the window as it is.
    if (const std::optional<std::string> path = m_interaction->chooseOpenFile(request))
        openFileAs(fromPath(*path), data::DataFileFormat::Generic);
}

void TOpening::generic1Click() {
    for (QAction* other : {csv1, txt1, csv2}) other->setChecked(false);
    generic1->setChecked(true);
    setLiveText(Label36, "text", tx("TOpening", "汎用テキスト"));
}

void TOpening::Button2Click() {
    ui::FileDialogRequest request;
    request.title = data::openDialogTitle();
    request.filter = data::openDialogFilter(dataFileFormat());
    request.initialPath = m_state.DataDirectory;
    drawPrompt();
    const std::optional<std::string> path = m_interaction->chooseOpenFile(request);
    if (!path) {
        finishOpen();
        return;
    }
    // The prompt replaced the graph while the dialog was up: a file that
    // fails to open leaves the previous data set, so its graph comes back.
    if (!openFile(fromPath(*path)) && m_state.DataLoaded) Button4Click();
}

bool TOpening::openFile(const QString& path) { return openFileAs(path, dataFileFormat()); }

bool TOpening::openFileAs(const QString& path, data::DataFileFormat format) {
    // A file of more than 16 channels goes through the correspondence window,
    // modally; the file button waits until it is closed.
    const auto chooseCorrespondence = [this](int fileChannels) {
        BtnTaio->setEnabled(true);
        Button2->setEnabled(false);
        auto chosen = m_taio->chooseFor(fileChannels);
        Button2->setEnabled(true);
        return chosen;
    };
    // A delimited text file goes through the text import window, modally.
    const auto chooseImport = [this](const std::string& file, std::string_view bytes,
                                     const data::ImportSettings& detected) -> std::optional<data::ImportSettings> {
        TTextImport dialog(*m_interaction, m_state.forceUnit, this);
        dialog.load(file, bytes, detected);
        if (m_runModal(dialog) != QDialog::Accepted) return std::nullopt;
        return dialog.settings();
    };
    const TTaio::Memento correspondenceBefore = m_taio->memento();
    const bool correspondenceButtonBefore = BtnTaio->isEnabled();
    m_taio->reset();
    // The core reads into a fresh data set and has told the user of any
    // failure; then the previous data set and the whole window stay as they
    // were (the data list button included, which is only touched on success),
    // and the correspondence window goes on describing that data set.
    std::optional<data::OpenedFile> opened =
        data::openDataFile(toPath(path), format, m_state.forceUnit, *m_interaction, chooseCorrespondence, chooseImport);
    if (!opened) {
        m_taio->restore(correspondenceBefore);
        BtnTaio->setEnabled(correspondenceButtonBefore);
        return false;
    }
    const bool wide = opened->fileChannelCount > data::kMaxChannels;
    m_taio->setFiles(opened->readFileName, opened->dataFileName);
    applyOpenedFile(std::move(*opened));
    if (wide) m_taio->show();  // shown again, non-modally, to save the reduced file
    return true;
}

void TOpening::applyOpenedFile(data::OpenedFile opened) {
    m_state.DataFileName = opened.dataFileName;
    setWindowTitle(QStringLiteral("KVX Graph Plot  ") + fromPath(opened.chosenPath));
    m_state.DataDirectory = opened.dataDirectory;
    m_state.baseName = opened.baseName;
    setStatus(tx("TOpening", "チャンネルを設定して、グラフボタンをクリックして下さい"));
    m_keepStatusNote = false;
    // The format label says how the data on screen were read; a standard
    // file after a delimited one goes back to the menu's format.
    if (opened.import) {
        setLiveText(Label36, "text", tx("TOpening", "汎用テキスト"));
        const QString note = TTextImport::readNote(*opened.import);
        if (!note.isEmpty()) setStatus([report = *opened.import] { return TTextImport::readNote(report); });
        m_keepStatusNote = !note.isEmpty();
    } else {
        chooseDataFileFormat(txt1->isChecked() ? txt1 : csv2->isChecked() ? csv2 : csv1);
    }

    m_state.FileChannelCount = opened.fileChannelCount;
    m_state.channelNumbers = identityChannelNumbers();
    for (int i = 0; i < opened.channelNumberCount && i < data::kMaxChannels; ++i)
        m_state.channelNumbers[static_cast<std::size_t>(i)] =
            opened.data.header.channelNumbers[static_cast<std::size_t>(i)];
    m_state.channelNumbers[data::kMaxChannels] = opened.fileChannelCount;
    BtnTaio->setEnabled(opened.fileChannelCount > data::kMaxChannels);

    m_state.data = std::move(opened.data);
    ++m_state.dataIdentity;
    // The list must never offer rows and cells of the previous file.
    m_dataList->rebuild();
    m_state.ForceFactor = m_state.data.ForceFactor;
    m_state.DataLoaded = true;
    // Every successful read shows the whole record; this also keeps the range
    // inside the new row count.
    m_state.graph.regionStart = 1;  // DisplayRange
    m_state.graph.regionEnd = m_state.data.RowCount;
    setLiveText(Label5, "text", [rows = m_state.data.RowCount] { return QString::number(rows) + QStringLiteral(" data"); });
    // "対応" in green when the graph shows the file's channels one to one.
    const bool oneToOne = m_taio->statusAfterRead(m_state.data.channelCount());
    setLiveText(Label34, "text", oneToOne ? tx("TOpening", "対応") : tx("TOpening", "非対応"));
    QPalette palette = Label34->palette();
    palette.setColor(QPalette::WindowText, oneToOne ? QColor(0x00, 0x80, 0x00) : QColor(Qt::red));
    Label34->setPalette(palette);
    if (!oneToOne) BtnTaio->setEnabled(true);

    m_state.shownChannelCount = m_state.data.channelCount();
    EnableChannels(m_state.shownChannelCount);
    channelBox(m_state.shownChannelCount >= 2 ? 2 : 1)->setChecked(true);
    finishOpen();
}

void TOpening::finishOpen() {
    const int n = m_state.shownChannelCount;
    for (int k = 1; k <= 16; ++k) {
        signBox(k)->setEnabled(k <= n);
        m_signNumberLabels[static_cast<std::size_t>(k - 1)]->setEnabled(k <= n);
    }
    CBScaled->setChecked(false);
    fillHeaderGrid();
    N4->setChecked(true);
    Button8->setEnabled(true);
    Button9->setEnabled(true);
    Button4Click();
}

void TOpening::fillHeaderGrid() {
    const data::ChannelHeader& header = m_state.data.header;
    const int n = header.ChannelCount;
    StringGrid1->clearContents();
    StringGrid1->setColumnCount(n + 1);
    setCell(StringGrid1, 0, 0, indent() + trFormat(tx("TOpening", "%d 測点"), n));
    setCell(StringGrid1, 1, 0, indent() + translated(tx("TOpening", "計測CH")));
    setCell(StringGrid1, 2, 0, indent() + translated(tx("TOpening", "計測点")));
    setCell(StringGrid1, 3, 0, indent() + translated(tx("TOpening", "測定器")));
    setCell(StringGrid1, 4, 0, indent() + translated(tx("TOpening", "単　位")));
    for (int k = 1; k <= n; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        setCell(StringGrid1, 0, k, indent() + QString::number(k) + QStringLiteral(" CH"));
        setCell(StringGrid1, 1, k, QStringLiteral("    ") + QString::number(header.channelNumbers[i]) + QStringLiteral(" CH"));
        setCell(StringGrid1, 2, k, fromCp932(header.pointNames[i]));
        setCell(StringGrid1, 3, k, fromCp932(header.instrumentNames[i]));
        setCell(StringGrid1, 4, k, fromCp932(header.units[i]));
    }
}

}  // namespace kvx::app

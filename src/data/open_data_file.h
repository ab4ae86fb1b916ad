// The open command's work that does not need a window: format check, channel
// count, reading into a fresh data set. Windows and batch share it.
#pragma once

#include "data/correspondence.h"
#include "data/data_file_format.h"
#include "data/delimited_import.h"
#include "data/measurement_data.h"
#include "ui/interaction.h"

#include <functional>
#include <optional>
#include <string>

namespace kvx::data {

/// A successfully read data file and where it came from.
struct OpenedFile {
    MeasurementData data;
    std::string chosenPath;     // the path the user chose (shown in the caption)
    std::string dataFileName;   // the standard file: the chosen one, or "_tmp.csv" of a logger file
    std::string readFileName;   // what was read: dataFileName, or "_tempfile.csv" of a wide file
    std::string dataDirectory;  // folder of dataFileName, ending in '/'
    std::string baseName;       // file name and extension of dataFileName
    int fileChannelCount = 0;   // fields in line 1 of the chosen file
    int channelNumberCount = 0; // channel numbers line 1 supplied (at most 16)
    Correspondence correspondence = Correspondence::identity();  // graph channel -> file channel
    std::optional<ImportReport> import;  // a delimited text file: how it was read
};

/// Asks for the correspondence of a file of more than 16 channels (the
/// correspondence window, or a batch option). Nothing: the open is cancelled.
using CorrespondenceChooser = std::function<std::optional<Correspondence>(int fileChannelCount)>;

/// Decides how a delimited text file is read (the import window, or batch
/// options), given its bytes and the settings detected from them. Nothing:
/// the open is cancelled.
using ImportChooser =
    std::function<std::optional<ImportSettings>(const std::string& path, std::string_view bytes, const ImportSettings& detected)>;

/// The question when a file chosen as a standard file is not one (its source text;
/// the question is asked in the user's language).
inline constexpr const char* kGenericQuestion = "標準形式ではありません。汎用テキストとして読み込みますか？";

/// Open-dialog filter ("label|pattern|...") and title for the format menu's choice.
std::string openDialogFilter(DataFileFormat menuFormat);
inline constexpr const char* kOpenDialogTitle = "KVX データファイルを選んでください";
/// kOpenDialogTitle in the user's language.
std::string openDialogTitle();

/// Checks that `path` is of the format chosen in the menu and reads it. A file
/// chosen as standard whose header is not a standard one (or is refused in
/// its first four lines) is offered to the delimited text import. Every
/// failure has been told to the user through `ia` when nothing is returned.
std::optional<OpenedFile> openDataFile(const std::string& path, DataFileFormat menuFormat, ForceUnit forceUnit,
                                       ui::Interaction& ia, const CorrespondenceChooser& chooseCorrespondence = {},
                                       const ImportChooser& chooseImport = {});

/// Reads a delimited text file as `chooseImport` decides (detected settings without one).
std::optional<OpenedFile> openDelimitedFile(const std::string& path, ForceUnit forceUnit, ui::Interaction& ia,
                                            const ImportChooser& chooseImport = {});

/// The whole file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);

/// Folder of `path` as an absolute path ending in '/'.
std::string directoryOf(const std::string& path);

/// Deletes the temporary files "_tmp.csv" and "_tempfile.csv" in `dataDirectory`
/// (missing files are no error).
void deleteTemporaryFiles(const std::string& dataDirectory);

}  // namespace kvx::data

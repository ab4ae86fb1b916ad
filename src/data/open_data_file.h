// The open command's work that does not need a window: format check, channel
// count, reading into a fresh data set. Windows and batch share it.
#pragma once

#include "data/data_file_format.h"
#include "data/measurement_data.h"
#include "ui/interaction.h"

#include <optional>
#include <string>

namespace kvx::data {

/// A successfully read data file and where it came from.
struct OpenedFile {
    MeasurementData data;
    std::string chosenPath;     // the path the user chose (shown in the caption)
    std::string dataFileName;   // the standard file that was read
    std::string dataDirectory;  // folder of dataFileName, ending in '/'
    std::string baseName;       // file name and extension of dataFileName
    int fileChannelCount = 0;   // fields in line 1 of the chosen file
    int channelNumberCount = 0; // channel numbers line 1 supplied (at most 16)
};

/// Open-dialog filter ("label|pattern|...") and title for the format menu's choice.
std::string openDialogFilter(DataFileFormat menuFormat);
inline constexpr const char* kOpenDialogTitle = "KVX データファイルを選んでください";

/// Checks that `path` is of the format chosen in the menu and reads it. Every
/// failure has been told to the user through `ia` when nothing is returned.
std::optional<OpenedFile> openDataFile(const std::string& path, DataFileFormat menuFormat, ForceUnit forceUnit,
                                       ui::Interaction& ia);

/// Folder of `path` as an absolute path ending in '/'.
std::string directoryOf(const std::string& path);

/// Deletes the temporary files "_tmp.csv" and "_tempfile.csv" in `dataDirectory`
/// (missing files are no error).
void deleteTemporaryFiles(const std::string& dataDirectory);

}  // namespace kvx::data

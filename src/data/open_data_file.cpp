// Open command core.
#include "data/open_data_file.h"

#include "data/sokki_import.h"
#include "data/standard_csv_reader.h"

#include <cstdio>
#include <filesystem>

namespace kvx::data {
namespace {

const char* mismatchMessage(DataFileFormat menuFormat) {
    switch (menuFormat) {
    case DataFileFormat::StandardCsv: return "標準csv形式のデータファイルではありません";
    case DataFileFormat::SokkiTxt: return "東京測器txt形式のデータファイルではありません";
    case DataFileFormat::SokkiCsv: return "東京測器csv形式のデータファイルではありません";
    }
    return "";
}

}  // namespace

std::string openDialogFilter(DataFileFormat menuFormat) {
    switch (menuFormat) {
    case DataFileFormat::StandardCsv: return "標準ﾃﾞｰﾀﾌｧｲﾙ (*.csv)|*.csv|すべて (*.*)|*.*";
    case DataFileFormat::SokkiTxt: return "東京測器txt形式ﾃﾞｰﾀﾌｧｲﾙ (*.txt)|*.txt|すべて (*.*)|*.*";
    case DataFileFormat::SokkiCsv: return "東京測器csv形式ﾃﾞｰﾀﾌｧｲﾙ (*.csv)|*.csv|すべて (*.*)|*.*";
    }
    return "";
}

std::string directoryOf(const std::string& path) {
    std::error_code ec;
    auto absolute = std::filesystem::absolute(path, ec);
    if (ec) absolute = path;
    std::string dir = absolute.parent_path().string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

std::optional<OpenedFile> openDataFile(const std::string& path, DataFileFormat menuFormat, ForceUnit forceUnit,
                                       ui::Interaction& ia, const CorrespondenceChooser& chooseCorrespondence) {
    std::error_code ec;
    const auto format = std::filesystem::is_regular_file(path, ec) ? detectFormat(path) : std::nullopt;
    if (!format) {
        ia.message("データファイルを開くことができません\n" + path, "ファイルエラー", ui::Icon::Warning);
        return std::nullopt;
    }
    if (*format != menuFormat) {
        ia.message(mismatchMessage(menuFormat), "データエラー", ui::Icon::Warning);
        return std::nullopt;
    }

    OpenedFile opened;
    opened.chosenPath = path;
    opened.dataFileName = path;
    if (menuFormat != DataFileFormat::StandardCsv) {
        const auto converted = menuFormat == DataFileFormat::SokkiTxt ? importSokkiText(path, ia) : importSokkiCsv(path, ia);
        if (!converted) return std::nullopt;
        opened.dataFileName = *converted;
    }
    opened.dataDirectory = directoryOf(opened.dataFileName);
    opened.baseName = std::filesystem::path(opened.dataFileName).filename().string();
    opened.readFileName = opened.dataFileName;
    opened.fileChannelCount = fileChannelCount(opened.dataFileName);
    opened.correspondence = Correspondence::identity(opened.fileChannelCount);
    if (opened.fileChannelCount > kMaxChannels) {
        // Without a confirmed correspondence there is no reduced file to read:
        // the open is cancelled and the current data stay.
        std::optional<Correspondence> chosen;
        if (chooseCorrespondence) chosen = chooseCorrespondence(opened.fileChannelCount);
        if (!chosen) return std::nullopt;
        chosen->fileChannelCount = opened.fileChannelCount;
        opened.correspondence = *chosen;
        opened.readFileName = opened.dataDirectory + "_tempfile.csv";
        if (!buildReducedFile(opened.dataFileName, opened.readFileName, opened.correspondence, ia)) return std::nullopt;
    }
    const ReadResult read = readStandardCsv(opened.readFileName, forceUnit, ia, opened.data);
    if (read.rows == 0) return std::nullopt;
    opened.channelNumberCount = read.channelNumberCount;
    return opened;
}

void deleteTemporaryFiles(const std::string& dataDirectory) {
    for (const char* name : {"_tmp.csv", "_tempfile.csv"}) std::remove((dataDirectory + name).c_str());
}

}  // namespace kvx::data

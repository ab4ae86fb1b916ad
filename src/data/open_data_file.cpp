// Open command core.
#include "data/open_data_file.h"

#include "data/sokki_import.h"
#include "data/standard_csv_reader.h"
#include "text/translate.h"

#include <cstdio>
#include <filesystem>

namespace kvx::data {
namespace {

std::string mismatchMessage(DataFileFormat menuFormat) {
    switch (menuFormat) {
    case DataFileFormat::StandardCsv: return text::translate("kvx::data", "標準csv形式のデータファイルではありません");
    case DataFileFormat::SokkiTxt: return text::translate("kvx::data", "東京測器txt形式のデータファイルではありません");
    case DataFileFormat::SokkiCsv: return text::translate("kvx::data", "東京測器csv形式のデータファイルではありません");
    case DataFileFormat::Generic: return {};
    }
    return {};
}

}  // namespace

std::string openDialogFilter(DataFileFormat menuFormat) {
    switch (menuFormat) {
    case DataFileFormat::StandardCsv: return text::translate("kvx::data", "標準ﾃﾞｰﾀﾌｧｲﾙ (*.csv)|*.csv|すべて (*.*)|*.*");
    case DataFileFormat::SokkiTxt: return text::translate("kvx::data", "東京測器txt形式ﾃﾞｰﾀﾌｧｲﾙ (*.txt)|*.txt|すべて (*.*)|*.*");
    case DataFileFormat::SokkiCsv: return text::translate("kvx::data", "東京測器csv形式ﾃﾞｰﾀﾌｧｲﾙ (*.csv)|*.csv|すべて (*.*)|*.*");
    case DataFileFormat::Generic: return text::translate("kvx::data", "汎用ﾃｷｽﾄ (*.csv *.txt *.dat *.tsv)|*.csv;*.txt;*.dat;*.tsv|すべて (*.*)|*.*");
    }
    return "";
}

std::string openDialogTitle() { return text::translate("kvx::data", "KVX データファイルを選んでください"); }

std::string directoryOf(const std::string& path) {
    std::error_code ec;
    auto absolute = std::filesystem::absolute(path, ec);
    if (ec) absolute = path;
    std::string dir = absolute.parent_path().string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

std::optional<std::string> readWholeFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::string bytes;
    // Room for the whole file at once: grown by appends, a 6 MB file was
    // copied a dozen times over.
    if (const auto size = std::filesystem::file_size(path, ec); !ec) bytes.reserve(size);
    char buffer[1 << 16];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) return std::nullopt;
    return bytes;
}

std::optional<OpenedFile> openDelimitedFile(const std::string& path, ForceUnit forceUnit, ui::Interaction& ia,
                                            const ImportChooser& chooseImport) {
    const auto bytes = readWholeFile(path);
    if (!bytes) {
        ia.message(text::translate("kvx::data", "データファイルを開くことができません\n") + path, text::translate("kvx::data", "ファイルエラー"), ui::Icon::Warning);
        return std::nullopt;
    }
    ImportSettings settings;
    settings.dialect = detectDialect(*bytes);
    if (chooseImport) {
        auto chosen = chooseImport(path, *bytes, settings);
        if (!chosen) return std::nullopt;
        settings = std::move(*chosen);
    }
    OpenedFile opened;
    opened.import = importDelimitedText(*bytes, settings, forceUnit, ia, opened.data);
    if (!opened.import) return std::nullopt;
    opened.chosenPath = path;
    opened.dataFileName = path;
    opened.readFileName = path;
    opened.dataDirectory = directoryOf(path);
    opened.baseName = std::filesystem::path(path).filename().string();
    // The columns were chosen in the import: the graph shows its channels one to one.
    opened.fileChannelCount = opened.data.channelCount();
    opened.channelNumberCount = opened.data.channelCount();
    opened.correspondence = Correspondence::identity(opened.fileChannelCount);
    return opened;
}

std::optional<OpenedFile> openDataFile(const std::string& path, DataFileFormat menuFormat, ForceUnit forceUnit,
                                       ui::Interaction& ia, const CorrespondenceChooser& chooseCorrespondence,
                                       const ImportChooser& chooseImport) {
    if (menuFormat == DataFileFormat::Generic) return openDelimitedFile(path, forceUnit, ia, chooseImport);
    std::error_code ec;
    const auto format = std::filesystem::is_regular_file(path, ec) ? detectFormat(path) : std::nullopt;
    if (!format) {
        ia.message(text::translate("kvx::data", "データファイルを開くことができません\n") + path, text::translate("kvx::data", "ファイルエラー"), ui::Icon::Warning);
        return std::nullopt;
    }
    const auto offerGeneric = [&] {
        return ia.ask(text::translate("kvx::data", "標準形式ではありません。汎用テキストとして読み込みますか？"),
                      text::translate("kvx::data", "データ形式"), ui::Buttons::YesNo,
                      ui::Icon::Warning) == ui::Answer::Yes;
    };
    if (*format == DataFileFormat::StandardCsv && menuFormat == DataFileFormat::StandardCsv &&
        !looksLikeStandardHeader(path) && offerGeneric())
        return openDelimitedFile(path, forceUnit, ia, chooseImport);
    if (*format != menuFormat) {
        ia.message(mismatchMessage(menuFormat), text::translate("kvx::data", "データエラー"), ui::Icon::Warning);
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
    if (read.rows == 0) {
        if (read.headerFailureLine > 0 && menuFormat == DataFileFormat::StandardCsv && offerGeneric())
            return openDelimitedFile(path, forceUnit, ia, chooseImport);
        return std::nullopt;
    }
    opened.channelNumberCount = read.channelNumberCount;
    return opened;
}

void deleteTemporaryFiles(const std::string& dataDirectory) {
    for (const char* name : {"_tmp.csv", "_tempfile.csv"}) std::remove((dataDirectory + name).c_str());
}

}  // namespace kvx::data

// Parsing kurvadex-batch's options.
#include "batch/batch_options.h"

namespace kvx::batch {

const char* usageText() {
    return "使い方: kurvadex-batch [--format csv|txt|tcsv] [--force-unit kN|kg]\n"
           "                       [--continue-without-force] [--json] ファイル\n"
           "  --format                 データファイル形式 (csv: 標準csv形式, txt: 東京測器txt形式,\n"
           "                           tcsv: 東京測器csv形式)。既定は csv\n"
           "  --force-unit             力の単位 (kN または kg)。既定は kN\n"
           "  --continue-without-force 力の単位が kg または kN のデータがなくても続行する\n"
           "  --json                   結果を JSON で標準出力に書く\n";
}

ParsedOptions parseOptions(const std::vector<std::string>& args) {
    BatchOptions o;
    const auto fail = [](std::string why) { return ParsedOptions{std::nullopt, std::move(why)}; };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto needValue = [&]() -> const std::string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
        if (a == "--format") {
            const std::string* v = needValue();
            if (!v) return fail("--format には csv, txt, tcsv のいずれかを指定してください");
            if (*v == "csv") o.format = data::DataFileFormat::StandardCsv;
            else if (*v == "txt") o.format = data::DataFileFormat::SokkiTxt;
            else if (*v == "tcsv") o.format = data::DataFileFormat::SokkiCsv;
            else return fail("--format には csv, txt, tcsv のいずれかを指定してください: " + *v);
        } else if (a == "--force-unit") {
            const std::string* v = needValue();
            if (v && *v == "kN") o.forceUnit = data::ForceUnit::kN;
            else if (v && *v == "kg") o.forceUnit = data::ForceUnit::kg;
            else return fail("--force-unit には kN または kg を指定してください");
        } else if (a == "--continue-without-force") {
            o.continueWithoutForce = true;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a.starts_with("--")) {
            return fail("不明なオプションです: " + a);
        } else if (o.file.empty()) {
            o.file = a;
        } else {
            return fail("ファイルは一つだけ指定してください: " + a);
        }
    }
    if (o.file.empty() && !o.help) return fail("データファイルを指定してください");
    return {o, {}};
}

}  // namespace kvx::batch

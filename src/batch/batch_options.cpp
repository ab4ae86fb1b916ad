// Parsing kurvadex-batch's options.
#include "batch/batch_options.h"

#include "text/number.h"
#include "text/printf.h"
#include "text/translate.h"

#include <cmath>
#include <charconv>

namespace kvx::batch {
namespace {

std::optional<int> toInt(std::string_view s) {
    int v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

std::optional<double> toPositive(std::string_view s) {
    if (s.empty() || text::leadingNumberLength(s) != s.size()) return std::nullopt;
    const double v = text::parseLeadingDouble(s);
    if (!(v > 0.0) || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<std::vector<std::string>> splitList(std::string_view s) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = s.find(',', start);
        out.emplace_back(s.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return out;
}

std::optional<int> toChannel(std::string_view s) {
    const auto v = toInt(s);
    if (!v || *v < 1 || *v > data::kMaxChannels) return std::nullopt;
    return v;
}

}  // namespace

std::string usageText() {
    // Only the descriptions are translated: the option column is the same in
    // every language, so the names can never be translated by mistake.
    std::string u;
    const auto add = [&u](const char* option, const std::string& description) {
        u += option;
        u += description;
        u += '\n';
    };
    add("", text::translate("kvx::batch", "使い方: kurvadex-batch [オプション] ファイル [ファイル ...]"));
    add("  ", text::translate("kvx::batch", "ファイルを複数指定すると試験シリーズとして一つずつ評価します (失敗したファイルは飛ばします)。"));
    add("  --format                 ", text::translate("kvx::batch", "データファイル形式 (csv: 標準csv形式, txt: 東京測器txt形式,"));
    add("                           ", text::translate("kvx::batch", "tcsv: 東京測器csv形式, generic: 汎用テキスト)。既定は csv"));
    add("  --force-unit             ", text::translate("kvx::batch", "力の単位 (kN または kg)。既定は kN"));
    add("  --continue-without-force ", text::translate("kvx::batch", "力の単位が kg または kN のデータがなくても続行する"));
    add("  --json                   ", text::translate("kvx::batch", "結果を JSON で標準出力に書く"));
    add("  --map E1[,E2...]         ", text::translate("kvx::batch", "17 チャンネル以上のファイルのチャンネル対応 (グラフ 1 CH から順に計測チャンネル)。"));
    add("                           ", text::translate("kvx::batch", "一つだけなら以降は連番。既定は 1, 2, 3, ..."));
    add("", text::translate("kvx::batch", "汎用テキスト (--format generic。指定しないものはファイルから判定):"));
    add("  --delimiter D            ", text::translate("kvx::batch", "区切り (comma, semicolon, tab, space)"));
    add("  --decimal M              ", text::translate("kvx::batch", "小数点 (point, comma)"));
    add("  --encoding E             ", text::translate("kvx::batch", "文字コード (utf8, cp932)"));
    add("  --header-rows N          ", text::translate("kvx::batch", "見出し行の数 (0-10)"));
    add("  --names-row R            ", text::translate("kvx::batch", "測点名の見出し行 (1 から。0 はなし)"));
    add("  --units-row R            ", text::translate("kvx::batch", "単位の見出し行 (1 から。0 はなし)"));
    add("  --columns C1,C2,...      ", text::translate("kvx::batch", "チャンネルにするファイルの列 (1 から、チャンネルの順)。既定はすべて"));
    add("  --names \"a,b\"           ", text::translate("kvx::batch", "チャンネルの測点名 (チャンネルの順)"));
    add("  --units \"kN,mm\"         ", text::translate("kvx::batch", "チャンネルの単位 (チャンネルの順)。N, lbf は kN に、m, cm, in は mm に、"));
    add("                           ", text::translate("kvx::batch", "%, deg は rad に換算して読み込む"));
    add("  --skip-bad-rows          ", text::translate("kvx::batch", "数値でない行、数の合わない行を読み飛ばす (行数を報告)"));
    add("  --thin auto|K            ", text::translate("kvx::batch", "30,000 行を超える記録の間引き (auto: 最小の間隔, K: K 行ごと)。"));
    add("                           ", text::translate("kvx::batch", "反転点と最大・最小荷重の行は残す。既定は auto"));
    add("  --save-standard FILE     ", text::translate("kvx::batch", "読み込んだデータを標準csv形式で保存する"));
    add("", text::translate("kvx::batch", "グラフ:"));
    add("  --main CH                ", text::translate("kvx::batch", "主軸チャンネル (1-16)。既定は 1"));
    add("  --main-axis x|y          ", text::translate("kvx::batch", "主軸チャンネルを置く軸。既定は y"));
    add("  --channel CH             ", text::translate("kvx::batch", "表示チャンネル (くり返し指定可)。既定は 2 (1 チャンネルのファイルは 1)"));
    add("  --invert CH              ", text::translate("kvx::batch", "極性反転するチャンネル (くり返し指定可)"));
    add("  --smooth N               ", text::translate("kvx::batch", "平滑化 (N = 3, 5, 7, 9, 15, 31)"));
    add("  --full-scale             ", text::translate("kvx::batch", "フルスケール (%max) 表示"));
    add("  --first-quadrant         ", text::translate("kvx::batch", "第一象限のみ"));
    add("  --region A:B             ", text::translate("kvx::batch", "指定範囲 (A 行目から B 行目まで)"));
    add("  --manual-scale XS:YS     ", text::translate("kvx::batch", "目盛り間隔を手動で指定"));
    add("  --envelope               ", text::translate("kvx::batch", "包絡線"));
    add("  --marks                  ", text::translate("kvx::batch", "マーク"));
    add("  --minmax 1..4            ", text::translate("kvx::batch", "最大値/最小値の表示位置 (0 で表示しない)。既定は 4"));
    add("  --no-legend              ", text::translate("kvx::batch", "凡例を描かない"));
    add("  --image FILE.png         ", text::translate("kvx::batch", "グラフを PNG ファイル (拡張子 .bmp なら BMP) に書く"));
    add("  --pdf FILE               ", text::translate("kvx::batch", "印刷するグラフを 1 ページの PDF に書く"));
    add("  --dpi N                  ", text::translate("kvx::batch", "プリンタ DPI (360, 400, 600)。既定は 600"));
    add("", text::translate("kvx::batch", "ループと結果ファイル:"));
    add("  --loops zero|extrema     ", text::translate("kvx::batch", "ループ表示 (ゼロレベル通過 / 極値で判定)。一時停止せずに全ループを表示"));
    add("  --files                  ", text::translate("kvx::batch", "結果ファイル (LOOP.CSV など) を書く"));
    add("  --out DIR                ", text::translate("kvx::batch", "結果ファイルをデータファイルのフォルダではなく DIR に書く"));
    add("", text::translate("kvx::batch", "復元力特性:"));
    add("  --skeleton               ", text::translate("kvx::batch", "骨格曲線 (SKELTON.CSV, 特性値, --files で ELASTO.CSV の行)"));
    add("  --approx N               ", text::translate("kvx::batch", "骨格曲線関数近似 (0, 7, 9, 11, 13 = 多項式の次数, 99 = 指数関数)"));
    add("  --elasto                 ", text::translate("kvx::batch", "等価完全弾塑性モデル"));
    add("", text::translate("kvx::batch", "壁倍率:"));
    add("  --wall L                 ", text::translate("kvx::batch", "壁長さ L [m] で壁倍率を評価 (骨格曲線を編集せずに評価)"));
    add("  --reference N            ", text::translate("kvx::batch", "旧基準の特定変形角 1/N (15, 30, 60, 100, 120, 150)。既定は 120"));
    add("  --wall-file FILE         ", text::translate("kvx::batch", "結果ファイルを作成して 1 行書く"));
    add("  --append                 ", text::translate("kvx::batch", "既存の結果ファイルに見出しなしで追加する"));
    add("  --overwrite              ", text::translate("kvx::batch", "既存の結果ファイルを置き換える (指定しないと既存のファイルには書かない)"));
    add("", text::translate("kvx::batch", "サイクル評価と他の規準:"));
    add("  --cycles                 ", text::translate("kvx::batch", "サイクルごとの吸収エネルギー (台形則), 割線剛性, 等価粘性減衰定数と"));
    add("                           ", text::translate("kvx::batch", "振幅レベルごとの耐力低下 (EN 12512)。--files で CYCLES.CSV"));
    add("  --methods                ", text::translate("kvx::batch", "包絡線と ASTM E2126 (EEEP), EN 12512 の降伏点・塑性率 (正負別)。"));
    add("                           ", text::translate("kvx::batch", "--files で METHODS.CSV"));
    add("  --amplitude-tolerance T  ", text::translate("kvx::batch", "同じ振幅レベルとみなす振幅の差 (最初のサイクルに対する比)。既定は 0.1"));
    add("", text::translate("kvx::batch", "試験体集計 (同じ仕様の試験体の組):"));
    add("  --summary FILE.csv       ", text::translate("kvx::batch", "--wall で求めた各試験体の行を正負別に統計処理し、集計を CSV に書く"));
    add("                           ", text::translate("kvx::batch", "(平均, 標準偏差, 変動係数, k = t(0.75; n-1)/√n, 下限値, P0, Pa, 壁倍率)"));
    add("  --alpha A                ", text::translate("kvx::batch", "Pa = P0 × α の低減係数 α (耐久性・使用環境など)。既定は 1"));
    add("  --summarize WALLFILE     ", text::translate("kvx::batch", "データファイルの代わりに既存の壁倍率結果ファイルを集計する"));
    add("                           ", text::translate("kvx::batch", "(壁長さは --wall L、既定は 1.82)"));
    add("  --report FILE.pdf        ", text::translate("kvx::batch", "試験報告書 (試験体ごとのページと集計のページ) を PDF に書く"));
    return u;
}

ParsedOptions parseOptions(const std::vector<std::string>& args) {
    BatchOptions o;
    const auto fail = [](std::string why) { return ParsedOptions{std::nullopt, std::move(why)}; };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto needValue = [&]() -> const std::string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
        if (a == "--format") {
            const std::string* v = needValue();
            if (!v) return fail(text::translate("kvx::batch", "--format には csv, txt, tcsv, generic のいずれかを指定してください"));
            if (*v == "csv") o.format = data::DataFileFormat::StandardCsv;
            else if (*v == "txt") o.format = data::DataFileFormat::SokkiTxt;
            else if (*v == "tcsv") o.format = data::DataFileFormat::SokkiCsv;
            else if (*v == "generic") o.format = data::DataFileFormat::Generic;
            else return fail(text::translate("kvx::batch", "--format には csv, txt, tcsv, generic のいずれかを指定してください") + ": " + *v);
        } else if (a == "--delimiter") {
            const std::string* v = needValue();
            o.generic.given = true;
            if (v && *v == "comma") o.generic.delimiter = data::Delimiter::Comma;
            else if (v && *v == "semicolon") o.generic.delimiter = data::Delimiter::Semicolon;
            else if (v && *v == "tab") o.generic.delimiter = data::Delimiter::Tab;
            else if (v && *v == "space") o.generic.delimiter = data::Delimiter::Blanks;
            else return fail(text::translate("kvx::batch", "--delimiter には comma, semicolon, tab, space のいずれかを指定してください"));
        } else if (a == "--decimal") {
            const std::string* v = needValue();
            o.generic.given = true;
            if (v && *v == "point") o.generic.decimal = data::DecimalMark::Point;
            else if (v && *v == "comma") o.generic.decimal = data::DecimalMark::Comma;
            else return fail(text::translate("kvx::batch", "--decimal には point または comma を指定してください"));
        } else if (a == "--encoding") {
            const std::string* v = needValue();
            o.generic.given = true;
            if (v && *v == "utf8") o.generic.encoding = data::FileEncoding::Utf8;
            else if (v && *v == "cp932") o.generic.encoding = data::FileEncoding::Cp932;
            else return fail(text::translate("kvx::batch", "--encoding には utf8 または cp932 を指定してください"));
        } else if (a == "--header-rows" || a == "--names-row" || a == "--units-row") {
            const std::string* v = needValue();
            const auto n = v ? toInt(*v) : std::nullopt;
            if (!n || *n < 0 || *n > data::kMaxHeaderRows) return fail(text::format(text::translate("kvx::batch", "%s には 0 から 10 を指定してください").c_str(), a.c_str()));
            o.generic.given = true;
            (a == "--header-rows" ? o.generic.headerRows : a == "--names-row" ? o.generic.namesRow : o.generic.unitsRow) = *n;
        } else if (a == "--columns") {
            const std::string* v = needValue();
            const auto list = v ? splitList(*v) : std::nullopt;
            o.generic.columns.clear();
            for (const auto& item : list.value_or(std::vector<std::string>{""})) {
                const auto c = toInt(item);
                if (!c || *c < 1) return fail(text::translate("kvx::batch", "--columns には 1 以上の列番号をコンマ区切りで指定してください"));
                o.generic.columns.push_back(*c);
            }
            if (o.generic.columns.size() > static_cast<std::size_t>(data::kMaxChannels))
                return fail(text::translate("kvx::batch", "--columns に指定できるのは 16 列までです"));
            o.generic.given = true;
        } else if (a == "--names" || a == "--units") {
            const std::string* v = needValue();
            if (!v) return fail(text::format(text::translate("kvx::batch", "%s にはコンマ区切りの文字列を指定してください").c_str(), a.c_str()));
            (a == "--names" ? o.generic.names : o.generic.units) = splitList(*v);
            o.generic.given = true;
        } else if (a == "--skip-bad-rows") {
            o.generic.skipBadRows = true;
            o.generic.given = true;
        } else if (a == "--thin") {
            const std::string* v = needValue();
            const auto k = v ? toInt(*v) : std::nullopt;
            if (v && *v == "auto") o.generic.thinStep = 0;
            else if (k && *k >= 1) o.generic.thinStep = *k;
            else return fail(text::translate("kvx::batch", "--thin には auto または 1 以上の間隔を指定してください"));
            o.generic.given = true;
        } else if (a == "--save-standard") {
            const std::string* v = needValue();
            if (!v || v->empty()) return fail(text::translate("kvx::batch", "--save-standard には保存するファイル名を指定してください"));
            o.saveStandard = *v;
        } else if (a == "--force-unit") {
            const std::string* v = needValue();
            if (v && *v == "kN") o.forceUnit = data::ForceUnit::kN;
            else if (v && *v == "kg") o.forceUnit = data::ForceUnit::kg;
            else return fail(text::translate("kvx::batch", "--force-unit には kN または kg を指定してください"));
        } else if (a == "--continue-without-force") {
            o.continueWithoutForce = true;
        } else if (a == "--map") {
            const std::string* v = needValue();
            if (!v) return fail(text::translate("kvx::batch", "--map には計測チャンネル番号をコンマ区切りで指定してください"));
            o.map.clear();
            std::size_t start = 0;
            for (;;) {
                const std::size_t comma = v->find(',', start);
                const auto e = toInt(std::string_view(*v).substr(start, comma == std::string::npos ? std::string::npos : comma - start));
                if (!e || *e < 1) return fail(text::translate("kvx::batch", "--map には 1 以上の計測チャンネル番号をコンマ区切りで指定してください"));
                o.map.push_back(*e);
                if (comma == std::string::npos) break;
                start = comma + 1;
            }
            if (o.map.size() > 16) return fail(text::translate("kvx::batch", "--map に指定できるのは 16 チャンネルまでです"));
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--main" || a == "--channel" || a == "--invert") {
            const std::string* v = needValue();
            const auto ch = v ? toChannel(*v) : std::nullopt;
            if (!ch) return fail(text::format(text::translate("kvx::batch", "%s には 1 から 16 のチャンネル番号を指定してください").c_str(), a.c_str()));
            if (a == "--main") o.mainChannel = *ch;
            else (a == "--channel" ? o.channels : o.inverted).push_back(*ch);
        } else if (a == "--main-axis") {
            const std::string* v = needValue();
            if (!v || (*v != "x" && *v != "y")) return fail(text::translate("kvx::batch", "--main-axis には x または y を指定してください"));
            o.mainOnX = *v == "x";
        } else if (a == "--smooth") {
            const std::string* v = needValue();
            const auto n = v ? toInt(*v) : std::nullopt;
            if (!n || (*n != 3 && *n != 5 && *n != 7 && *n != 9 && *n != 15 && *n != 31))
                return fail(text::translate("kvx::batch", "--smooth には 3, 5, 7, 9, 15, 31 のいずれかを指定してください"));
            o.smoothing = *n;
        } else if (a == "--region") {
            const std::string* v = needValue();
            const auto colon = v ? v->find(':') : std::string::npos;
            const auto from = colon != std::string::npos ? toInt(std::string_view(*v).substr(0, colon)) : std::nullopt;
            const auto to = colon != std::string::npos ? toInt(std::string_view(*v).substr(colon + 1)) : std::nullopt;
            if (!from || !to || *from < 1 || *from >= *to)
                return fail(text::translate("kvx::batch", "--region には 開始行:終了行 (1 ≦ 開始行 < 終了行) を指定してください"));
            o.region = {*from, *to};
        } else if (a == "--manual-scale") {
            const std::string* v = needValue();
            const auto colon = v ? v->find(':') : std::string::npos;
            const auto xs = colon != std::string::npos ? toPositive(std::string_view(*v).substr(0, colon)) : std::nullopt;
            const auto ys = colon != std::string::npos ? toPositive(std::string_view(*v).substr(colon + 1)) : std::nullopt;
            if (!xs || !ys) return fail(text::translate("kvx::batch", "--manual-scale には X目盛り:Y目盛り (正の数) を指定してください"));
            o.manualScale = {*xs, *ys};
        } else if (a == "--minmax") {
            const std::string* v = needValue();
            const auto n = v ? toInt(*v) : std::nullopt;
            if (!n || *n < 0 || *n > 4) return fail(text::translate("kvx::batch", "--minmax には 0 から 4 を指定してください"));
            o.minMax = *n;
        } else if (a == "--full-scale") {
            o.fullScale = true;
        } else if (a == "--first-quadrant") {
            o.firstQuadrant = true;
        } else if (a == "--envelope") {
            o.envelope = true;
        } else if (a == "--marks") {
            o.marks = true;
        } else if (a == "--no-legend") {
            o.legend = false;
        } else if (a == "--image") {
            const std::string* v = needValue();
            if (!v || v->empty()) return fail(text::translate("kvx::batch", "--image には PNG ファイル名を指定してください"));
            o.image = *v;
        } else if (a == "--loops") {
            const std::string* v = needValue();
            if (v && *v == "zero") o.loops = plot::LoopJudgment::ZeroLevel;
            else if (v && *v == "extrema") o.loops = plot::LoopJudgment::ExtremaPlus;
            else return fail(text::translate("kvx::batch", "--loops には zero または extrema を指定してください"));
        } else if (a == "--skeleton") {
            o.skeleton = true;
        } else if (a == "--elasto") {
            o.elasto = true;
        } else if (a == "--approx") {
            const std::string* v = needValue();
            const auto n = v ? toInt(*v) : std::nullopt;
            if (!n || (*n != 0 && *n != 7 && *n != 9 && *n != 11 && *n != 13 && *n != 99))
                return fail(text::translate("kvx::batch", "--approx には 0, 7, 9, 11, 13, 99 のいずれかを指定してください"));
            o.approximation = *n;
        } else if (a == "--wall") {
            const std::string* v = needValue();
            if (!v || !toPositive(*v)) return fail(text::translate("kvx::batch", "--wall には壁長さ [m] を正の数で指定してください"));
            o.wallLength = *v;
        } else if (a == "--reference") {
            const std::string* v = needValue();
            const auto n = v ? toInt(*v) : std::nullopt;
            if (!n || (*n != 15 && *n != 30 && *n != 60 && *n != 100 && *n != 120 && *n != 150))
                return fail(text::translate("kvx::batch", "--reference には 15, 30, 60, 100, 120, 150 のいずれかを指定してください"));
            o.reference = *n;
        } else if (a == "--wall-file") {
            const std::string* v = needValue();
            if (!v || v->empty()) return fail(text::translate("kvx::batch", "--wall-file には結果ファイル名を指定してください"));
            o.wallFile = *v;
        } else if (a == "--append") {
            o.append = true;
        } else if (a == "--overwrite") {
            o.overwrite = true;
        } else if (a == "--files") {
            o.files = true;
        } else if (a == "--out") {
            const std::string* v = needValue();
            if (!v || v->empty()) return fail(text::translate("kvx::batch", "--out には結果ファイルを書くフォルダを指定してください"));
            o.outDirectory = *v;
        } else if (a == "--pdf") {
            const std::string* v = needValue();
            if (!v || v->empty()) return fail(text::translate("kvx::batch", "--pdf には PDF ファイル名を指定してください"));
            o.pdf = *v;
        } else if (a == "--dpi") {
            const std::string* v = needValue();
            const auto n = v ? toInt(*v) : std::nullopt;
            if (!n || (*n != 360 && *n != 400 && *n != 600)) return fail(text::translate("kvx::batch", "--dpi には 360, 400, 600 のいずれかを指定してください"));
            o.dpi = *n;
        } else if (a == "--summary" || a == "--summarize" || a == "--report") {
            const std::string* v = needValue();
            if (!v || v->empty()) return fail(text::format(text::translate("kvx::batch", "%s にはファイル名を指定してください").c_str(), a.c_str()));
            (a == "--summary" ? o.summaryFile : a == "--summarize" ? o.summarizeFile : o.reportFile) = *v;
        } else if (a == "--cycles") {
            o.cycles = true;
        } else if (a == "--methods") {
            o.methods = true;
        } else if (a == "--amplitude-tolerance") {
            const std::string* v = needValue();
            const auto t = v ? toPositive(*v) : std::nullopt;
            if (!t || *t >= 1) return fail(text::translate("kvx::batch", "--amplitude-tolerance には 0 より大きく 1 より小さい数を指定してください"));
            o.amplitudeTolerance = *t;
        } else if (a == "--alpha") {
            const std::string* v = needValue();
            const auto alpha = v ? toPositive(*v) : std::nullopt;
            if (!alpha) return fail(text::translate("kvx::batch", "--alpha には正の数を指定してください"));
            o.alpha = *alpha;
        } else if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a.starts_with("--")) {
            return fail(text::translate("kvx::batch", "不明なオプションです") + ": " + a);
        } else {
            if (o.file.empty()) o.file = a;
            o.dataFiles.push_back(a);
        }
    }
    if (!o.summarizeFile.empty() && !o.dataFiles.empty())
        return fail(text::translate("kvx::batch", "--summarize のときはデータファイルを指定しないでください"));
    if (o.file.empty() && !o.help && o.summarizeFile.empty()) return fail(text::translate("kvx::batch", "データファイルを指定してください"));
    if (!o.summaryFile.empty() && !o.wallLength && o.summarizeFile.empty())
        return fail(text::translate("kvx::batch", "--summary には --wall (または --summarize) が必要です"));
    if (o.dataFiles.size() > 1 && (!o.image.empty() || !o.pdf.empty()))
        return fail(text::translate("kvx::batch", "--image と --pdf はデータファイルが一つのときだけ指定できます"));
    if (o.loops && o.region) return fail(text::translate("kvx::batch", "--loops と --region は同時に指定できません"));
    if ((o.cycles || o.methods) && o.loops) return fail(text::translate("kvx::batch", "--cycles, --methods と --loops は同時に指定できません"));
    if (!o.wallFile.empty() && !o.wallLength) return fail(text::translate("kvx::batch", "--wall-file には --wall が必要です"));
    if (o.generic.given && o.format != data::DataFileFormat::Generic)
        return fail(text::translate("kvx::batch", "汎用テキストのオプションには --format generic が必要です"));
    if (!o.saveStandard.empty() && o.dataFiles.size() > 1)
        return fail(text::translate("kvx::batch", "--save-standard はデータファイルが一つのときだけ指定できます"));
    if (o.wallLength && o.loops) return fail(text::translate("kvx::batch", "--wall と --loops は同時に指定できません"));
    return {o, {}};
}

}  // namespace kvx::batch

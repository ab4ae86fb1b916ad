// Wall multiplier evaluation.
#include "analysis/wall_evaluation.h"

#include "text/cp932.h"
#include "text/printf.h"
#include "text/replacing_file.h"
#include "text/translate.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kvx::analysis {
namespace {

// The specific-angle edit box of each reference item: 1/15, 1/30, 1/60, 1/100, 1/120, 1/150.
constexpr const char* kReferenceEdits[6] = {"Edit23", "Edit24", "Edit27", "Edit25", "Edit26", "Edit31"};

std::string rowCaption(int item, bool current) {
    const int n = kReferenceDenominators[static_cast<std::size_t>(item)];
    // Three-digit angles have no room for the blank before P in the current-rule row.
    const char* gap = current && n >= 100 ? "" : " ";
    return text::format("1/%d変形角時耐力　%sP%d", n, gap, n);
}

std::optional<float> parseNumber(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t");
    if (b == std::string::npos) return std::nullopt;
    std::string_view v(s.data() + b, e - b + 1);
    if (!v.empty() && v.front() == '+') v.remove_prefix(1);
    float out = 0;
    const auto r = std::from_chars(v.data(), v.data() + v.size(), out);
    if (r.ec != std::errc() || r.ptr != v.data() + v.size() || !std::isfinite(out)) return std::nullopt;
    return out;
}

// Load at an angle on the positive-side list: the first point at or beyond
// the angle; exactly on it, the segment after it (which gives its own load),
// else the segment before it.
float loadAtAngle(const std::vector<float>& g, const std::vector<float>& p, float angle) {
    const std::size_t n = g.size();
    std::size_t i = 0;
    while (i < n && !(g[i] >= angle)) ++i;
    if (i == n) return 0.0f;
    std::size_t a = i - 1, b = i;
    if (g[i] == angle || i == 0) {
        if (i + 1 >= n) return p[i];
        a = i, b = i + 1;
    }
    if (g[b] == g[a]) return p[a];
    const double v = p[a] + (static_cast<double>(p[b]) - p[a]) / (static_cast<double>(g[b]) - g[a]) *
                                (static_cast<double>(angle) - g[a]);
    return static_cast<float>(v);
}

std::string multiplierText(const std::optional<float>& v) { return v ? text::format("%8.2f", static_cast<double>(*v)) : ""; }

}  // namespace

std::string generalText(double value) {
    if (!std::isfinite(value)) return {};
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value));
    std::string s(buffer, r.ptr);
    std::replace(s.begin(), s.end(), 'e', 'E');
    return s;
}

WallEvaluation::WallEvaluation() {
    set("Edit10", "1.82");
    setReference(4);
    m_canReevaluate = false;
    set("Label51", "");
}

const std::string& WallEvaluation::text(const std::string& name) const {
    static const std::string empty;
    const auto it = m_texts.find(name);
    return it == m_texts.end() ? empty : it->second;
}

void WallEvaluation::edit(const std::string& name, const std::string& t) {
    set(name, t);
    static const char* const enabling[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit8", "Edit9", "Edit10", "Edit29"};
    static const char* const asking[] = {"Edit1", "Edit5", "Edit6", "Edit8", "Edit9", "Edit10", "Edit29"};
    if (std::find(std::begin(enabling), std::end(enabling), name) != std::end(enabling)) m_canReevaluate = true;
    if (std::find(std::begin(asking), std::end(asking), name) != std::end(asking)) set("Label51", "再評価をしてください");
}

std::string WallEvaluation::loadUnit() const { return m_unit == data::ForceUnit::kN ? "kN" : "kg"; }
std::string WallEvaluation::stiffnessUnit() const { return loadUnit() + "/rad"; }

std::optional<StepFailure> WallEvaluation::copy(const SkeletonCurve& curve, const WallHandOff& h,
                                                const std::string& xUnit, data::ForceUnit unit,
                                                const WallSource& source) {
    if (xUnit != "rad")
        return StepFailure{text::translate("kvx::analysis", "X軸の単位が'rad'でありませんので，壁倍率を評価することはできません"),
                           text::translate("kvx::analysis", "X軸データエラー")};
    m_unit = unit;
    m_source = source;

    // The positive side: points with a load >= 0, in order (at most 300).
    std::vector<float> g, p;
    for (int i = 0; i < curve.count && g.size() < 300; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (curve.Y[at] >= 0) g.push_back(static_cast<float>(curve.X[at])), p.push_back(static_cast<float>(curve.Y[at]));
    }
    Numbers& n = m_numbers;
    n = Numbers{};
    std::size_t iMax = 0;
    float best = 0.0f;
    for (std::size_t i = 0; i < p.size(); ++i)
        if (p[i] > best) best = p[i], iMax = i;
    n.Pmax = best;
    n.gm = g.empty() ? 0.0f : g[iMax];
    set("Label21", text::format("原点から %zu 点目", iMax));
    n.Pend = p.empty() ? 0.0f : p.back();
    n.gend = g.empty() ? 0.0f : g.back();
    set("Label22", text::format("原点から %zu 点目", g.size()));

    n.Py = static_cast<float>(h.Py), n.gy = static_cast<float>(h.gy), n.Pu = static_cast<float>(h.Pu);
    n.gv = static_cast<float>(h.gv), n.gu = static_cast<float>(h.gu);
    n.K = n.gv != 0.0f ? n.Pu / n.gv : 0.0f;

    const float last = g.empty() ? 0.0f : g.back();
    const auto specific = [&](int denominator) {
        const float angle = 1.0f / static_cast<float>(denominator);
        return last > angle ? loadAtAngle(g, p, angle) : 0.0f;
    };
    n.P120 = g.empty() ? 0.0f : loadAtAngle(g, p, 1.0f / 120);
    n.Pgm2 = g.empty() ? 0.0f : loadAtAngle(g, p, n.gm / 2);
    n.P15 = specific(15), n.P30 = specific(30), n.P60 = specific(60), n.P100 = specific(100), n.P150 = specific(150);

    set("Edit1", generalText(n.Pmax));
    set("Edit2", generalText(n.gm));
    set("Edit3", generalText(n.Pend));
    set("Edit4", generalText(n.gend));
    // Before any evaluation in the editor there is no model: its fields stay empty.
    const auto model = [&](float v) { return h.evaluated ? generalText(v) : std::string(); };
    set("Edit5", model(n.Py));
    set("Edit6", model(n.gy));
    set("Edit8", model(n.Pu));
    set("Edit29", model(n.gv));
    set("Edit9", model(n.gu));
    set("Edit30", model(n.K));
    set("Edit26", generalText(n.P120));
    set("Edit11", generalText(n.Pgm2));
    set("Edit23", generalText(n.P15));
    set("Edit24", generalText(n.P30));
    set("Edit27", generalText(n.P60));
    set("Edit25", generalText(n.P100));
    set("Edit31", generalText(n.P150));
    setReference(m_reference);

    const char* sign = source.xSign < 1 ? "Minus" : "Plus";
    set("Label75", text::format("%s   %dch  %s  x: %+d   y: %+d", source.dataFileName.c_str(), source.xChannel, sign,
                                source.xSign, source.ySign));
    set("Label76", timeStamp());
    const auto failure = reevaluate();
    m_canReevaluate = false;
    if (!h.evaluated)
        return StepFailure{text::translate("kvx::analysis", "等価完全弾塑性特性が評価されていません．\nスケルトン編集の「等価完全弾塑性特性」で評価してください．"),
                           text::translate("kvx::analysis", "壁倍率評価")};
    return failure;
}

void WallEvaluation::setReference(int item) {
    m_reference = std::clamp(item, 0, 5);
    set("RowCurrent", rowCaption(m_reference, true));
    set("RowFormer", rowCaption(m_reference, false));
    const std::string value = text(kReferenceEdits[m_reference]);
    set("Edit7", value);
    set("Edit16", value);
    if (const auto v = parseNumber(value)) m_numbers.PRefer = *v;
    m_canReevaluate = true;
    set("Label51", "再評価をしてください");
}

std::optional<StepFailure> WallEvaluation::reevaluate() {
    const auto read = [&](const char* name, float& out) -> std::optional<StepFailure> {
        const auto v = parseNumber(text(name));
        if (!v) return StepFailure{text::format(text::translate("kvx::analysis", "「%s」は数値として読み取れません（%s）").c_str(), text(name).c_str(), name),
                                   text::translate("kvx::analysis", "入力エラー")};
        out = *v;
        return std::nullopt;
    };
    Numbers& n = m_numbers;
    float L = 0;
    for (const auto& [name, target] : std::initializer_list<std::pair<const char*, float*>>{
             {"Edit1", &n.Pmax}, {"Edit2", &n.gm}, {"Edit3", &n.Pend}, {"Edit4", &n.gend}, {"Edit5", &n.Py},
             {"Edit6", &n.gy}, {"Edit8", &n.Pu}, {"Edit29", &n.gv}, {"Edit9", &n.gu}, {"Edit10", &L},
             {"Edit7", &n.PRefer}, {"Edit11", &n.Pgm2}})
        if (auto failure = read(name, *target)) return failure;

    n.mu.reset(), n.Ds.reset(), n.QaCurrent.reset(), n.QaFormer.reset();
    n.multiplierCurrent.reset(), n.multiplierFormer.reset(), n.ratio.reset();
    n.starCurrent = n.starFormer = -1;
    std::optional<StepFailure> problem;

    const float twoThirds = n.Pmax * 2 / 3;
    n.K = n.gv != 0.0f ? n.Pu / n.gv : 0.0f;
    if (n.gv != 0.0f) n.mu = n.gu / n.gv;
    float puDs = 0, factor = 0;
    if (n.mu && 2 * *n.mu - 1 > 0) {
        n.Ds = 1 / std::sqrt(2 * *n.mu - 1);
        factor = 0.2f / *n.Ds;
        puDs = n.Pu * 0.2f / *n.Ds;
    } else {
        problem = StepFailure{text::translate("kvx::analysis", "μ = γu/γv が 0.5 以下（または γv が 0）のため Ds を求めることができません．\n"
                                                "現行基準の短期許容せん断耐力は評価できません．"),
                              text::translate("kvx::analysis", "再評価エラー")};
    }
    set("Edit13", n.mu ? generalText(*n.mu) : "");
    set("Edit14", n.Ds ? generalText(*n.Ds) : "");
    set("Edit22", n.Ds ? generalText(factor) : "");
    set("Edit15", n.Ds ? generalText(puDs) : "");
    set("Edit12", generalText(twoThirds));
    set("Edit17", generalText(twoThirds));
    set("Edit30", n.gv != 0.0f ? generalText(n.K) : "");

    // Smallest term, searched from 1,000,000 down; the first of equal terms wins.
    const auto smallest = [](std::initializer_list<float> terms, int& star) {
        float qa = 1000000.0f;
        int i = 0;
        for (float t : terms) {
            if (t < qa) qa = t, star = i;
            ++i;
        }
        return qa;
    };
    if (n.Ds) n.QaCurrent = smallest({n.Py, n.PRefer, twoThirds, puDs}, n.starCurrent);
    n.QaFormer = smallest({n.PRefer, twoThirds, n.Pgm2}, n.starFormer);

    const bool kN = m_unit == data::ForceUnit::kN;
    if (L > 0) {
        // 200 kgf/m (1.96 kN/m) per multiplier by the current rule; 130 kgf/m with 0.75 by the former.
        if (n.QaCurrent) n.multiplierCurrent = kN ? *n.QaCurrent / (1.96f * L) : *n.QaCurrent * 0.005f / L;
        n.multiplierFormer = kN ? 0.75f * *n.QaFormer / (130 * 0.0098f * L) : 0.75f * *n.QaFormer / (130 * L);
        if (n.multiplierCurrent && *n.multiplierFormer != 0.0f)
            n.ratio = *n.multiplierCurrent / *n.multiplierFormer;
    } else if (!problem) {
        problem = StepFailure{text::translate("kvx::analysis", "壁長さ L には正の値を入力してください．"), text::translate("kvx::analysis", "再評価エラー")};
    }
    set("Edit18", n.QaCurrent ? generalText(*n.QaCurrent) : "");
    set("Edit19", generalText(*n.QaFormer));
    set("Edit21", multiplierText(n.multiplierCurrent));
    set("Edit20", multiplierText(n.multiplierFormer));
    set("Edit28", n.ratio ? text::format("%8.3f", static_cast<double>(*n.ratio)) : "");
    for (int i = 0; i < 4; ++i) set("StarCurrent" + std::to_string(i), i == n.starCurrent ? "★" : "");
    for (int i = 0; i < 3; ++i) set("StarFormer" + std::to_string(i), i == n.starFormer ? "★" : "");

    set("Label51", problem ? "評価できない値があります" : "評価終了");
    // An angle too small for "1/n" in an int (a record of absurd values) shows nothing, like no angle.
    const auto inverse = [](float g) {
        return g > 0 && 1 / g < 2147483648.0f ? text::format("1/%d", static_cast<int>(1 / g)) : std::string();
    };
    set("Label53", inverse(n.gm));
    set("Label54", inverse(n.gend));
    set("Label55", inverse(n.gy));
    set("Label56", inverse(n.gu));
    set("Label76", timeStamp());
    m_canReevaluate = false;
    m_canWrite = true;
    return problem;
}

std::string WallEvaluation::headerText() const {
    const int n = kReferenceDenominators[static_cast<std::size_t>(m_reference)];
    const std::string first = text::format("ファイル名,領域,解析時,最大耐力,最大耐力時変形角,1/%d耐力,2/3最大耐力,降伏耐力,"
                                           "終局耐力,弾塑性変形角,構造特性耐力,最小値,壁倍率,旧壁倍率\n",
                                           n);
    return text::utf8ToCp932Lossy(first + "filename,+/-,日付,Pmax,γm,PRefer,2/3×Pmax,Py,Pu,γv,Pu×0.2/Ds,Qa,Kabe\n");
}

std::string WallEvaluation::rowText() const {
    std::string row = m_source.dataFileName + ",";
    row += m_source.xSign < 1 ? "Minus," : "Plus,";
    row += "'" + text("Label76") + ",";
    for (const char* name : {"Edit1", "Edit2", "Edit7", "Edit12", "Edit5", "Edit8", "Edit29", "Edit15", "Edit18", "Edit21"})
        row += text(name) + ",";
    row += text("Edit20") + "\n";
    return text::utf8ToCp932Lossy(row);
}

bool WallEvaluation::openResultFile(const std::string& path) {
    closeResultFile();
    // A new file with its header replaces the old one only when complete; rows are appended.
    if (!text::replaceFile(path, headerText())) return false;
    m_file = std::fopen(path.c_str(), "ab");
    m_canWrite = m_file != nullptr;
    return m_file != nullptr;
}

bool WallEvaluation::appendToResultFile(const std::string& path) {
    std::FILE* existing = std::fopen(path.c_str(), "rb");
    const bool hasContent = existing && std::fgetc(existing) != EOF;
    if (existing) std::fclose(existing);
    if (!hasContent) return openResultFile(path);
    closeResultFile();
    m_file = std::fopen(path.c_str(), "ab");
    m_canWrite = m_file != nullptr;
    return m_file != nullptr;
}

bool WallEvaluation::writeRow() {
    if (!m_file || !m_canWrite) return false;
    const std::string r = rowText();
    const bool ok = std::fwrite(r.data(), 1, r.size(), m_file) == r.size() && std::fflush(m_file) == 0;
    m_canWrite = false;
    return ok;
}

void WallEvaluation::closeResultFile() {
    if (m_file) std::fclose(m_file);
    m_file = nullptr;
    m_canWrite = false;
}

}  // namespace kvx::analysis

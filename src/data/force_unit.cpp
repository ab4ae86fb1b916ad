// The force-unit rule of a data read.
#include "data/force_unit.h"
#include "text/translate.h"

#include <algorithm>

namespace kvx::data {
namespace {

constexpr std::string_view kKgCp932 = "\x87\x73";  // ㎏ in CP932

}  // namespace

bool isKgUnit(std::string_view unit) { return unit == "kg" || unit == "Kg" || unit == kKgCp932; }

bool isForceUnit(std::string_view unit) { return isKgUnit(unit) || unit == "kN" || unit == "KN"; }

ForceUnitDecision applyForceUnitRule(std::span<std::string> units, ForceUnit chosen, ui::Interaction& ia) {
    ForceUnitDecision d;
    const auto force = std::find_if(units.begin(), units.end(), [](const std::string& u) { return isForceUnit(u); });
    if (force != units.end()) d.forceChannel = static_cast<int>(force - units.begin());

    if (d.forceChannel < 0 &&
        ia.ask(text::translate("kvx::data", "重大なエラー\n\n力の単位が kg または kN のデータがありません．\n"
                                           "このまま続行しますか？　　"),
               text::translate("kvx::data", "加力単位エラー"), ui::Buttons::OkCancel,
               ui::Icon::Warning) != ui::Answer::Ok)
        return d;
    d.proceed = true;

    // Every column counts for the kg test, not only the force column.
    const bool fileInKg = std::any_of(units.begin(), units.end(), [](const std::string& u) { return isKgUnit(u); });
    if (chosen == ForceUnit::kN) {
        if (fileInKg)
            ia.message(text::translate("kvx::data", "ファイルデータの加力の単位はkgになっています．\n力の単位をkNに変更しました．"),
                       text::translate("kvx::data", "加力単位"), ui::Icon::Warning);
        d.forceFactor = fileInKg ? kKgfToKn : 1.0f;
    } else {
        if (!fileInKg)
            ia.message(text::translate("kvx::data", "ファイルデータの加力の単位はkNになっています．\n力の単位をkgに変更しました．"),
                       text::translate("kvx::data", "加力単位"), ui::Icon::Warning);
        d.forceFactor = fileInKg ? 1.0f : kKnToKgf;
    }
    if (d.forceChannel >= 0) units[static_cast<std::size_t>(d.forceChannel)] = chosen == ForceUnit::kN ? "kN" : "kg";
    return d;
}

}  // namespace kvx::data

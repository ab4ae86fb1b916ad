// Which column holds the applied force, and the factor its values are scaled by
// when read so that they come out in the chosen force unit.
#pragma once

#include "data/measurement_data.h"
#include "ui/interaction.h"

#include <span>
#include <string>

namespace kvx::data {

/// True for the unit texts that mark a force column: "kg", "Kg", "㎏", "kN", "KN"
/// (CP932 bytes, exact: a trailing blank or "KG" does not match).
bool isForceUnit(std::string_view unit);
/// True for the kilogram-force spellings "kg", "Kg", "㎏".
bool isKgUnit(std::string_view unit);

struct ForceUnitDecision {
    bool proceed = false;  // false: the user cancelled the "no force unit" question
    int forceChannel = -1;
    float forceFactor = 1.0f;
};

/// Runs the force-unit rule on the units of header row 4 (leading blanks already
/// removed). Asks and tells the user through `ia`. When it proceeds and a force
/// channel exists, that unit text in `units` is replaced by the chosen unit.
ForceUnitDecision applyForceUnitRule(std::span<std::string> units, ForceUnit chosen, ui::Interaction& ia);

/// A force value as stored: the product in double precision, rounded once to float.
inline float scaleForce(double value, float factor) {
    return static_cast<float>(value * static_cast<double>(factor));
}

}  // namespace kvx::data

// Characteristic values of a racking test: the record's peaks, the loads at
// 1/120 rad, at 2/3 Pmax and at half the peak deformation, measured on the
// skeleton and on the approximated curve; the label texts that show them and
// the ELASTO.CSV row that reads those texts back.
#pragma once

#include "analysis/elasto_plastic.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kvx::analysis {

/// Units of the plot (CP932 as shown on the axes). "rad" switches the
/// deformation-angle rules on.
struct PlotUnits {
    std::string load;
    std::string deformation;
    bool rad() const { return deformation == "rad"; }
};

/// The characteristics window's labels by name ("Pmax", "PP120", "PK", ...),
/// each holding its text as displayed (CP932). Labels keep their text until
/// an evaluation sets or clears them, as the window's labels do.
class CharacteristicLabels {
public:
    static const std::vector<std::string>& names();
    const std::string& text(const std::string& name) const;
    void set(const std::string& name, std::string text);
    /// A value's text followed by a unit: only the value's text is read back,
    /// so that a unit starting like a number ("1e999kN" after "917.00") cannot
    /// run into it.
    void set(const std::string& name, const std::string& value, const std::string& unit);
    void clear(const std::string& name) { set(name, {}); }
    /// The number a text starts with (blanks skipped), 0 when it has none.
    double number(const std::string& name) const;

private:
    std::map<std::string, std::string> m_texts;
    std::map<std::string, std::size_t> m_valueLengths;  // for texts set with a unit
};

struct RecordValues {
    double Pmax = 0, PmaxX = 0;  // largest load and its deformation
    double Pmin = 0, PminX = 0;  // magnitudes on the negative side
    double Pave = 0, MaxD = 0, MinD = 0;
    double PP23 = 0, MP23 = 0, AVP23 = 0;
};

/// Values of one column (+, -, average); nothing where the curve does not reach.
struct SideValues {
    std::optional<double> plus, minus, average;
};

struct MeasuredValues {
    SideValues at120, twoThirds, halfPeak, minimum;
};

/// Status of an evaluation step: ok, or the message to show (gamma_point error).
struct StepFailure {
    std::string message;
    std::string caption;
};

/// From the plotted series: Pmax, Pmin, Pave, MaxD, MinD and the 2/3 values; sets their labels.
RecordValues recordValues(std::span<const double> x, std::span<const double> y, const PlotUnits& units,
                          CharacteristicLabels& labels);

/// From the skeleton points: loads at 1/120 and at half the peak deformation;
/// with "rad" the min column from the label texts, else the min labels cleared.
std::optional<StepFailure> measuredValues(std::span<const double> x, std::span<const double> y, const PlotUnits& units,
                                          CharacteristicLabels& labels, MeasuredValues& out);

/// From the stored curve (after the approximation), only for "rad" records;
/// otherwise the twelve labels of the group are cleared.
std::optional<StepFailure> approximationValues(std::span<const double> x, std::span<const double> y,
                                               const PlotUnits& units, CharacteristicLabels& labels,
                                               MeasuredValues& out);

/// Texts of the bilinear model: PK, YP, Dv, Du (or MPK, MYP, MDv, MDu for the negative side).
void setModelLabels(const ElastoPlastic& m, bool negative, const PlotUnits& units, CharacteristicLabels& labels);

/// One ELASTO.CSV row: data file path (CP932), graph channels of X and Y, and
/// the 37 values read back from the label texts.
std::string elastoRow(const std::string& dataFileCp932, int xChannel, int yChannel, const CharacteristicLabels& labels);

}  // namespace kvx::analysis

// Import of a delimited text file into the data set: which file columns
// become channels, their names and units, unit conversion to the units the
// evaluation expects (kN or kg, mm, rad), and thinning of records longer than
// the 30,000-row table so that reversals and the peak loads survive.
#pragma once

#include "data/delimited_text.h"
#include "data/measurement_data.h"
#include "ui/interaction.h"

#include <optional>
#include <string>
#include <vector>

namespace kvx::data {

/// What the user chose (or the batch options said); empty means detected.
struct ImportSettings {
    TextDialect dialect;
    std::vector<int> columns;        // file columns from 1, in channel order; empty: all (at most 16)
    std::vector<std::string> names;  // UTF-8, in channel order; a missing or empty one comes from the names row
    std::vector<std::string> units;  // UTF-8, in channel order; a missing one comes from the units row
    bool skipBadRows = false;
    int thinStep = 0;                // 0: thin only a record too long for the table; k >= 1: every k-th row
};

/// A unit as read and as stored: values are multiplied by `factor`.
struct UnitConversion {
    std::string from, to;  // UTF-8 (the stored one is converted to CP932)
    double factor = 1.0;
    friend bool operator==(const UnitConversion&, const UnitConversion&) = default;
};
/// N -> kN, lbf -> kN, kgf/kg -> kg, m/cm/in -> mm, %/deg -> rad; a unit it
/// does not know stays as it is with the factor 1.
UnitConversion unitConversion(std::string_view unit);

/// Everything decided before the data set is filled; the import window shows it.
struct ImportPlan {
    std::vector<int> columns;               // file columns from 1, in channel order
    std::vector<std::string> names;         // UTF-8
    std::vector<UnitConversion> units;      // per channel
    int forceChannel = -1;                  // first channel stored in kN or kg, from 0
    int reversalChannel = -1;               // the channel whose reversals thinning keeps, from 0
    std::vector<int> keptRows;              // rows of the parsed table that are kept, ascending
    int step = 1;                           // thinning step; 1: every row
    bool thinned = false;
    /// Why the import cannot go on (Japanese); empty when it can.
    std::string failure;
};

/// Maps and thins `parsed` as `settings` say. The reversal channel is the
/// first channel stored in mm or rad, else the first that is not the force.
ImportPlan planImport(const ParsedText& parsed, const ImportSettings& settings);

/// Rows of `values` that are reversals (local extremes, the first row of a
/// flat extreme), plus the first and the last row.
std::vector<int> reversalRows(const std::vector<double>& values);

struct ImportReport {
    TextDialect dialect;
    ImportPlan plan;
    int rowsInFile = 0;
    int rowsRead = 0;
    int skippedRows = 0;
    std::vector<int> skippedLines;
    int thinnedFrom = 0;  // rows before thinning; 0 when not thinned
};

/// Parses, plans and fills `target` (replaced only on success) with the
/// force-unit rule for `forceUnit`; every failure is told through `ia`.
std::optional<ImportReport> importDelimitedText(std::string_view bytes, const ImportSettings& settings,
                                                ForceUnit forceUnit, ui::Interaction& ia, MeasurementData& target);

}  // namespace kvx::data

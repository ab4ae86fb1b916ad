// The data list's rules: the grid's texts, the value formats, and the two
// corrections (a single cell, a range of rows) made in the data set itself.
#pragma once

#include "data/measurement_data.h"

#include <optional>
#include <string>
#include <string_view>

namespace kvx::data {

/// Grid rows above the first data row: graph channel, logger channel, point name, unit.
inline constexpr int kListHeaderRows = 4;

/// A value as the list shows it: "%11.3f " when its magnitude is at least
/// 0.00095 or it is exactly 0, otherwise "%+8.3e ".
std::string formatListValue(float value);

/// Grid size for the data set: ChannelCount + 1 columns, RowCount + 4 rows.
inline int listGridColumns(const MeasurementData& d) { return d.channelCount() + 1; }
inline int listGridRows(const MeasurementData& d) { return d.RowCount + kListHeaderRows; }

/// Text of grid cell (gridRow, gridColumn), both from 0 as the grid counts
/// them: rows 0-3 are the header rows, row m + 3 is data row m (from 1), column
/// k is channel k (from 1), column 0 holds the captions and row numbers.
/// CP932 bytes (the point names and units come from the file). Empty outside the grid.
std::string listCellText(const MeasurementData& d, int gridRow, int gridColumn);

/// An edit box's text as a whole number (row numbers, divisors): optional
/// blanks, an optional sign and decimal digits, nothing else. Nothing for any
/// other text or an int overflow.
std::optional<int> parseWholeNumber(std::string_view text);

/// The delete range check: first > 0, last > 0, last <= rowCount and last >= first
/// (rows numbered from 1).
bool isValidDeleteRange(int firstRow, int lastRow, int rowCount);

/// Deletes rows firstRow ... lastRow (numbered from 1, a valid range): later
/// rows move up over the channels in use and RowCount shrinks. Rows beyond the
/// new RowCount keep their old values.
void deleteRows(MeasurementData& d, int firstRow, int lastRow);

/// A changed cell's text as the data file's numbers are read (the longest
/// numeric prefix, 0 when there is none), rounded to single precision.
/// Nothing when the number lies beyond the single-precision range.
std::optional<float> parseCellValue(std::string_view text);

}  // namespace kvx::data

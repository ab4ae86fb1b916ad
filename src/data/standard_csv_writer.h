// Writers of the standard CSV format: the whole data set, and converted data.
#pragma once

#include "data/measurement_data.h"

#include <string>
#include <vector>

namespace kvx::data {

/// Writes the data set (channel numbers as "%2dCH", the three text rows, values
/// as "%12.5e"). Returns false when the file cannot be created or written.
bool writeDataSet(const std::string& path, const MeasurementData& data);

/// One written column of converted data: a column of a table.
struct ConvertedColumn {
    const MeasurementData* table;
    int column;
    bool keepsInstrumentName = false;  // the first column always keeps it
};

/// Writes converted data: header "1ch,2ch,...", the names and units of the
/// columns, empty instrument names after the first, the first column's values
/// as "%f" and the others as "%.5e", for `rowCount` rows. `columns` must not be empty.
bool writeConvertedData(const std::string& path, const std::vector<ConvertedColumn>& columns, int rowCount);

/// `path` with ".csv" appended when its file name has no extension.
std::string withCsvExtension(const std::string& path);

}  // namespace kvx::data

// kurvadex-batch's command line. Option names are a contract with scripts:
// keep them as they are.
#pragma once

#include "data/data_file_format.h"
#include "data/delimited_text.h"
#include "data/measurement_data.h"
#include "plot/graph_command.h"

#include <optional>
#include <string>
#include <vector>

namespace kvx::batch {

/// How a delimited text file is read (--format generic); unset: as detected.
struct GenericOptions {
    std::optional<data::Delimiter> delimiter;    // --delimiter comma|semicolon|tab|space
    std::optional<data::DecimalMark> decimal;    // --decimal point|comma
    std::optional<data::FileEncoding> encoding;  // --encoding utf8|cp932
    std::optional<int> headerRows;               // --header-rows N (0 ... 10)
    std::optional<int> namesRow, unitsRow;       // --names-row R, --units-row R (0: none)
    std::vector<int> columns;                    // --columns C1,C2,... (file columns from 1)
    std::optional<std::vector<std::string>> names, units;  // --names "a,b", --units "kN,mm"
    bool skipBadRows = false;                    // --skip-bad-rows
    int thinStep = 0;                            // --thin auto|K (0: auto)
    bool given = false;                          // any of these was given
};

struct BatchOptions {
    data::DataFileFormat format = data::DataFileFormat::StandardCsv;  // --format csv|txt|tcsv|generic
    GenericOptions generic;
    std::string saveStandard;  // --save-standard FILE: the data set as a standard CSV file
    data::ForceUnit forceUnit = data::ForceUnit::kN;                   // --force-unit kN|kg
    bool continueWithoutForce = false;                                 // --continue-without-force
    bool json = false;                                                 // --json
    std::vector<int> map;  // --map E1[,E2...]: file channels of graph channels 1, 2, ... (wide files)
    bool help = false;                                                 // --help
    std::string file;                    // the data file (the first when several are given)
    std::vector<std::string> dataFiles;  // every data file given: a test series
    // The graph, as the main window's controls would set it.
    int mainChannel = 1;                 // --main CH
    bool mainOnX = false;                // --main-axis x|y
    std::vector<int> channels;           // --channel CH (repeatable); none: as the open command checks
    std::vector<int> inverted;           // --invert CH (repeatable)
    int smoothing = 0;                   // --smooth N (3, 5, 7, 9, 15, 31); 0: off
    bool fullScale = false;              // --full-scale
    bool firstQuadrant = false;          // --first-quadrant
    std::optional<std::pair<int, int>> region;               // --region A:B (rows from 1)
    std::optional<std::pair<double, double>> manualScale;    // --manual-scale XSTEP:YSTEP
    bool envelope = false;               // --envelope
    bool marks = false;                  // --marks
    int minMax = 4;                      // --minmax 1..4 (0: no labels)
    bool legend = true;                  // --no-legend
    std::string image;                   // --image FILE.png (FILE.bmp: a bitmap)
    std::string pdf;                     // --pdf FILE: the printed page as a PDF
    int dpi = 600;                       // --dpi 360|400|600: the declared printer resolution

    // Loops and result files.
    std::optional<plot::LoopJudgment> loops;  // --loops zero|extrema: loop mode, every loop in turn
    bool files = false;                  // --files: write the result files (the "ファイル出力" request)
    std::string outDirectory;            // --out DIR: result files there instead of the data file's folder

    // Restoring-force characteristics.
    bool skeleton = false;               // --skeleton: the skeleton evaluation after the graph
    int approximation = 0;               // --approx 0|7|9|11|13|99
    bool elasto = false;                 // --elasto: the elasto-plastic model of each side

    // Wall multiplier (implies the skeleton).
    std::optional<std::string> wallLength;  // --wall L: wall length in metres, as typed
    int reference = 120;                 // --reference 15|30|60|100|120|150
    std::string wallFile;                // --wall-file FILE: the result file
    bool append = false;                 // --append: add to an existing result file
    bool overwrite = false;              // --overwrite: replace an existing result file

    // Per-cycle metrics and the other codes' evaluations.
    bool cycles = false;                 // --cycles: per-cycle energy, stiffness, damping, levels
    bool methods = false;                // --methods: envelope, ASTM E2126 EEEP, EN 12512
    double amplitudeTolerance = 0.1;     // --amplitude-tolerance T: cycles of one level

    // The set of specimens.
    std::string summaryFile;             // --summary FILE.csv: the statistics of the wall rows
    double alpha = 1.0;                  // --alpha A: reduction factor of Pa
    std::string summarizeFile;           // --summarize WALLFILE: summarize an existing wall result file
    std::string reportFile;              // --report FILE.pdf: the test report
};

struct ParsedOptions {
    std::optional<BatchOptions> options;  // nothing: `error` says why
    std::string error;                    // UTF-8, for stderr
};

ParsedOptions parseOptions(const std::vector<std::string>& args);

/// Usage text (UTF-8) in the user's language; option names are never translated.
std::string usageText();

}  // namespace kvx::batch

// Hostile files through every reader: each is read or refused with a message,
// never a crash, never a half-read data set.
#include "data/open_data_file.h"
#include "support/temp_dir.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kvx;
using kvx::test::TempDir;

namespace {

enum class Outcome { Read, Refused };

struct Input {
    const char* name;
    std::string bytes;
};

std::vector<Input> catalogue(const std::string& validHeader, const std::string& validRow) {
    std::string rows30001 = validHeader;
    for (int i = 0; i < 30001; ++i) rows30001 += validRow;
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 131 + 7) % 256);
    std::string wide17 = "1";
    for (int i = 2; i <= 17; ++i) wide17 += "," + std::to_string(i);
    return {
        {"empty", ""},
        {"truncated mid-line", validHeader.substr(0, validHeader.size() / 2)},
        {"binary", binary},
        {"huge line", validHeader + std::string(100000, '7') + "\n"},
        {"huge field", validHeader + std::string(5000, '1') + "," + validRow},
        {"NUL bytes", validHeader + std::string("1\0,2\n", 5) + validRow},
        {"invalid CP932", "\x81\x81,\x82\n\xFF\xFE,\x80\n,\n" + validHeader.substr(validHeader.find('\n') + 1)},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + validHeader + validRow},
        {"CR-only line ends", [&] {
             std::string s = validHeader + validRow;
             for (char& c : s)
                 if (c == '\n') c = '\r';
             return s;
         }()},
        {"numbers 1e999", validHeader + "1e999,2\n"},
        {"numbers -0 nan 0x10", validHeader + "-0,nan\n0x10,2\n"},
        {"17 fields", wide17 + "\n" + wide17 + "\n\n" + wide17 + "\n" + wide17 + "\n"},
        {"30001 rows", rows30001},
    };
}

}  // namespace

TEST(HostileInput, EveryReaderReadsOrRefusesWithAMessage) {
    struct Reader {
        const char* name;
        data::DataFileFormat format;
        std::string header, row;
    };
    const Reader readers[] = {
        {"standard", data::DataFileFormat::StandardCsv, "1,2\nP,D\n,\nkN,mm\n", "1.5,2.5\n"},
        {"logger text", data::DataFileFormat::SokkiTxt, "title\nNo,DATE,P,D\nNo,DATE,kN,mm\n",
         "1, 2007/05/21 10:00:00,1.5,2.5\n"},
        {"logger csv", data::DataFileFormat::SokkiCsv, "TIME,P,D,\n2007/05/21 10:00:00,0,0\n",
         "2007/05/21 10:00:01,1.5,2.5\n"},
    };
    for (const auto& reader : readers) {
        for (const auto& input : catalogue(reader.header, reader.row)) {
            SCOPED_TRACE(std::string(reader.name) + ": " + input.name);
            TempDir dir;
            ui::ScriptedInteraction ia;
            ia.defaultAnswer = ui::Answer::Ok;
            const auto opened = data::openDataFile(dir.write("f.dat", input.bytes), reader.format, data::ForceUnit::kN, ia,
                                                   [](int n) { return std::optional(data::Correspondence::identity(n)); });
            if (!opened) {
                ASSERT_FALSE(ia.shown.empty()) << "refused without telling";
                continue;
            }
            // What was read is a whole, sane data set.
            const auto& d = opened->data;
            EXPECT_GT(d.RowCount, 0);
            EXPECT_LE(d.RowCount, data::kMaxRows);
            EXPECT_GE(d.header.ChannelCount, 1);
            EXPECT_LE(d.header.ChannelCount, 16);
            for (int r = 0; r < d.RowCount; ++r)
                for (int c = 0; c < d.header.ChannelCount; ++c) ASSERT_TRUE(std::isfinite(d.value(r, c)));
        }
    }
}

TEST(HostileInput, WideFilesWithRaggedLinesAreRefused) {
    std::string line;
    for (int c = 1; c <= 20; ++c) line += (c > 1 ? "," : "") + std::to_string(c);
    const std::string bytes = line + "\n" + line + "\n" + line + "\n" + line + "\n" + line + "\n1,2,3\n";
    TempDir dir;
    ui::ScriptedInteraction ia;
    data::Correspondence c = data::Correspondence::identity(20);
    c.renumber(1, 5);
    EXPECT_FALSE(data::openDataFile(dir.write("w.csv", bytes), data::DataFileFormat::StandardCsv, data::ForceUnit::kN, ia,
                                    [&](int) { return std::optional(c); })
                     .has_value());
    ASSERT_FALSE(ia.shown.empty());
    EXPECT_NE(ia.shown.back().text.find("第 6 行"), std::string::npos);
}

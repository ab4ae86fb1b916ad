// Every writer against a full disk and an unusable target: the user is told,
// no cut file takes the place of a complete one, nothing written before is lost.
#include "analysis/elasto_file.h"
#include "analysis/loop_file.h"
#include "analysis/wall_evaluation.h"
#include "data/correspondence.h"
#include "data/sokki_import.h"
#include "data/standard_csv_writer.h"
#include "output/bmp_writer.h"
#include "output/png_writer.h"
#include "plot/clr_file.h"
#include "plot/recording_canvas.h"
#include "plot/skeleton_evaluation.h"
#include "support/temp_dir.h"
#include "text/replacing_file.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/resource.h>

using namespace kvx;
using kvx::test::readBytes;
using kvx::test::TempDir;

namespace {

// A full disk, as far as this process can tell: files may not grow past `bytes`.
class DiskFull {
public:
    explicit DiskFull(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing us
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~DiskFull() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    DiskFull(const DiskFull&) = delete;
    DiskFull& operator=(const DiskFull&) = delete;

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

std::size_t filesIn(const TempDir& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++n;
    return n;
}

data::MeasurementData bigData() {
    data::MeasurementData d;
    d.header.ChannelCount = 4;
    d.header.units = {"kN", "mm", "mm", "rad"};
    d.RowCount = 500;
    for (int r = 0; r < 500; ++r)
        for (int c = 0; c < 4; ++c) d.cell(r, c) = static_cast<float>(r * 0.5 + c);
    return d;
}

output::RgbImage noisyPicture() {
    output::RgbImage img(200, 200);
    std::uint32_t s = 7;
    for (auto& v : img.rgb) v = static_cast<std::uint8_t>((s = s * 1664525u + 1013904223u) >> 24);
    return img;
}

}  // namespace

// Writers that replace a whole file: on a full disk they fail, and the file
// that was there before is still there, unchanged, with no stray temporary file.
TEST(FailingWrites, ReplacingWritersKeepTheOldFileOnAFullDisk) {
    const data::MeasurementData d = bigData();
    struct Case {
        const char* name;
        const char* file;
        std::function<bool(const std::string& dir, const std::string& path)> write;
    };
    const Case cases[] = {
        {"data-set save", "saved.csv", [&](const std::string&, const std::string& p) { return data::writeDataSet(p, d); }},
        {"converted save", "conv.csv",
         [&](const std::string&, const std::string& p) { return data::writeConvertedData(p, {{&d, 0}, {&d, 3}}, d.RowCount); }},
        {"PNG", "g.png", [](const std::string&, const std::string& p) { return output::writePng(p, noisyPicture()); }},
        {"BMP", "g.bmp", [](const std::string&, const std::string& p) { return output::writeBmp(p, noisyPicture()); }},
        {"LOOP.CSV", "LOOP.CSV",
         [](const std::string& dir, const std::string&) {
             analysis::LoopFile f;
             if (!f.open(dir)) return false;
             analysis::LoopValues v;
             v.K = 1.0f;
             for (int i = 0; i < 200; ++i) f.write(v);
             return f.close();
         }},
        {"_tmp.csv", "_tmp.csv",
         [](const std::string& dir, const std::string&) {
             ui::ScriptedInteraction ia;
             return data::importSokkiText(dir + "run.txt", ia).has_value();
         }},
        {"ELASTO.CSV header", "ELASTO.CSV",
         [](const std::string& dir, const std::string&) {
             analysis::ElastoFile f;
             return f.open(dir);
         }},
        {"wall result file header", "walls.txt",
         [](const std::string& dir, const std::string&) {
             analysis::WallEvaluation w;
             return w.openResultFile(dir + "walls.txt");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string target = dir.write(c.file, "the good old file\n");
        if (std::string(c.name) == "_tmp.csv") {
            // The logger file itself must fit; only the conversion runs out of space.
            std::string logger = "title\nNo,DATE,A,B\nNo,DATE,kN,mm\n";
            for (int i = 0; i < 300; ++i) logger += "1, 2007/05/21 10:00:00,1.25,2.5\n";
            dir.write("run.txt", logger);
        }
        const std::size_t before = filesIn(dir);
        bool ok = true;
        {
            DiskFull full(100);  // less than any of these files
            ok = c.write(dir.dir(), target);
        }
        EXPECT_FALSE(ok);
        EXPECT_EQ(readBytes(target), "the good old file\n");
        EXPECT_EQ(filesIn(dir), before);
    }
}

TEST(FailingWrites, AppendedRowsReportAFullDiskAndKeepEarlierRows) {
    TempDir dir;
    analysis::ElastoFile elasto;
    ASSERT_TRUE(elasto.open(dir.dir()));
    ASSERT_TRUE(elasto.append("row 1\n"));
    const std::string before = readBytes(dir.file("ELASTO.CSV"));
    {
        DiskFull full(before.size() + 10);
        EXPECT_FALSE(elasto.append(std::string(100, 'x') + "\n"));
    }
    elasto.close();
    EXPECT_EQ(readBytes(dir.file("ELASTO.CSV")).substr(0, before.size()), before);
}

TEST(FailingWrites, FoldersInTheWayAreToldNotReplaced) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("taken.csv"));
    const data::MeasurementData d = bigData();
    EXPECT_FALSE(data::writeDataSet(dir.file("taken.csv"), d));
    EXPECT_FALSE(output::writePng(dir.file("taken.csv"), noisyPicture()));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("taken.csv")));
    // Result files whose folder does not exist.
    analysis::WallEvaluation wall;
    EXPECT_FALSE(wall.openResultFile("/nonexistent/dir/walls.txt"));
    ui::ScriptedInteraction ia;
    EXPECT_FALSE(data::saveReducedFile(dir.write("_tempfile.csv", "1,2\n"), "/nonexistent/dir/x.csv",
                                       dir.file("data.csv"), ia));
    EXPECT_EQ(ia.shown.back().caption, "ファイル出力エラー");
}

TEST(FailingWrites, SkeletonCsvOnAFullDiskIsToldAndTheOldOneKept) {
    TempDir dir;
    dir.write("SKELTON.CSV", "old skeleton\n");
    std::vector<double> x, y;
    for (int i = 0; i <= 400; ++i) x.push_back(i * 0.0002), y.push_back(20 * (1 - std::exp(-i * 0.0002 / 0.01)));
    plot::SkeletonOptions o;
    o.units = {"kN", "rad"};
    o.fileOutput = true;
    o.resultDirectory = dir.dir();
    plot::SkeletonState state;
    plot::RecordingCanvas canvas;
    plot::GraphFrame frame;
    ui::ScriptedInteraction ia;
    plot::NullSkeletonHost host;
    {
        DiskFull full(200);
        plot::runSkeletonEvaluation(x, y, o, state, canvas, plot::FrameMapping{frame, {}}, ia, host, nullptr);
    }
    EXPECT_EQ(ia.count("骨格曲線データSkelton.csvに出力しました"), 0);
    EXPECT_EQ(readBytes(dir.file("SKELTON.CSV")), "old skeleton\n");
}

TEST(ReplacingFile, CommitReplacesAbandonKeeps) {
    TempDir dir;
    const std::string target = dir.write("f.txt", "old");
    {
        text::ReplacingFile f(target);
        f.write("new");
        EXPECT_EQ(readBytes(target), "old");  // not before the commit
        EXPECT_TRUE(f.commit());
    }
    EXPECT_EQ(readBytes(target), "new");
    {
        text::ReplacingFile f(target);
        f.write("half");
    }  // abandoned
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_EQ(filesIn(dir), 1u);
}

TEST(FailingWrites, LineStyleFileOnAFullDiskKeepsTheOldOne) {
    TempDir dir;
    const std::string target = dir.write("styles.clr", "old\n");
    bool ok = true;
    {
        DiskFull full(50);
        ok = plot::writeClrFile(target, plot::LineStyles{});
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(readBytes(target), "old\n");
}

// Makes the user guide's pictures from the bundled sample record, driving the
// real windows offscreen: scripts/make-guide-pictures runs it, so the guide
// always shows the program as it is. A lab record of another format, when
// given, shows the text import window. With --lang en the windows are in
// English, for the English guide's pictures.
#include "app/language.h"
#include "app/qt_interaction.h"
#include "app/qt_text.h"
#include "app/radio_group.h"
#include "app/t_coeff.h"
#include "app/t_cycles.h"
#include "app/t_kabe.h"
#include "app/t_opening.h"
#include "app/t_series_summary.h"
#include "app/t_skelton_edit.h"
#include "app/t_text_import.h"
#include "data/open_data_file.h"
#include "ui/scripted_interaction.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

bool save(QWidget* w, const QString& folder, const char* name) {
    QApplication::processEvents();
    const QString path = folder + QLatin1Char('/') + QString::fromLatin1(name);
    const bool ok = w->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", path.toLocal8Bit().constData());
    return ok;
}

// The import window as it comes up for `record`, with the detected settings:
// settings the user remembered must not shape the guide's picture.
bool saveImportWindow(const QString& record, const QString& folder, const QString& work) {
    const std::string path = kvx::app::toPath(QFileInfo(record).absoluteFilePath());
    const auto bytes = kvx::data::readWholeFile(path);
    if (!bytes) {
        std::fprintf(stderr, "kvx_guide_pictures: cannot read %s\n", path.c_str());
        return false;
    }
    kvx::app::TTextImport::setSettingsFile(work + QStringLiteral("/kurvadex.ini"));
    kvx::ui::ScriptedInteraction ia;
    kvx::app::TTextImport dialog(ia, kvx::data::ForceUnit::kN);
    kvx::data::ImportSettings detected;
    detected.dialect = kvx::data::detectDialect(*bytes);
    dialog.load(path, *bytes, detected);
    dialog.show();
    return save(&dialog, folder, "import.png");
}

// The sample record with its loads and angles scaled, as another specimen of
// the same wall would differ from it.
QString writeVariant(const QString& sample, const QString& folder, const QString& name, double load, double angle) {
    QFile in(sample);
    if (!in.open(QIODevice::ReadOnly)) return {};
    QList<QByteArray> lines = in.readAll().split('\n');
    for (qsizetype i = 4; i < lines.size(); ++i) {
        QList<QByteArray> fields = lines[i].split(',');
        if (fields.size() < 2) continue;
        fields[0] = " " + QByteArray::number(fields[0].trimmed().toDouble() * load, 'e', 5);
        fields[1] = " " + QByteArray::number(fields[1].trimmed().toDouble() * angle, 'e', 5);
        lines[i] = fields.join(',');
    }
    const QString path = folder + QLatin1Char('/') + name;
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(lines.join('\n')) < 0) return {};
    return path;
}

// The sample with its channel and instrument names in English, for the
// English pictures: a lab working in English names its channels so.
bool copyWithEnglishNames(const QString& sample, const QString& path) {
    QFile in(sample);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QList<QByteArray> lines = in.readAll().split('\n');
    if (lines.size() < 4) return false;
    lines[1] = "Load,Shear angle,Top displacement,Base displacement";
    lines[2] = "Load cell,Calculated,LVDT,LVDT";
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(lines.join('\n')) >= 0;
}

// Three specimens of one wall evaluated one after another by the wall window
// and written to its result file, then "集計" there. The sample's negative
// side ends before the load falls to 0.8 Pmax, so its rows are all Plus.
// The specimens' file names are shown in the window: English ones in English.
bool saveSummaryWindow(kvx::app::TOpening& window, kvx::ui::ScriptedInteraction& ia, const QString& sample,
                       const QString& folder, const QString& work) {
    struct Variant {
        const char* name;
        const char* englishName;
        double load, angle;
    };
    const Variant variants[] = {{"壁A-1.csv", "wall-A-1.csv", 1.0, 1.0},
                                {"壁A-2.csv", "wall-A-2.csv", 0.93, 1.12},
                                {"壁A-3.csv", "wall-A-3.csv", 1.05, 0.9}};
    const bool english = kvx::app::currentLanguage() == kvx::app::Language::English;
    kvx::app::TKabe* wall = window.wallWindow();
    ia.saveFiles.push_back(
        kvx::app::toPath(work + (english ? QStringLiteral("/wall-A.txt") : QStringLiteral("/壁A.txt"))));
    wall->Button4->click();
    for (const Variant& v : variants) {
        const QString path =
            writeVariant(sample, work, QString::fromUtf8(english ? v.englishName : v.name), v.load, v.angle);
        if (path.isEmpty() || !window.openFile(path)) return false;
        window.findChild<QPushButton*>(QStringLiteral("Button4"))->click();
        window.skeletonEditor()->Button3->click();
        window.skeletonEditor()->Button4->click();
        wall->Button6->click();
    }
    wall->Button7->click();
    kvx::app::TSeriesSummary* summary = window.seriesSummaryWindow();
    summary->Sides->setCurrentIndex(0);
    if (summary->rows().size() != std::size(variants)) {
        std::fprintf(stderr, "kvx_guide_pictures: the wall window wrote %zu of %zu rows\n", summary->rows().size(),
                     std::size(variants));
        return false;
    }
    return save(summary, folder, "summary.png");
}

// The cycle evaluation of the graph on screen (the plain skeleton, its models
// and the editor's evaluation), with the codes' curves over the main graph.
bool saveCyclesWindow(kvx::app::TOpening& window, const QString& folder) {
    window.findChild<QAction*>(QStringLiteral("Cycles1"))->trigger();
    kvx::app::TCycles* cycles = window.cyclesWindow();
    cycles->CheckEnvelope->setChecked(true);
    cycles->CheckBilinear->setChecked(true);
    bool ok = save(cycles, folder, "cycles.png");
    ok = save(&window, folder, "cycles-graph.png") && ok;
    cycles->CheckEnvelope->setChecked(false);
    cycles->CheckBilinear->setChecked(false);
    cycles->close();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    // The pictures' language: Japanese (the guide's) unless --lang en; the
    // locale and the remembered choice play no part, so the pictures do not
    // depend on who makes them.
    std::vector<const char*> positional;
    kvx::app::Language language = kvx::app::Language::Japanese;
    bool usage = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lang") != 0) {
            positional.push_back(argv[i]);
        } else if (i + 1 < argc && std::strcmp(argv[i + 1], "en") == 0) {
            language = kvx::app::Language::English;
            ++i;
        } else if (i + 1 < argc && std::strcmp(argv[i + 1], "ja") == 0) {
            language = kvx::app::Language::Japanese;
            ++i;
        } else {
            usage = true;
        }
    }
    if (usage || positional.size() < 2 || positional.size() > 3) {
        std::fprintf(stderr, "usage: kvx_guide_pictures [--lang ja|en] SAMPLE.csv OUTPUT-FOLDER [DELIMITED-RECORD]\n");
        return 2;
    }
    kvx::app::useLanguage(language);  // before any window binds its texts
    const QString sample = QFileInfo(QString::fromLocal8Bit(positional[0])).absoluteFilePath();
    const QString out = QDir(QString::fromLocal8Bit(positional[1])).absolutePath();
    // Resolved before the working folder changes, as the other two.
    const QString record =
        positional.size() > 2 ? QFileInfo(QString::fromLocal8Bit(positional[2])).absoluteFilePath() : QString();
    QDir().mkpath(out);
    QTemporaryDir work;  // ELASTO.CSV and the other result files go here, not beside the sample
    QDir::setCurrent(work.path());
    const QString data = work.path() + QStringLiteral("/racking-test.csv");
    const bool copied = language == kvx::app::Language::English ? copyWithEnglishNames(sample, data)
                                                                 : QFile::copy(sample, data);
    if (!copied) {
        std::fprintf(stderr, "kvx_guide_pictures: cannot copy %s\n", sample.toLocal8Bit().constData());
        return 1;
    }

    kvx::ui::ScriptedInteraction ia;
    kvx::app::TOpening window(ia);
    if (!window.FormCreate()) {
        std::fprintf(stderr, "kvx_guide_pictures: ELASTO.CSV cannot be created in %s\n", work.path().toLocal8Bit().constData());
        return 1;
    }
    window.show();
    if (!window.openFile(data)) {
        for (const auto& m : ia.shown) std::fprintf(stderr, "%s: %s\n", m.caption.c_str(), m.text.c_str());
        return 1;
    }
    bool ok = save(&window, out, "main.png");

    // Loop mode: three loops forward, then stop.
    auto* mode = window.findChild<kvx::app::RadioGroup*>(QStringLiteral("RGStep"));
    mode->setItemIndex(2);
    ia.pauseAnswers = {kvx::ui::PauseAnswer::Next, kvx::ui::PauseAnswer::Next, kvx::ui::PauseAnswer::Next,
                       kvx::ui::PauseAnswer::Stop};
    window.findChild<QPushButton*>(QStringLiteral("Button4"))->click();
    ok = save(&window, out, "loop.png") && ok;

    // Skeleton with the exponential approximation, the models and the characteristics window.
    mode->setItemIndex(0);
    window.findChild<QCheckBox*>(QStringLiteral("PFPCheck"))->setChecked(true);
    window.findChild<QAction*>(QStringLiteral("N991"))->trigger();
    window.findChild<QCheckBox*>(QStringLiteral("SkeltonCheck"))->click();
    ok = save(window.characteristicsWindow(), out, "characteristics.png") && ok;
    ok = save(&window, out, "skeleton.png") && ok;

    // The editor on the plain skeleton, evaluated with construction lines, and the wall window.
    window.findChild<QAction*>(QStringLiteral("N01"))->trigger();
    window.findChild<QCheckBox*>(QStringLiteral("SKEdit"))->setChecked(true);
    window.findChild<QPushButton*>(QStringLiteral("Button4"))->click();
    kvx::app::TSkelton_edit* editor = window.skeletonEditor();
    editor->CheckBox1->setChecked(true);
    editor->Button3->click();
    ok = save(editor, out, "editor.png") && ok;
    editor->Button4->click();
    ok = save(window.wallWindow(), out, "wall.png") && ok;
    ok = saveCyclesWindow(window, out) && ok;
    ok = saveSummaryWindow(window, ia, data, out, work.path()) && ok;
    if (!record.isEmpty()) ok = saveImportWindow(record, out, work.path()) && ok;
    return ok ? 0 : 1;
}

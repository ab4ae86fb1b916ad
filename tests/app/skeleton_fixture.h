// Shared pieces of the skeleton editor and wall evaluation window tests:
// records to evaluate, and a main window whose skeleton evaluation has
// opened the editor.
#pragma once

#include "app/t_skelton_edit.h"
#include "window_fixture.h"

#include <QCheckBox>

#include <cmath>

namespace kvx::test {

inline QByteArray sampleFile() {
    QFile sample(QStringLiteral(SAMPLES_DIR "/racking-test.csv"));
    return sample.open(QIODevice::ReadOnly) ? sample.readAll() : QByteArray();
}

/// A push stopped before the load fell: rises to about 19.5 kN at 0.03 (X in `xUnit`).
inline QByteArray stoppedEarlyFile(const char* xUnit = "rad") {
    QByteArray bytes(" 1CH, 2CH\n");
    bytes += QByteArray(kLoadCp932) + "," + kAngleCp932 + "\nLC,DP\nkN," + xUnit + "\n";
    for (int i = 0; i <= 300; ++i) {
        const double x = 0.03 * i / 300;
        bytes +=
            QByteArray::number(20 * (1 - std::exp(-x / 0.008)), 'f', 4) + "," + QByteArray::number(x, 'f', 6) + "\n";
    }
    return bytes;
}

/// Opens `file` as test1/wall.csv and runs a skeleton evaluation with "データ編集" checked.
inline app::TSkelton_edit* openEditor(WindowFixture& f, const QByteArray& file) {
    if (!f.window->openFile(f.write(QStringLiteral("wall.csv"), file, QStringLiteral("test1")))) return nullptr;
    f.find<QCheckBox>("SKEdit")->setChecked(true);
    f.find<QCheckBox>("SkeltonCheck")->click();
    return f.window->skeletonEditor();
}

inline const analysis::SkeletonCurve& curveOf(const WindowFixture& f) { return f.window->state().graph.skeleton.curve; }

}  // namespace kvx::test

// In English, the evaluation windows (characteristics, skeleton editor, wall, cycles, series summary, text import) show no Japanese text but the data file's own; a sample of
// their texts in both languages.
#include "language_fixture.h"
#include "window_fixture.h"

class EvaluationWindowsLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { kvx::app::useLanguage(kvx::app::Language::Japanese); }
};

KVX_REGISTER_TEST(EvaluationWindowsLanguageTest);
#include "language_evaluation_windows_test.moc"

// In English, the main window and the windows it opens directly (data list, conversion, settings, line styles, help) show no Japanese text but the data file's own; a sample of
// their texts in both languages.
#include "language_fixture.h"
#include "window_fixture.h"

class MainWindowLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { kvx::app::useLanguage(kvx::app::Language::Japanese); }
};

KVX_REGISTER_TEST(MainWindowLanguageTest);
#include "language_main_window_test.moc"

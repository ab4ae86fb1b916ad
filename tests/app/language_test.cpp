// The language of the windows: the choice from the locale, the switch in the
// menu (without a restart, remembered for the next start), and the catalogue
// built into the program.
#include "app/language.h"
#include "app/settings.h"
#include "language_fixture.h"
#include "text/translate.h"
#include "window_fixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

using kvx::app::Language;
using kvx::test::WindowFixture;

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        kvx::app::setSettingsFile(m_settings.filePath(QStringLiteral("kurvadex.ini")));
        QFile::remove(m_settings.filePath(QStringLiteral("kurvadex.ini")));
    }
    void cleanup() {
        kvx::app::useLanguage(Language::Japanese);
        kvx::app::setSettingsFile(QString());
    }

    void localeNamesChooseTheLanguage() {
        const std::pair<const char*, Language> cases[] = {
            {"ja_JP.UTF-8", Language::Japanese}, {"ja", Language::Japanese},    {"ja_JP.eucJP", Language::Japanese},
            {"ja.SJIS", Language::Japanese},     {"en_US.UTF-8", Language::English}, {"C", Language::English},
            {"C.UTF-8", Language::English},      {"POSIX", Language::English},   {"", Language::English},
            {"jam_JM", Language::English},       {"de_DE.UTF-8", Language::English},
        };
        for (const auto& [name, language] : cases) QVERIFY2(kvx::app::languageOfLocaleName(name) == language, name);
    }

    void theMenuSwitchesWithoutARestartAndIsRemembered() {
        WindowFixture f;
        auto* menu = f.window->menuBar()->findChild<QMenu*>(QStringLiteral("Language1"));
        QVERIFY(menu);
        QCOMPARE(menu->title(), QStringLiteral("表示言語 / Language"));
        QVERIFY(f.action("Japanese1")->isChecked());

        f.action("English1")->trigger();
        QCOMPARE(kvx::app::currentLanguage(), Language::English);
        QCOMPARE(menu->title(), QStringLiteral("Language / 表示言語"));
        QVERIFY(f.action("English1")->isChecked());
        QVERIFY(!f.action("Japanese1")->isChecked());
        QCOMPARE(kvx::app::startLanguage(), Language::English);
        // The names of the two languages are never translated.
        QCOMPARE(f.action("Japanese1")->text(), QStringLiteral("日本語"));

        f.action("Japanese1")->trigger();
        QCOMPARE(menu->title(), QStringLiteral("表示言語 / Language"));
        QCOMPARE(kvx::app::startLanguage(), Language::Japanese);
    }

    void theCoreTranslatesThroughTheSameCatalogue() {
        kvx::app::useLanguage(Language::English);
        QCOMPARE(QString::fromStdString(kvx::text::translate("TOpening", "表示言語 / Language")),
                 QStringLiteral("Language / 表示言語"));
        kvx::app::useLanguage(Language::Japanese);
        QCOMPARE(QString::fromStdString(kvx::text::translate("TOpening", "表示言語 / Language")),
                 QStringLiteral("表示言語 / Language"));
    }

private:
    QTemporaryDir m_settings;
};

KVX_REGISTER_TEST(LanguageTest);
#include "language_test.moc"

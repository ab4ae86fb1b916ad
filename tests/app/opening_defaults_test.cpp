// The main window after start-up: texts, check marks, enabled and hidden
// controls, channel colours, ELASTO.CSV, and the start-up failure.
#include "analysis/elasto_file.h"
#include "app/channel_box.h"
#include "app/help_windows.h"
#include "app/radio_group.h"
#include "app/t_form1.h"
#include "plot/line_styles.h"
#include "window_fixture.h"

#include <QApplication>
#include <QSet>
#include <QRegularExpression>
#include <QMenu>
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

using kvx::test::WindowFixture;

class OpeningDefaultsTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheStartupTexts() {
        WindowFixture f;
        QVERIFY(f.started);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("KVX Graph Plot  KURVADEX Ver4.33"));
        const std::pair<const char*, QString> labels[] = {
            {"Label2", QStringLiteral("ファイルボタンをクリックしてデータファイルを読み込んでください")},
            {"Label5", QStringLiteral("     0 data")},
            {"Label4", QString()},
            {"Label32", QStringLiteral("力の単位 kN")},
            {"Label36", QStringLiteral("標準CSV")},
        };
        for (const auto& [name, text] : labels) {
            QLabel* label = f.find<QLabel>(name);
            QVERIFY2(label, name);
            QCOMPARE(label->text(), text);
        }
        QCOMPARE(f.find<QGroupBox>("RGmainch")->title(), QStringLiteral("主軸チャンネル"));
        QCOMPARE(f.find<QGroupBox>("GBselectch")->title(), QStringLiteral("表示チャンネル"));
        QCOMPARE(f.window->pauseWindow()->windowTitle(), QStringLiteral("一時停止"));
        QStringList headings;
        for (const QLabel* l : f.window->pauseWindow()->findChildren<QLabel*>())
            if (l->objectName().isEmpty()) headings << l->text();
        QVERIFY2(headings.contains(QStringLiteral("等価減衰比")), qPrintable(headings.join(QLatin1Char(','))));
        QCOMPARE(f.takeShown(), std::vector<std::string>{});
    }

    void startsWithTheDefaultCheckMarks() {
        WindowFixture f;
        const char* checkedBoxes[] = {"CheckBox34", "CheckBox35", "CheckBox36", "CBColor", "CBTitle", "CBExp", "CBMax4"};
        const char* uncheckedBoxes[] = {"CheckBox33", "CheckBox37", "CBSmooth", "CBEnvelope", "CBCircle", "CBMax1",
                                        "CBMax2", "CBMax3", "CBFixed", "CBFile", "CBScaled", "SkeltonCheck",
                                        "PFPCheck", "SKEdit", "CBRad", "CBBold", "CheckBox17", "CheckBox32"};
        for (const char* name : checkedBoxes) QVERIFY2(f.find<QCheckBox>(name)->isChecked(), name);
        for (const char* name : uncheckedBoxes) QVERIFY2(!f.find<QCheckBox>(name)->isChecked(), name);

        const char* checkedItems[] = {"N31", "N2002", "N201", "N01", "kN1", "csv1", "ZEROLevel", "GIF1",
                                      "N1",  "N4",    "N6",   "N10"};
        const char* uncheckedItems[] = {"N51", "N311", "N502", "N10002", "N52", "N501", "N991",    "kg1",
                                        "txt1", "csv2", "Extrema", "ExtremaM", "BMP1"};
        for (const char* name : checkedItems) QVERIFY2(f.action(name)->isChecked(), name);
        for (const char* name : uncheckedItems) QVERIFY2(!f.action(name)->isChecked(), name);
        for (const char* name : {"N3601", "N4001", "N6001"}) QVERIFY2(!f.action(name)->isCheckable(), name);

        const std::pair<const char*, int> groups[] = {{"RGmainch", 0}, {"RGmainaxis", 1}, {"RGStep", 0}};
        for (const auto& [name, item] : groups)
            QCOMPARE(f.find<kvx::app::RadioGroup>(name)->itemIndex(), item);
    }

    void startsWithChannelBoxesOffAndGraphButtonOn() {
        WindowFixture f;
        for (int k = 1; k <= 16; ++k) {
            QVERIFY(!f.window->channelBox(k)->isEnabled());
            QVERIFY(!f.window->channelBox(k)->isChecked());
            QVERIFY(f.window->signBox(k)->isEnabled());
        }
        QVERIFY(f.find<QPushButton>("Button4")->isEnabled());
        for (const char* name : {"Button1", "Button7", "Button10"}) QVERIFY2(f.find<QPushButton>(name)->isHidden(), name);
        for (const char* name : {"CBKabe", "CBModify"}) QVERIFY2(f.find<QCheckBox>(name)->isHidden(), name);
        QCOMPARE(f.find<QTableWidget>("StringGrid1")->columnCount(), 17);
        QCOMPARE(f.find<QTableWidget>("StringGrid1")->rowCount(), 10);
    }

    void bilinearModelBoxSitsInTheSkeletonRow() {
        WindowFixture f;
        QCheckBox* model = f.find<QCheckBox>("PFPCheck");
        QVERIFY(!model->isHidden() && model->isEnabled() && !model->isChecked());
        QCOMPARE(model->text(), QStringLiteral("完全弾塑性"));
        const QRect skeleton = f.find<QCheckBox>("SkeltonCheck")->geometry();
        QCOMPARE(model->geometry().top(), skeleton.top());
        QVERIFY(model->geometry().left() > skeleton.right());
        // No other visible control of the window covers it, and its caption fits.
        for (QWidget* other : model->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (other != model && !other->isHidden())
                QVERIFY2(!other->geometry().intersects(model->geometry()), qPrintable(other->objectName()));
        QVERIFY(model->sizeHint().width() <= model->width());
    }

    void coloursAllSixteenChannelBoxesAtStartup() {
        WindowFixture f;
        for (int k = 1; k <= 16; ++k) {
            const kvx::plot::Rgb c = kvx::plot::kDefaultChannelColors[static_cast<std::size_t>(k - 1)];
            const bool darkText = k == 5 || k == 6 || k == 13;
            QCOMPARE(f.window->channelBox(k)->background(), QColor(c.r, c.g, c.b));
            QCOMPARE(f.window->channelBox(k)->textColor(), darkText ? QColor(Qt::black) : QColor(Qt::white));
        }
        // What the user sees: the box's right end (past its caption) in the channel colour.
        kvx::app::ChannelBox* box = f.window->channelBox(2);
        const QImage picture = box->grab().toImage();
        QCOMPARE(QColor(picture.pixel(picture.width() - 2, picture.height() / 2)), QColor(255, 0, 0));
    }

    void emptiesElastoCsvAndWritesItsHeader() {
        WindowFixture f(false);
        f.write(QStringLiteral("ELASTO.CSV"), "rows of the previous run\n");
        QVERIFY(f.window->FormCreate());
        QFile file(QDir(f.dir()).filePath(QStringLiteral("ELASTO.CSV")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(kvx::analysis::kElastoHeader));
    }

    void refusesToStartWhenElastoCsvCannotBeCreated() {
        WindowFixture f(false);
        QVERIFY(QDir(f.dir()).mkdir(QStringLiteral("ELASTO.CSV")));
        QVERIFY(!f.window->FormCreate());
        QCOMPARE(f.interaction.shown.size(), std::size_t{1});
        QCOMPARE(f.interaction.shown[0].text, std::string("ELASTO.CSVが閉じられていません（使用中です）"));
        QCOMPARE(f.interaction.shown[0].caption, std::string("ファイル出力エラー"));
    }

    void usageTextNamesOnlyControlsThatExist() {
        // The usage text once promised a 16-channel limit the program no
        // longer has; every control it names in 「」 must be one the user can find.
        WindowFixture f;
        QSet<QString> captions;
        const auto add = [&](QString text) {
            text.remove(QLatin1Char('&'));
            captions << text.trimmed().remove(QRegularExpression(QStringLiteral("^　+"))).remove(QLatin1Char(' '));
        };
        for (QWidget* w : QApplication::allWidgets()) {
            add(w->windowTitle());
            if (auto* b = qobject_cast<QAbstractButton*>(w)) add(b->text());
            if (auto* g = qobject_cast<QGroupBox*>(w)) add(g->title());
            if (auto* l = qobject_cast<QLabel*>(w)) add(l->text());
            if (auto* m = qobject_cast<QMenu*>(w)) add(m->title());
            for (QAction* a : w->actions()) add(a->text());
        }
        const QSet<QString> messageCaptions{QStringLiteral("データエラー")};
        const QString usage = QString::fromUtf8(kvx::app::kUsageText);
        const QRegularExpression quoted(QStringLiteral("「([^」]+)」"));
        int named = 0;
        for (auto m = quoted.globalMatch(usage); m.hasNext(); ++named) {
            QString name = m.next().captured(1);
            name.remove(QLatin1Char('&'));
            name = name.trimmed().remove(QLatin1Char(' '));
            QVERIFY2(captions.contains(name) || messageCaptions.contains(name), qPrintable(name));
        }
        QVERIFY(named > 40);
        QVERIFY(!usage.contains(QStringLiteral("チャンネル数は16まで")));
        for (const char* topic : {"チャンネル対応", "データ修正", "行削除", "変形角変換", "追加保存", "完全弾塑性"})
            QVERIFY2(usage.contains(QString::fromUtf8(topic)), topic);
    }

    void helpItemsShowTheirWindows() {
        WindowFixture f;
        const std::pair<const char*, const char*> items[] = {
            {"Tutorial1", "TUsage"}, {"N13", "THistory"}, {"K1", "TAbout"}};
        for (const auto& [item, window] : items) {
            f.action(item)->trigger();
            QWidget* shown = f.window->findChild<QWidget*>(QLatin1String(window));
            QVERIFY2(shown && shown->isVisible(), window);
            shown->close();
        }
        const auto* usage = f.window->findChild<kvx::app::TUsage*>();
        QVERIFY(usage->Memo1->isReadOnly());
        QVERIFY(usage->Memo1->toPlainText().contains(QStringLiteral("ELASTO.CSV")));
    }
};

KVX_REGISTER_TEST(OpeningDefaultsTest);
#include "opening_defaults_test.moc"

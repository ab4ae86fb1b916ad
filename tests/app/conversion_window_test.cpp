// The conversion window driven as a user would: converting into slots in
// order and drawing them, the formula switch, the saves, refusals, reset.
#include "app/radio_group.h"
#include "app/data_list_model.h"
#include "app/t_data_list.h"
#include "app/t_henkan.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

namespace {

struct ConversionFixture : kvx::test::WindowFixture {
    explicit ConversionFixture(bool withFile = true) {
        if (withFile) window->openFile(write(QStringLiteral("three.csv"), kvx::test::threeChannelFile()));
        action("N14")->trigger();
        henkan = window->conversionWindow();
        interaction.shown.clear();
    }
    const kvx::data::MeasurementData& converted() const { return window->state().convertedData; }
    // Saves through `button` under `name`; the lines of the file `written`.
    QList<QByteArray> save(QPushButton* button, const char* name, const char* written) {
        interaction.saveFiles = {(dir() + QLatin1Char('/') + QLatin1String(name)).toStdString()};
        button->click();
        QFile file(dir() + QLatin1Char('/') + QLatin1String(written));
        return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>{};
    }

    kvx::app::THenkan* henkan = nullptr;
};

}  // namespace

class ConversionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void convertsSlotsInOrderDrawsAndSavesThem() {
        ConversionFixture f;
        QVERIFY(f.henkan->isVisible() && !f.henkan->Button2->isEnabled());
        f.henkan->Button1->click();
        const auto& data = f.window->state().data;
        const long double expected =
            (static_cast<long double>(data.value(17, 1)) - static_cast<long double>(data.value(17, 2))) / 2730.0L;
        QCOMPARE(f.converted().value(17, 1), static_cast<float>(expected));  // defaults: (2 - 3) / 2730
        QCOMPARE(f.henkan->Label17->text(), QStringLiteral("OXXXXXXXXXXXXXXX"));
        QVERIFY(f.window->state().graph.angleGraph);  // drawn: the angle on X against the force
        QCOMPARE(f.find<QLabel>("Label5")->text(), QStringLiteral("1 ～ 50"));

        QCOMPARE(f.henkan->Edit7->maximum(), 2);
        f.henkan->Edit7->setValue(3);  // not yet choosable
        QCOMPARE(f.henkan->slot(), 2);
        f.henkan->Button1->click();
        QCOMPARE(f.henkan->Label17->text(), QStringLiteral("OOXXXXXXXXXXXXXX"));
        QCOMPARE(f.henkan->Edit7->maximum(), 3);

        const QList<QByteArray> one = f.save(f.henkan->Button2, "angles", "angles.csv");
        QCOMPARE(one.value(0), QByteArray("1ch,2ch,3ch"));
        QCOMPARE(one.value(2), QByteArray("LC-1,,"));
        QCOMPARE(one.size(), 4 + 50 + 1);
        const QList<QByteArray> all = f.save(f.henkan->Button3, "all.csv", "all.csv");
        QCOMPARE(all.value(0), QByteArray("1ch,2ch,3ch,4ch,5ch"));
        QCOMPARE(all.value(2), QByteArray("LC-1,DP-1,,,"));
        QCOMPARE(all.value(3), QByteArray("kN,mm,rad,rad,rad"));
        QVERIFY(f.takeShown().empty());
    }

    void formulaBFromTheControls() {
        ConversionFixture f;
        f.henkan->RadioGroup1->item(1)->click();
        QVERIFY(!f.henkan->Edit1->isEnabled() && !f.henkan->Edit3->isEnabled() && f.henkan->Edit6->isEnabled());
        f.henkan->RadioGroup4->setItemIndex(1);  // "－"
        f.henkan->Edit5->setText(QStringLiteral("5"));
        f.henkan->Edit6->setText(QStringLiteral("100"));
        f.henkan->Button1->click();
        QCOMPARE(f.converted().value(1, 1), static_cast<float>((-2.25L + 5.0L) / 100.0L));  // channel 2 holds 2.25
    }

    void refusalsChangeNothing() {
        struct Case { std::function<void(kvx::app::THenkan*)> set; std::string message; };
        const Case cases[] = {
            {[](auto* h) { h->Edit3->setText(QStringLiteral("27.3")); }, "L には整数を入力してください（27.3）"},
            {[](auto* h) { h->Edit2->setValue(4); }, "チャンネル 4 はデータにありません（1 ～ 3 CH）"},  // core rules reach the user
            {[](auto* h) {
                 h->RadioGroup1->item(1)->click();
                 h->Edit5->setText(QStringLiteral("five"));
             },
             "d には数値を入力してください（five）"},
        };
        for (const Case& c : cases) {
            ConversionFixture f;
            c.set(f.henkan);
            f.henkan->Button1->click();
            QCOMPARE(f.takeShown(), std::vector<std::string>{c.message});
            QCOMPARE(f.henkan->Label17->text(), QStringLiteral("XXXXXXXXXXXXXXXX"));
        }
        ConversionFixture none(false);
        none.henkan->Button1->click();
        QCOMPARE(none.takeShown(), std::vector<std::string>{"ファイルが選択されておりません"});
    }

    void resetAndChangedRowsStopTheSaves() {
        ConversionFixture f;
        f.henkan->Button1->click();
        kvx::app::TDataList* list = f.window->dataListWindow();  // rows deleted after the conversion
        list->Edit2->setText(QStringLiteral("41"));
        list->Edit3->setText(QStringLiteral("50"));
        list->CheckBox1->setChecked(false);
        list->Button3Click();
        QVERIFY(f.save(f.henkan->Button3, "all.csv", "all.csv").isEmpty());
        QCOMPARE(f.takeShown(),
                 std::vector<std::string>{"変換後にデータの行数が変わっています．変換し直してから保存してください"});
        f.henkan->Button5->click();
        QCOMPARE(f.henkan->Label17->text(), QStringLiteral("XXXXXXXXXXXXXXXX"));
        QCOMPARE(f.henkan->Edit7->maximum(), 1);
        QVERIFY(!f.henkan->Button2->isEnabled() && !f.henkan->Button4->isEnabled());
        f.henkan->Button4Click();
        QCOMPARE(f.takeShown(), std::vector<std::string>{"この変換チャンネルの変換はされていません"});
    }

    void appendSaveRefusesAnotherDataSetOfTheSameLength() {
        // Once only the row counts were compared: a different file of 50 rows
        // was saved with the first file's angle columns beside it.
        const auto refused = std::vector<std::string>{
            "変換後に別のデータが読み込まれたか、データが修正されています．変換し直してから保存してください"};
        ConversionFixture f;
        f.henkan->Button1->click();
        QByteArray other = kvx::test::threeChannelFile();
        other.replace(".25,", ".75,");
        QVERIFY(f.window->openFile(f.write(QStringLiteral("other.csv"), other)));
        f.takeShown();
        QVERIFY(f.save(f.henkan->Button3, "all.csv", "all.csv").isEmpty());
        QCOMPARE(f.takeShown(), refused);

        // Converted again from the data now open: saved.
        f.henkan->Button1->click();
        QCOMPARE(f.save(f.henkan->Button3, "all.csv", "all.csv").size(), 4 + 50 + 1);
        f.takeShown();

        // A corrected value is another data set too.
        kvx::app::TDataList* list = f.window->dataListWindow();
        list->CBCorrect->click();
        const QModelIndex cell = list->model()->index(0, 2);
        QVERIFY(list->model()->setData(cell, QStringLiteral("99")));
        list->StringGrid1->setCurrentIndex(cell);
        f.interaction.answers = {kvx::ui::Answer::Ok};
        list->Button2->click();
        f.takeShown();
        QCOMPARE(f.window->state().data.value(0, 1), 99.0f);
        QVERIFY(f.save(f.henkan->Button3, "again.csv", "again.csv").isEmpty());
        QCOMPARE(f.takeShown(), refused);
    }
};

KVX_REGISTER_TEST(ConversionWindowTest);
#include "conversion_window_test.moc"

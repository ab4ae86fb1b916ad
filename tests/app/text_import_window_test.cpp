// The text import window through the open command: detected settings, the
// preview, column order and units, bad rows, thinning, the save as a standard
// file, the settings remembered per file shape, and the lab records.
#include "app/qt_text.h"
#include "app/t_text_import.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include <cmath>
#include <functional>
#include <numbers>

using kvx::app::TTextImport;
using kvx::test::WindowFixture;

namespace {

const char* const kGenericFilter = "汎用ﾃｷｽﾄ (*.csv *.txt *.dat *.tsv)|*.csv;*.txt;*.dat;*.tsv|すべて (*.*)|*.*";

/// A European logger file: semicolons, decimal commas, a names and a units
/// row; the force (in N) is the second column. Row i: 0.5 i mm, 100 i + 0.5 N, i s.
QByteArray semicolonFile(int rows = 40, const QByteArray& names = "Weg;Kraft;Zeit") {
    QByteArray s = names + "\nmm;N;s\n";
    for (int i = 0; i < rows; ++i) {
        QByteArray line = QByteArray::number(0.5 * i) + ";" + QByteArray::number(100 * i + 0.5) + ";" +
                          QByteArray::number(i) + "\n";
        s += line.replace('.', ',');
    }
    return s;
}

QString cell(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

QString conversion(const TTextImport& w, int fileColumn) { return cell(w.ColumnTable, fileColumn - 1, TTextImport::kConversion); }

/// Queues what the person does in the import window; `acted` tells that it came up.
void inImportWindow(WindowFixture& f, bool& acted, std::function<void(TTextImport&)> act) {
    f.modalActions.push_back([&acted, act = std::move(act)](QDialog& dialog) {
        auto* w = qobject_cast<TTextImport*>(&dialog);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("テキスト読込"));
        acted = true;
        act(*w);
    });
}

void openAsGeneric(WindowFixture& f, const QString& path) {
    f.interaction.openFiles.push_back(kvx::app::toPath(path));
    f.action("TextImport1")->trigger();
}

/// A lab record beside the source tree; empty when it is not checked out.
QString sharedRecord(const QString& name) {
    const QString path = QStringLiteral(SHARED_DATA_DIR "/real/") + name;
    return QFile::exists(path) ? path : QString();
}

}  // namespace

class TextImportWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Every test remembers into a fresh file of its own, never the user's.
    void init() {
        m_settings = std::make_unique<QTemporaryDir>();
        TTextImport::setSettingsFile(m_settings->filePath(QStringLiteral("kurvadex.ini")));
    }
    void cleanup() {
        TTextImport::setSettingsFile(QString());
        m_settings.reset();
    }

    void genericMenuReadsTheChannelsInTheChosenOrder() {
        WindowFixture f;
        f.action("generic1")->trigger();
        QVERIFY(!f.action("csv1")->isChecked());
        QCOMPARE(f.find<QLabel>("Label36")->text(), QStringLiteral("汎用テキスト"));
        bool acted = false;
        inImportWindow(f, acted, [](TTextImport& w) {
            QCOMPARE(w.DelimiterBox->currentText(), QStringLiteral("セミコロン"));
            QCOMPARE(w.DecimalBox->currentText(), QStringLiteral("カンマ"));
            QCOMPARE(w.HeaderRowsBox->value(), 2);
            QCOMPARE(w.NamesRowBox->value(), 1);
            QCOMPARE(w.UnitsRowBox->value(), 2);
            // 30 of the 42 lines, as read and split, the header rows named.
            QCOMPARE(w.PreviewTable->rowCount(), 30);
            QCOMPARE(cell(w.PreviewTable, 0, 0), QStringLiteral("1 名前"));
            QCOMPARE(cell(w.PreviewTable, 1, 0), QStringLiteral("2 単位"));
            QCOMPARE(cell(w.PreviewTable, 3, 1), QStringLiteral("0,5;100,5;1"));
            QCOMPARE(cell(w.PreviewTable, 3, 3), QStringLiteral("100,5"));
            QCOMPARE(cell(w.ColumnTable, 1, TTextImport::kName), QStringLiteral("Kraft"));
            QCOMPARE(conversion(w, 1), QStringLiteral("mm"));
            QCOMPARE(conversion(w, 2), QStringLiteral("N → kN ×0.001"));
            QCOMPARE(conversion(w, 3), QStringLiteral("s（換算なし）"));
            QVERIFY(w.SummaryLabel->text().startsWith(QStringLiteral("40 行、3 チャンネルを読み込みます\n荷重: 2 CH「Kraft」（kN）")));

            w.orderBox(3)->setValue(1);  // the others close up behind it
            QCOMPARE(w.settings().columns, (std::vector<int>{3, 1, 2}));
            w.orderBox(2)->setValue(1);
            QCOMPARE(w.settings().columns, (std::vector<int>{2, 3, 1}));
            QCOMPARE(w.orderBox(1)->value(), 3);
            QVERIFY(w.SummaryLabel->text().contains(QStringLiteral("荷重: 1 CH「Kraft」（kN）")));
            w.ReadButton->click();
        });
        f.interaction.openFiles.push_back(kvx::app::toPath(f.write(QStringLiteral("weg.csv"), semicolonFile())));
        f.find<QPushButton>("Button2")->click();

        QVERIFY(acted);
        QCOMPARE(f.interaction.dialogs.at(0).filter, std::string(kGenericFilter));
        QCOMPARE(f.takeShown(), std::vector<std::string>{});
        const auto& data = f.window->state().data;
        QCOMPARE(data.channelCount(), 3);
        QCOMPARE(data.RowCount, 40);
        QCOMPARE(data.ForceChannel, 0);
        QCOMPARE(data.header.pointNames[0], std::string("Kraft"));
        QCOMPARE(data.header.units[0], std::string("kN"));
        QCOMPARE(data.header.units[2], std::string("mm"));
        QCOMPARE(data.header.channelNumbers[0], 2);
        for (int row : {0, 7, 39}) {
            QCOMPARE(data.value(row, 0), static_cast<float>((100 * row + 0.5) * 0.001));
            QCOMPARE(data.value(row, 2), static_cast<float>(0.5 * row));
        }
        QVERIFY(f.window->state().graph.drewSomething);
        QCOMPARE(f.find<QLabel>("Label36")->text(), QStringLiteral("汎用テキスト"));
        QCOMPARE(f.find<QLabel>("Label2")->text(),
                 QStringLiteral("グラフをクリックすると点の値を表示します。「骨格曲線」で特性値を求めます"));
    }

    void cancelKeepsThePreviousDataSet() {
        WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("wall.csv"), kvx::test::threeChannelFile())));
        const QString caption = f.window->windowTitle();
        const auto identity = f.window->state().dataIdentity;
        f.takeShown();
        bool acted = false;
        inImportWindow(f, acted, [](TTextImport& w) { w.CancelButton->click(); });
        openAsGeneric(f, f.write(QStringLiteral("weg.csv"), semicolonFile()));
        QVERIFY(acted);
        QCOMPARE(f.interaction.dialogs.back().filter, std::string(kGenericFilter));
        QCOMPARE(f.takeShown(), std::vector<std::string>{});
        QCOMPARE(f.window->state().dataIdentity, identity);
        QCOMPARE(f.window->state().data.RowCount, 50);
        QCOMPARE(f.window->windowTitle(), caption);
        QCOMPARE(f.find<QLabel>("Label36")->text(), QStringLiteral("標準CSV"));
        QVERIFY(f.action("csv1")->isChecked());  // the menu item does not change the format
    }

    void badRowsStopTheReadUntilSkipped_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("skipped");  // the summary once skipped; empty: still unreadable
        QTest::addColumn<int>("rows");         // read once skipped
        const QByteArray head = "Kraft,Weg\nkN,mm\n1.5,2.5\n3.5,4.5\n";
        QTest::newRow("not a number") << head + "5,abc\n6,7\n" << QStringLiteral("第 5 行: 2 列目「abc」は数値ではありません")
                                      << QStringLiteral("不正な行 1 行を読み飛ばします（第 5 行）") << 3;
        QTest::newRow("too few") << head + "5\n6,7\n8,9\n" << QStringLiteral("第 5 行: 数値が 1 個あります（2 個のはずです）")
                                 << QStringLiteral("不正な行 1 行を読み飛ばします（第 5 行）") << 4;
        QTest::newRow("two bad") << head + "\n5,x\n6,7\n1,2,3\n" << QStringLiteral("第 6 行: 2 列目「x」は数値ではありません")
                                 << QStringLiteral("不正な行 2 行を読み飛ばします（第 6, 8 行）") << 3;
        QTest::newRow("no numbers") << QByteArray("Kraft,Weg\nkN,mm\n") << QStringLiteral("第 2 行: 数値の行がありません")
                                    << QString() << 0;
    }
    void badRowsStopTheReadUntilSkipped() {
        QFETCH(QByteArray, file);
        QFETCH(QString, failure);
        QFETCH(QString, skipped);
        QFETCH(int, rows);
        WindowFixture f;
        bool acted = false;
        inImportWindow(f, acted, [&](TTextImport& w) {
            QVERIFY2(w.SummaryLabel->text().startsWith(QStringLiteral("読み込めません: ") + failure),
                     qPrintable(w.SummaryLabel->text()));
            QVERIFY(!w.ReadButton->isEnabled() && !w.SaveButton->isEnabled());
            w.SkipBadRowsBox->setChecked(true);
            QCOMPARE(w.ReadButton->isEnabled(), !skipped.isEmpty());
            if (skipped.isEmpty()) return;
            QVERIFY(w.SummaryLabel->text().contains(skipped));
            w.ReadButton->click();
        });
        openAsGeneric(f, f.write(QStringLiteral("bad.csv"), file));
        QVERIFY(acted);
        QCOMPARE(f.window->state().DataLoaded, !skipped.isEmpty());
        if (skipped.isEmpty()) return;
        QCOMPARE(f.window->state().data.RowCount, rows);
        QCOMPARE(f.find<QLabel>("Label2")->text(),
                 QStringLiteral("不正な行 %1 行を除いて読み込みました").arg(skipped.section(QLatin1Char(' '), 1, 1)));
    }

    void longRecordIsThinnedKeepingThePeaks() {
        // 33,000 rows of growing cycles, the largest load once in the middle of a cycle.
        QByteArray file = "Force,Displacement\nkN,mm\n";
        for (int i = 0; i < 33000; ++i) {
            const double d = 50 * std::sin(2 * std::numbers::pi * i / 3001.0) * (1 + i / 33000.0);
            file += QByteArray::number(i == 31777 ? 123.456 : 0.8 * d, 'f', 3) + "," + QByteArray::number(d, 'f', 3) + "\n";
        }
        WindowFixture f;
        bool acted = false;
        int shownRows = 0;
        inImportWindow(f, acted, [&](TTextImport& w) {
            const QString summary = w.SummaryLabel->text();
            QVERIFY2(summary.startsWith(QStringLiteral("33,000 行 → ")), qPrintable(summary));
            QVERIFY(summary.contains(QStringLiteral("（2 行ごとに間引き、反転点と最大・最小荷重の行は残します）")));
            shownRows = summary.section(QStringLiteral("→ "), 1).section(QStringLiteral(" 行"), 0, 0).remove(QLatin1Char(',')).toInt();
            // Every row does not fit the table.
            w.ThinStepBox->setValue(1);
            QVERIFY(w.ThinStepButton->isChecked());
            QVERIFY(w.SummaryLabel->text().contains(QStringLiteral("30000 行を超えています")));
            QVERIFY(!w.ReadButton->isEnabled());
            w.ThinAutoButton->setChecked(true);
            w.ReadButton->click();
        });
        openAsGeneric(f, f.write(QStringLiteral("long.csv"), file));
        QVERIFY(acted);
        const auto& data = f.window->state().data;
        QVERIFY(shownRows > 16500 && shownRows <= 30000);
        QCOMPARE(data.RowCount, shownRows);
        float largest = 0;
        for (int r = 0; r < data.RowCount; ++r) largest = std::max(largest, data.value(r, 0));
        QCOMPARE(largest, 123.456f);
        QCOMPARE(f.find<QLabel>("Label2")->text(), QStringLiteral("33,000 行を 2 行ごとに間引いて %1 行を読み込みました")
                                                       .arg(QLocale(QLocale::English).toString(shownRows)));
    }

    void savesAStandardFileTheStandardReaderReadsBack() {
        WindowFixture f;
        const QString source = f.write(QStringLiteral("weg.csv"), semicolonFile());
        const QString saved = f.dir() + QStringLiteral("/weg-standard");
        bool acted = false;
        inImportWindow(f, acted, [&](TTextImport& w) {
            w.orderBox(2)->setValue(1);
            w.ColumnTable->item(2, TTextImport::kUse)->setCheckState(Qt::Unchecked);  // no time channel
            f.interaction.saveFiles.push_back(kvx::app::toPath(source));  // the lab's record itself is refused
            w.SaveButton->click();
            QCOMPARE(f.interaction.shown.size(), std::size_t{1});
            QVERIFY(f.interaction.shown[0].text.starts_with("読み込み中のファイルには保存できません"));
            f.interaction.saveFiles.push_back(kvx::app::toPath(saved));  // ".csv" is added
            w.SaveButton->click();
            QCOMPARE(f.interaction.dialogs.back().initialPath, kvx::app::toPath(f.dir() + QStringLiteral("/weg.kvx.csv")));
            QVERIFY(w.SummaryLabel->text().contains(QStringLiteral("保存しました: ") + saved + QStringLiteral(".csv")));
            w.CancelButton->click();
        });
        openAsGeneric(f, source);
        QVERIFY(acted);
        QVERIFY(!f.window->state().DataLoaded);
        f.takeShown();

        QVERIFY(f.window->openFile(saved + QStringLiteral(".csv")));  // the format menu says standard
        QCOMPARE(f.takeShown(), std::vector<std::string>{});
        const auto& data = f.window->state().data;
        QCOMPARE(data.channelCount(), 2);
        QCOMPARE(data.RowCount, 40);
        QCOMPARE(data.header.pointNames[0], std::string("Kraft"));
        QCOMPARE(data.header.units[0], std::string("kN"));
        QCOMPARE(data.header.channelNumbers[0], 2);
        // The standard file keeps six significant digits.
        for (int row = 0; row < 40; ++row) {
            QVERIFY(std::abs(data.value(row, 0) - (100 * row + 0.5) * 0.001) <= 1e-5 * (100 * row + 0.5) * 0.001);
            QVERIFY(std::abs(data.value(row, 1) - 0.5 * row) <= 1e-5 * 0.5 * row);
        }
    }

    void settingsAreOfferedAgainForAFileOfTheSameShape() {
        WindowFixture f;
        f.action("generic1")->trigger();
        bool first = false, second = false, other = false;
        inImportWindow(f, first, [](TTextImport& w) {
            QVERIFY(!w.offersRememberedSettings());
            w.orderBox(2)->setValue(1);
            w.ColumnTable->item(1, TTextImport::kName)->setText(QStringLiteral("荷重"));
            w.ColumnTable->item(2, TTextImport::kUse)->setCheckState(Qt::Unchecked);
            w.ThinStepButton->setChecked(true);  // every second row
            w.ReadButton->click();
        });
        QVERIFY(f.window->openFile(f.write(QStringLiteral("run1.csv"), semicolonFile())));
        QCOMPARE(f.window->state().data.RowCount, 21);  // and the last, a reversal

        inImportWindow(f, second, [](TTextImport& w) {
            QVERIFY(w.offersRememberedSettings());
            QVERIFY(w.SummaryLabel->text().contains(QStringLiteral("同じ形のファイルを前回読み込んだときの設定です")));
            QCOMPARE(w.settings().columns, (std::vector<int>{2, 1}));
            QVERIFY(!w.orderBox(3)->isEnabled());
            QVERIFY(w.ThinStepButton->isChecked());
            w.ReadButton->click();
        });
        QVERIFY(f.window->openFile(f.write(QStringLiteral("run2.csv"), semicolonFile(60))));
        QCOMPARE(f.window->state().data.RowCount, 31);
        QCOMPARE(f.window->state().data.header.pointNames[0], kvx::app::toCp932(QStringLiteral("荷重")));

        // Another header is another shape; "検出値に戻す" leaves the remembered settings.
        inImportWindow(f, other, [](TTextImport& w) {
            QVERIFY(!w.offersRememberedSettings());
            QCOMPARE(w.settings().columns, (std::vector<int>{1, 2, 3}));
        });
        QVERIFY(!f.window->openFile(f.write(QStringLiteral("other.csv"), semicolonFile(40, "Weg;Last;Zeit"))));
        bool back = false;
        inImportWindow(f, back, [](TTextImport& w) {
            w.DetectedButton->click();
            QVERIFY(!w.offersRememberedSettings());
            QCOMPARE(w.settings().columns, (std::vector<int>{1, 2, 3}));
            QCOMPARE(cell(w.ColumnTable, 1, TTextImport::kName), QStringLiteral("Kraft"));
            QVERIFY(w.ThinAutoButton->isChecked());
        });
        QVERIFY(!f.window->openFile(f.write(QStringLiteral("run3.csv"), semicolonFile())));
        QVERIFY(first && second && other && back);
    }

    void atMostSixteenChannels() {
        QByteArray file;
        for (int r = -1; r < 5; ++r) {
            for (int c = 1; c <= 18; ++c)
                file += (c > 1 ? "," : "") + (r < 0 ? QByteArray(c == 1 ? "kN" : "mm") : QByteArray::number(c * 10 + r));
            file += "\n";
        }
        WindowFixture f;
        bool acted = false;
        inImportWindow(f, acted, [](TTextImport& w) {
            QCOMPARE(w.settings().columns.size(), std::size_t{16});
            w.ColumnTable->item(16, TTextImport::kUse)->setCheckState(Qt::Checked);
            QVERIFY(w.SummaryLabel->text().contains(QStringLiteral("チャンネルは 16 までです（17 列が選ばれています）")));
            QVERIFY(!w.ReadButton->isEnabled());
            w.ColumnTable->item(1, TTextImport::kUse)->setCheckState(Qt::Unchecked);
            QCOMPARE(w.orderBox(17)->value(), 16);
            w.ReadButton->click();
        });
        openAsGeneric(f, f.write(QStringLiteral("wide.csv"), file));
        QVERIFY(acted);
        QCOMPARE(f.window->state().data.channelCount(), 16);
        QCOMPARE(f.window->state().data.value(4, 15), 174.0f);
    }

    void standardMenuOffersTheWindowForOtherFiles() {
        WindowFixture f;
        f.interaction.answers.push_back(kvx::ui::Answer::No);  // then the standard reader refuses it
        const QString path = f.write(QStringLiteral("weg.csv"), semicolonFile());
        QVERIFY(!f.window->openFile(path));
        QCOMPARE(f.takeShown().front(), std::string(kvx::data::kGenericQuestion));
        QCOMPARE(f.modalDialogsShown, 0);

        bool acted = false;
        inImportWindow(f, acted, [](TTextImport& w) { w.ReadButton->click(); });
        QVERIFY(f.window->openFile(path));
        QVERIFY(acted);
        QCOMPARE(f.find<QLabel>("Label36")->text(), QStringLiteral("汎用テキスト"));
        QVERIFY(f.action("csv1")->isChecked());
        // A standard file next: the label follows the menu again.
        QVERIFY(f.window->openFile(f.write(QStringLiteral("wall.csv"), kvx::test::threeChannelFile())));
        QCOMPARE(f.find<QLabel>("Label36")->text(), QStringLiteral("標準CSV"));
    }

    // Counts and units from the records' provenance notes.
    void labRecordsAreDetected_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QList<int>>("rows");  // header rows, names row, units row
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("conversions");
        QTest::addColumn<QString>("summary");  // its start
        QTest::newRow("CLT connection")
            << QStringLiteral("clt_connection_SPC1.csv") << QList<int>{2, 1, 2}
            << QStringList{QStringLiteral("Lead Actuator Force"), QStringLiteral("Lead Actuator Displacment")}
            << QStringList{QStringLiteral("kN"), QStringLiteral("mm")}
            << QStringLiteral("33,028 行 → ");
        QTest::newRow("stone masonry")
            << QStringLiteral("stone_masonry_wall_sample_test.csv") << QList<int>{4, 3, 4}
            << QStringList{QStringLiteral("top_displacement"), QStringLiteral("horizontal_force"), QStringLiteral("drift")}
            << QStringList{QStringLiteral("mm"), QStringLiteral("kN"), QStringLiteral("% → rad ×0.01")}
            << QStringLiteral("3,364 行、3 チャンネルを読み込みます\n荷重: 2 CH「horizontal_force」（kN）");
        QTest::newRow("CLT rocking wall")
            << QStringLiteral("clt_rocking_wall_TS1_shear.csv") << QList<int>{0, 0, 0} << QStringList{QString(), QString()}
            << QStringList{QStringLiteral("（単位なし）"), QStringLiteral("（単位なし）")}
            << QStringLiteral("9,281 行、2 チャンネルを読み込みます\n荷重の列がありません");
    }
    void labRecordsAreDetected() {
        QFETCH(QString, file);
        const QString path = sharedRecord(file);
        if (path.isEmpty()) QSKIP("the lab records are not checked out beside the source tree");
        QFETCH(QList<int>, rows);
        QFETCH(QStringList, names);
        QFETCH(QStringList, conversions);
        QFETCH(QString, summary);
        WindowFixture f;
        bool acted = false;
        inImportWindow(f, acted, [&](TTextImport& w) {
            QCOMPARE(w.DelimiterBox->currentText(), QStringLiteral("カンマ"));
            QCOMPARE((QList<int>{w.HeaderRowsBox->value(), w.NamesRowBox->value(), w.UnitsRowBox->value()}), rows);
            QCOMPARE(w.ColumnTable->rowCount(), static_cast<int>(names.size()));
            for (int c = 1; c <= names.size(); ++c) {
                QCOMPARE(cell(w.ColumnTable, c - 1, TTextImport::kName), names.at(c - 1));
                QCOMPARE(conversion(w, c), conversions.at(c - 1));
            }
            QVERIFY2(w.SummaryLabel->text().startsWith(summary), qPrintable(w.SummaryLabel->text()));
            if (rows.first() == 0) {
                // Deformation in m, force in N: typed units bring the force channel.
                w.ColumnTable->item(0, TTextImport::kUnit)->setText(QStringLiteral("m"));
                w.ColumnTable->item(1, TTextImport::kUnit)->setText(QStringLiteral("N"));
                QCOMPARE(conversion(w, 1), QStringLiteral("m → mm ×1000"));
                QVERIFY(w.SummaryLabel->text().contains(QStringLiteral("荷重: 2 CH「列2」（kN）")));
            }
            w.ReadButton->click();
        });
        openAsGeneric(f, path);
        QVERIFY(acted);
        QCOMPARE(f.takeShown(), std::vector<std::string>{});
        const auto& data = f.window->state().data;
        QVERIFY(data.RowCount > 3000 && data.RowCount <= kvx::data::kMaxRows);
        QVERIFY(data.ForceChannel >= 0);
        QVERIFY(f.window->state().graph.drewSomething);
    }

private:
    std::unique_ptr<QTemporaryDir> m_settings;
};

KVX_REGISTER_TEST(TextImportWindowTest);

#include "text_import_window_test.moc"

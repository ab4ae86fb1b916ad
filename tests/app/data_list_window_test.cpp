// The data list window driven as a user would: showing and scrolling,
// deleting rows, changing a cell, saving, following a new file.
#include "app/data_list_model.h"
#include "app/t_data_list.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using kvx::ui::Answer;

namespace {

struct ListFixture : kvx::test::WindowFixture {
    ListFixture() {
        opened = window->openFile(write(QStringLiteral("three.csv"), kvx::test::threeChannelFile()));
        find<QPushButton>("Button8")->click();
        list = window->dataListWindow();
        interaction.shown.clear();
    }
    QModelIndex cell(int rowIndex, int column) const { return list->model()->index(rowIndex, column); }
    const kvx::data::MeasurementData& data() const { return window->state().data; }

    bool opened = false;
    kvx::app::TDataList* list = nullptr;
};

}  // namespace

class DataListWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheDataSetAndScrollsToARow() {
        ListFixture f;
        QVERIFY(f.opened && f.list->isVisible());
        QCOMPARE(f.list->Label3->text(), QStringLiteral("/ 50"));
        QCOMPARE(f.list->Label4->text(), QStringLiteral("読込チャンネル 3 / 全チャンネル　3"));
        QCOMPARE(f.list->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("  NO. 1\n  CH. 5\n 荷重\n  kN"));
        QCOMPARE(f.list->model()->cellText(49, 1), QStringLiteral("     49.500 "));
        f.list->showRowNumber(50);  // point picking found the last row
        QCOMPARE(f.list->StringGrid1->currentIndex().row(), 49);
        QVERIFY(f.list->StringGrid1->viewport()->rect().contains(f.list->StringGrid1->visualRect(f.cell(49, 1))));
        f.list->showRowNumber(20);
        QCOMPARE(f.list->StringGrid1->rowAt(0), 19);  // row 20 at the top
        for (const char* text : {"0", "51", "abc"}) {
            f.list->Edit1->setText(QString::fromLatin1(text));
            QCOMPARE(f.list->StringGrid1->currentIndex().row(), 19);
        }
    }

    void deletesRowsAfterAsking() {
        struct Case {
            QString first, last;
            std::deque<Answer> answers;
            std::vector<std::string> shown;
            int rowsAfter;
        };
        const std::string rangeError = "削除ステップ指定エラー　　　　　";
        const Case cases[] = {
            {"3", "5", {Answer::Ok}, {"ステップ 3 ～ 5 を削除しますか　　　　　　"}, 47},
            {"1", "50", {Answer::Ok}, {"ステップ 1 ～ 50 を削除しますか　　　　　　"}, 0},
            {"1", "2", {Answer::Cancel}, {"ステップ 1 ～ 2 を削除しますか　　　　　　"}, 50},
            {"45", "51", {}, {rangeError}, 50},
            {"開始ｽﾃｯﾌﾟ", "終了ｽﾃｯﾌﾟ", {}, {rangeError}, 50},
        };
        for (const Case& c : cases) {
            ListFixture f;
            f.list->CBCorrect->click();
            f.list->StringGrid1Click(f.cell(0, 1));
            QVERIFY(f.list->Edit2->isEnabled() && f.list->Button3->isEnabled());
            f.list->Edit2->setText(c.first);
            f.list->Edit3->setText(c.last);
            f.interaction.answers = c.answers;
            f.list->Button3->click();
            QCOMPARE(f.takeShown(), c.shown);
            QCOMPARE(f.data().RowCount, c.rowsAfter);
            QCOMPARE(f.list->model()->rowCount(), c.rowsAfter);
        }
        ListFixture f;
        f.list->CheckBox1->setChecked(false);  // no question
        f.list->Edit2->setText(QStringLiteral("3"));
        f.list->Edit3->setText(QStringLiteral("5"));
        f.list->Button3Click();
        QVERIFY(f.takeShown().empty());
        QCOMPARE(f.data().value(2, 0), 5.5f);  // former row 6
        QCOMPARE(f.find<QLabel>("Label5")->text(), QStringLiteral("1 ～ 47"));  // the graph was drawn again
        QVERIFY(f.list->Button4->isEnabled());
    }

    void changesTheCurrentCellToTheTypedText() {
        ListFixture f;
        kvx::app::DataListModel* model = f.list->model();
        QVERIFY(!model->setData(f.cell(0, 2), QStringLiteral("7")));  // editing is off
        f.list->CBCorrect->click();
        QVERIFY(!(model->flags(f.cell(0, 0)) & Qt::ItemIsEditable));  // row numbers stay
        QVERIFY(model->setData(f.cell(0, 2), QStringLiteral("abc")));
        QVERIFY(f.list->Button2->isEnabled());
        f.list->StringGrid1->setCurrentIndex(f.cell(0, 2));
        f.list->Button2->click();
        QCOMPARE(f.takeShown(), std::vector<std::string>{"1 ステップ　2 CH のデータを abc に変更しますか？　　　"});
        QCOMPARE(f.data().value(0, 1), 0.0f);  // no number: 0
        QCOMPARE(model->cellText(0, 2), QStringLiteral("      0.000 "));
    }

    void savesTheCorrectedDataSet() {
        ListFixture f;
        const std::string before = f.window->state().DataFileName;
        f.interaction.saveFiles = {(f.dir() + QStringLiteral("/fixed")).toStdString()};
        f.list->Button4Click();
        QFile saved(f.dir() + QStringLiteral("/fixed.csv"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readLine(), QByteArray(" 5CH, 6CH,12CH\n"));
        QCOMPARE(f.window->state().DataFileName, before);
        const std::string unwritable = (f.dir() + QStringLiteral("/no/dir/x.csv")).toStdString();
        f.interaction.saveFiles = {unwritable};
        f.list->Button4Click();
        QCOMPARE(f.takeShown(), std::vector<std::string>{"修正データを保存できませんでした\n" + unwritable});
    }

    void followsANewFileAndStaysFastWithAFullTable() {
        ListFixture f;
        QByteArray file("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\n,,,,,,,,,,,,,,,\n,,,,,,,,,,,,,,,\n");
        file += "kN,mm,mm,mm,mm,mm,mm,mm,mm,mm,mm,mm,mm,mm,mm,mm\n";
        const QByteArray row = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\n";
        for (int r = 0; r < kvx::data::kMaxRows; ++r) file += row;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("full.csv"), file)));
        QElapsedTimer timer;
        timer.start();
        f.find<QPushButton>("Button8")->click();
        f.list->showRowNumber(30000);
        QCoreApplication::processEvents();
        QCOMPARE(f.list->model()->columnCount(), 17);
        QCOMPARE(f.list->StringGrid1->currentIndex().row(), 29999);
        QVERIFY2(timer.elapsed() < 3000, "showing 30,000 x 16 values took too long");
    }
};

KVX_REGISTER_TEST(DataListWindowTest);
#include "data_list_window_test.moc"

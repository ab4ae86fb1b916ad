// Saving, copying and printing the graph from the main window.
#include "window_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QPushButton>

namespace {

QByteArray header(const QString& path, qsizetype bytes) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(bytes) : QByteArray();
}

}  // namespace

class GraphOutputTest : public QObject {
    Q_OBJECT
private slots:
    void savesWithTheExtensionRule() {
        kvx::test::WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("wall.csv"), kvx::test::threeChannelFile())));
        struct Case {
            const char* menu;
            QString chosen, written;
            QByteArray magic;
        };
        const QString d = f.dir() + QLatin1Char('/');
        const Case cases[] = {
            {"GIF1", d + "graph", d + "graph.png", "\x89PNG"},
            {"BMP1", d + "graph", d + "graph.bmp", "BM"},
            {"GIF1", d + "other.bmp", d + "other.bmp", "\x89PNG"},  // PNG data whatever the name says
            {"GIF1", d + "dot.", d + "dot.", "\x89PNG"},            // "." is an extension: nothing appended
        };
        for (const auto& c : cases) {
            f.action(c.menu)->trigger();
            f.interaction.saveFiles.push_back(c.chosen.toStdString());
            f.find<QPushButton>("GraphSave")->click();
            QCOMPARE(header(c.written, c.magic.size()), c.magic);
        }
        // The PNG holds exactly the picture on screen.
        const QImage saved(d + "graph.png");
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
                 f.find<QWidget>("Image1")->grab().toImage().convertToFormat(QImage::Format_RGB32));
        // Cancelled: nothing written, nothing said.
        f.takeShown();
        f.find<QPushButton>("GraphSave")->click();
        QVERIFY(f.takeShown().empty());
        // A file that cannot be written is told.
        f.interaction.saveFiles.push_back("/nonexistent/dir/g.png");
        f.find<QPushButton>("GraphSave")->click();
        QCOMPARE(f.interaction.shown.back().caption, std::string("ファイル出力エラー"));
    }

    void copiesThePictureToTheClipboard() {
        kvx::test::WindowFixture f;
        QVERIFY(f.window->openFile(f.write(QStringLiteral("wall.csv"), kvx::test::threeChannelFile())));
        f.find<QPushButton>("Button5")->click();
        const QImage copied = QGuiApplication::clipboard()->image();
        if (copied.isNull()) QSKIP("this platform has no clipboard picture");
        QCOMPARE(copied.size(), QSize(544, 504));
    }

    void printsToAPdfPageAndKeepsTheScreenFrame() {
        kvx::test::WindowFixture f;
        f.action("Print1")->trigger();
        QCOMPARE(f.takeShown(), std::vector<std::string>{"印刷するグラフが描かれていません"});
        QVERIFY(f.window->openFile(f.write(QStringLiteral("wall.csv"), kvx::test::threeChannelFile())));
        const auto before = f.window->state().graph.frame;
        const QString pdf = f.dir() + QStringLiteral("/page.pdf");
        int dialogs = 0;
        f.window->setPrintDialog([&](QPrinter& printer) {
            ++dialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        f.action("N4001")->trigger();  // 400 dpi
        for (int run = 0; run < 2; ++run) {  // printing twice works
            QFile::remove(pdf);
            f.action("Print1")->trigger();
            QCOMPARE(header(pdf, 4), QByteArray("%PDF"));
        }
        QCOMPARE(dialogs, 2);
        const auto& after = f.window->state().graph.frame;
        QCOMPARE(after.DivisionWidth, before.DivisionWidth);
        QCOMPARE(after.XStep, before.XStep);
        QCOMPARE(f.window->state().graph.place.FrameLeft, 100);
        // A cancelled dialog prints nothing.
        f.window->setPrintDialog([](QPrinter&) { return false; });
        QFile::remove(pdf);
        f.action("Print1")->trigger();
        QVERIFY(!QFile::exists(pdf));
        // No channel: refused before any job.
        f.find<QPushButton>("Button11")->click();
        f.window->setPrintDialog([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        f.takeShown();
        f.action("Print1")->trigger();
        QCOMPARE(f.takeShown(), std::vector<std::string>{"チャンネルの選択がされていません"});
        QVERIFY(!QFile::exists(pdf));
    }
};

KVX_REGISTER_TEST(GraphOutputTest);
#include "graph_output_test.moc"

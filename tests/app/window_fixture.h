// Shared pieces of the window tests: a registry of test classes, and a main
// window built in a fresh temporary current directory (where its ELASTO.CSV
// goes) with a scripted interaction.
#pragma once

#include "app/t_opening.h"
#include "ui/scripted_interaction.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace kvx::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<std::pair<const char*, TestFactory>>& registeredTests() {
    static std::vector<std::pair<const char*, TestFactory>> tests;
    return tests;
}

template <typename T>
struct RegisterTest {
    explicit RegisterTest(const char* name) {
        registeredTests().emplace_back(name, [] { return std::make_unique<T>(); });
    }
};

#define KVX_REGISTER_TEST(Class) static const kvx::test::RegisterTest<Class> registered##Class(#Class)

/// Forgets a QCoreApplication::exit() made while no application loop ran. Qt
/// keeps such a request, and every later event loop, QDialog::exec() included,
/// returns at once: one test ending the program would close every modal
/// window of the tests after it. Running the application loop clears it.
inline void discardExitRequest() {
    QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    QApplication::exec();
}

/// Acts in a modal window once it is up. Set it up before the call that runs
/// the window; it polls until `dialog` is the active modal widget, then runs
/// `act`. A zero-delay timer instead fires in whatever event loop runs first,
/// possibly before the window is modal. If `act` leaves the window open (a
/// failed check returned early), the window is closed by its frame, so the
/// test fails instead of hanging.
class WhenModal {
public:
    WhenModal(QDialog& dialog, std::function<void()> act) : m_dialog(&dialog), m_act(std::move(act)) {
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { poll(); });
        m_poll.start();
    }
    WhenModal(const WhenModal&) = delete;
    WhenModal& operator=(const WhenModal&) = delete;

    /// Whether the window came up and `act` ran.
    bool acted() const { return m_acted; }

private:
    void poll() {
        if (QApplication::activeModalWidget() != m_dialog || !m_dialog->isVisible()) return;
        m_poll.stop();
        m_acted = true;
        m_act();
        if (m_dialog->isVisible()) m_dialog->reject();
    }

    QDialog* m_dialog;
    std::function<void()> m_act;
    QTimer m_poll;
    bool m_acted = false;
};

/// CP932 bytes of the header texts used in the test files.
inline constexpr const char* kLoadCp932 = "\x89\xD7\x8F\x64";                    // 荷重
inline constexpr const char* kDisplacementCp932 = "\x95\xCF\x88\xCA";            // 変位
inline constexpr const char* kAngleCp932 = "\x95\xCF\x8C\x60\x8A\x70";           // 変形角

class WindowFixture {
public:
    /// Builds the window in a fresh current directory; runs start-up unless told not to.
    explicit WindowFixture(bool runFormCreate = true) : m_previousDir(QDir::currentPath()) {
        QDir::setCurrent(m_dir.path());
        window = std::make_unique<app::TOpening>(interaction);
        window->setModalRunner([this](QDialog& dialog) { return runModal(dialog); });
        if (runFormCreate) started = window->FormCreate();
    }
    ~WindowFixture() {
        window.reset();
        discardExitRequest();  // "終了" and the window frame end the program
        QDir::setCurrent(m_previousDir);
    }
    WindowFixture(const WindowFixture&) = delete;
    WindowFixture& operator=(const WindowFixture&) = delete;

    QString dir() const { return m_dir.path(); }

    /// Writes `bytes` to `name` under `folder` (relative to the temporary directory).
    QString write(const QString& name, const QByteArray& bytes, const QString& folder = QString()) const {
        QDir base(m_dir.path());
        if (!folder.isEmpty()) base.mkpath(folder);
        const QString path = base.filePath(folder.isEmpty() ? name : folder + QLatin1Char('/') + name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
        return path;
    }

    template <typename T>
    T* find(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }
    QAction* action(const char* name) const { return find<QAction>(name); }

    /// Texts of everything the window said since the last call.
    std::vector<std::string> takeShown() {
        std::vector<std::string> texts = interaction.texts();
        interaction.shown.clear();
        return texts;
    }

    /// What the person does in each modal dialog of the window, in order (fill
    /// the edits, press OK). A dialog still open afterwards is closed by its
    /// frame, as is every dialog the script does not reach.
    std::deque<std::function<void(QDialog&)>> modalActions;
    int modalDialogsShown = 0;

    ui::ScriptedInteraction interaction;
    std::unique_ptr<app::TOpening> window;
    bool started = false;

private:
    int runModal(QDialog& dialog) {
        ++modalDialogsShown;
        dialog.show();
        if (!modalActions.empty()) {
            const auto act = std::move(modalActions.front());
            modalActions.pop_front();
            act(dialog);
        }
        if (dialog.isVisible()) dialog.reject();
        return dialog.result();
    }

    QTemporaryDir m_dir;
    QString m_previousDir;
};

/// A standard CSV file: channel numbers 5, 6 and 12, load in kN, 50 rows.
inline QByteArray threeChannelFile() {
    QByteArray bytes(" 5CH, 6CH,12CH\n");
    bytes += QByteArray(kLoadCp932) + "," + kDisplacementCp932 + "1," + kAngleCp932 + "\n";
    bytes += "LC-1,DP-1,\n";
    bytes += "kN,mm,rad\n";
    for (int i = 0; i < 50; ++i) bytes += QByteArray::number(i) + ".5," + QByteArray::number(2 * i) + ".25,0.001\n";
    return bytes;
}

/// A file of `channels` channels (load and displacements), three rows: wider
/// than 16 channels it goes through the correspondence window.
inline QByteArray wideFile(int channels) {
    QByteArray s;
    const auto line = [&](auto field) {
        for (int c = 1; c <= channels; ++c) s += (c > 1 ? "," : "") + field(c);
        s += "\n";
    };
    line([](int c) { return QByteArray::number(c); });
    line([](int c) { return "P" + QByteArray::number(c); });
    line([](int) { return QByteArray(); });
    line([](int c) { return QByteArray(c == 1 ? "kN" : "mm"); });
    for (int r = 1; r <= 3; ++r) line([&](int c) { return QByteArray::number(c * 10 + r); });
    return s;
}

inline QByteArray oneChannelFile() { return QByteArray("1CH\n") + kLoadCp932 + "\nLC\nkN\n1\n2\n3\n"; }

}  // namespace kvx::test

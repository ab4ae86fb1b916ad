// Kurvadex: the desktop program. Starts the main window, optionally opening
// the data file named on the command line.
#include "app/qt_interaction.h"
#include "app/t_opening.h"

#include <QApplication>

#include <clocale>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Qt warns on stderr when a session has no runtime folder (a terminal without
// a login session, a container): give it a private one instead.
void ensureRuntimeDirectory() {
    if (std::getenv("XDG_RUNTIME_DIR") != nullptr) return;
    const std::string dir = "/tmp/kurvadex-runtime-" + std::to_string(getuid());
    mkdir(dir.c_str(), 0700);
    struct stat st {};
    if (stat(dir.c_str(), &st) == 0 && st.st_uid == getuid() && (st.st_mode & 0077) == 0)
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
}

}  // namespace

int main(int argc, char* argv[]) {
    ensureRuntimeDirectory();
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kurvadex 4.33"));
    // Qt has set the user's locale; the program's number formats need '.'.
    std::setlocale(LC_NUMERIC, "C");

    kvx::app::QtInteraction interaction;
    kvx::app::TOpening window(interaction);
    interaction.setParentWidget(&window);
    interaction.setPauseWindow(window.pauseWindow());
    if (!window.FormCreate()) return 1;

    const QStringList arguments = QCoreApplication::arguments();
    window.show();
    if (arguments.size() > 1) window.openFile(arguments.at(1));
    return QApplication::exec();
}

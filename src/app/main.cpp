// Kurvadex: the desktop program. Starts the main window, optionally opening
// the data file named on the command line.
#include "app/language.h"
#include "app/qt_interaction.h"
#include "app/qt_session.h"
#include "app/t_opening.h"

#include <QApplication>

#include <clocale>

int main(int argc, char* argv[]) {
    kvx::app::ensureRuntimeDirectory();
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kurvadex 4.33"));
    // Qt has set the user's locale; the program's number formats need '.'.
    std::setlocale(LC_NUMERIC, "C");
    // Before the first window: its texts are set in the language in use.
    kvx::app::useLanguage(kvx::app::startLanguage());

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

#include <QApplication>

#include "config/Startup.h"
#include "editor/MainWindowHooks.h"
#include "platform/qt/forms.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    // The start-up and the windows below the editor reach the main window through these.
    installMainWindowHooks();
    Main();
    // The program lives while a window is loaded; with none left (the user refused to browse), it ends.
    if (forms::loadedForms().isEmpty()) return 0;
    return QApplication::exec();
}

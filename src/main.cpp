#include <QApplication>

#include "config/Startup.h"
#include "platform/qt/forms.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    Main();
    // The program lives while a window is loaded; with none left (the user refused to browse), it ends.
    if (forms::loadedForms().isEmpty()) return 0;
    return QApplication::exec();
}

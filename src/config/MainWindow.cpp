#include "config/MainWindow.h"

#include <stdexcept>
#include <utility>

namespace {

MainWindowHooks& hooks() {
    static MainWindowHooks current;
    return current;
}

// A hook that was never set is a program built without its main window: no window could follow the start-up.
template <class Hook>
const Hook& require(const Hook& hook) {
    if (!hook) throw std::logic_error("The main window's hooks are not set");
    return hook;
}

}  // namespace

void setMainWindowHooks(MainWindowHooks newHooks) {
    hooks() = std::move(newHooks);
}

void loadMainWindow() {
    require(hooks().load)();
}

void showMainWindow() {
    require(hooks().show)();
}

QWidget* loadedMainWindow() {
    return require(hooks().loaded)();
}

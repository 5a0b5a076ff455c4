#pragma once
// The main window as the start-up, the options and splash windows and the information windows reach it. The
// window belongs to the editor, which builds on these layers, so the program hands its steps in here before Main()
// runs; nothing below the editor includes the main window's header.
#include <functional>

class QWidget;

struct MainWindowHooks {
    std::function<void()> load;        // loads the main window (its load step runs); a loaded one stays as it is
    std::function<void()> show;        // loads it when needed, then shows it without modality or brings it forward
    std::function<QWidget*()> loaded;  // the main window while it is loaded, else nullptr
};

// Set once, before Main() runs.
void setMainWindowHooks(MainWindowHooks hooks);

// Each raises std::logic_error while no hooks are set.
void loadMainWindow();
void showMainWindow();
QWidget* loadedMainWindow();

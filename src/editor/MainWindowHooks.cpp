#include "editor/MainWindowHooks.h"

#include "config/MainWindow.h"
#include "editor/frmMain.h"
#include "platform/qt/forms.h"

void installMainWindowHooks() {
    setMainWindowHooks(
        {[] { Load<frmMain>(); }, [] { Show<frmMain>(); }, []() -> QWidget* { return FormSlot<frmMain>::instance(); }});
}

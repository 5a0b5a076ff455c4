#include "platform/qt/forms.h"

#include <QCoreApplication>

namespace {
struct Entry {
    Form* form;
    void (*clearSlot)();
};
QList<Entry>& entries() {
    static QList<Entry> list;
    return list;
}
}  // namespace

namespace forms {

QList<Form*> loadedForms() {
    QList<Form*> result;
    for (const Entry& e : entries()) result.append(e.form);
    return result;
}

void registerLoaded(Form* form, void (*clearSlot)()) {
    entries().append({form, clearSlot});
}

void unload(Form* form) {
    static QList<Form*> unloading;
    auto& list = entries();
    auto find = [&list](Form* f) {
        for (qsizetype i = 0; i < list.size(); ++i)
            if (list[i].form == f) return i;
        return qsizetype(-1);
    };
    qsizetype index = find(form);
    if (index < 0 || unloading.contains(form)) return;
    unloading.append(form);
    // Forget the instance first, so that a load from inside the unload step builds a new window; the window
    // stays in the list while its unload step runs (the main window's unload walks that list).
    list[index].clearSlot();
    form->Form_Unload();
    index = find(form);
    if (index >= 0) list.removeAt(index);
    unloading.removeAll(form);
    QWidget* w = form->widget();
    w->hide();
    // The window is destroyed once control is back in the event loop (its own handler may still be running).
    // Until then it answers to no name, so a lookup by name finds only the loaded windows.
    w->setObjectName(QString());
    for (QObject* child : w->findChildren<QObject*>()) child->setObjectName(QString());
    w->deleteLater();
    // The program lives while a window is loaded. quit() ends the running event loop and does nothing outside
    // one, whereas exit() would leave the application quitting, so that the next modal window's loop (a message
    // box, a dialog) returned at once.
    if (list.isEmpty()) QCoreApplication::quit();
}

void showModeless(Form* form) {
    QWidget* w = form->widget();
    if (w->isMinimized()) w->showNormal();
    w->show();
    w->raise();
    w->activateWindow();
}

}  // namespace forms

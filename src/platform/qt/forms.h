#pragma once
// The forms runtime: each window class has one global instance, created on first load and destroyed by its
// unload, and the runtime keeps the list of loaded windows in load order.
#include <QList>
#include <QWidget>

class Form {
  public:
    virtual ~Form() = default;
    virtual QWidget* widget() = 0;
    // Run by the runtime when the window is loaded (after construction) and before it is destroyed.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
};

namespace forms {
// Loaded windows, earliest first.
QList<Form*> loadedForms();
// clearSlot forgets the global instance, so the next load builds the window afresh.
void registerLoaded(Form* form, void (*clearSlot)());
// Runs the window's unload step, removes it from the list, hides it and destroys it later (it may be the
// window whose handler is running). Unloading a window that is not loaded does nothing. A window's close
// box unloads it too (each window's closeEvent calls this).
void unload(Form* form);
// Shows a loaded window without modality, bringing it forward when it is already visible.
void showModeless(Form* form);
}  // namespace forms

// One global instance per window class F (F derives from Form and from a QWidget class).
template <class F>
class FormSlot {
  public:
    static F*& instance() {
        static F* current = nullptr;
        return current;
    }
    static void clear() { instance() = nullptr; }
};

template <class F>
bool isLoaded() {
    return FormSlot<F>::instance() != nullptr;
}

// Creates the window and runs its load step; loading a loaded window does nothing.
template <class F>
F* Load() {
    F*& slot = FormSlot<F>::instance();
    if (slot == nullptr) {
        slot = new F();
        forms::registerLoaded(slot, &FormSlot<F>::clear);
        slot->Form_Load();
    }
    return slot;
}

// Loads the window when needed, then shows it without modality or brings it forward.
template <class F>
F* Show() {
    F* form = Load<F>();
    if (FormSlot<F>::instance() == form) forms::showModeless(form);
    return form;
}

template <class F>
void Unload() {
    F*& slot = FormSlot<F>::instance();
    if (slot == nullptr) return;
    forms::unload(slot);
}

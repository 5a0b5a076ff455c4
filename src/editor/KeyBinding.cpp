#include "editor/KeyBinding.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include "config/Startup.h"
#include "editor/GroupControls.h"

namespace editor {

Accessor checkBox(QCheckBox* box, TrueText checking) {
    return {[box, checking](const QString& value) {
                box->setChecked(value == QLatin1String("True") ||
                                (checking == TrueText::OrLower && value == QLatin1String("true")));
            },
            [box] { return std::optional(boolText(box->isChecked())); }};
}

Accessor text(QLineEdit* box) {
    return {[box](const QString& value) { box->setText(value); }, [box] { return std::optional(box->text()); }};
}

Accessor text(QLineEdit* box, const QString& sentinel, const QString& instead) {
    return {[box, sentinel, instead](const QString& value) { box->setText(value == sentinel ? instead : value); },
            [box] { return std::optional(box->text()); }};
}

Accessor text(QLabel* label, const QString& sentinel, const QString& instead) {
    return {[label, sentinel, instead](const QString& value) { label->setText(value == sentinel ? instead : value); },
            [label] { return std::optional(label->text()); }};
}

Accessor scaledSlider(QSlider* slider, QLabel* readOut) {
    return {[slider, readOut](const QString& value) { showScaledValue(slider, readOut, value); },
            [readOut] { return std::optional(readOut->text()); }};
}

QString KeyBinder::path(GameFile file) const {
    return file == GameFile::Player ? files_.player() : files_.engine();
}

void KeyBinder::loadRun(std::span<const KeyBinding> rows) const {
    for (const KeyBinding& row : rows)
        row.control.show(ReadINI(row.section, row.key, row.defaultValue, path(row.file)));
}

void KeyBinder::saveRun(std::span<const KeyBinding> rows) const {
    for (const KeyBinding& row : rows)
        if (const std::optional<QString> value = row.control.value())
            WriteINI(row.section, row.key, *value, path(row.file));
}

}  // namespace editor

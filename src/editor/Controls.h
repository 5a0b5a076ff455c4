#pragma once
// Small helpers shared by the settings groups: Boolean words, twips, and the load and save of a key table
// walked in step with its control array.
#include <QCheckBox>
#include <QString>
#include <QWidget>
#include <array>

#include "config/Startup.h"

// Twips to pixels: 15 twips a pixel.
constexpr int tw(int twips) { return twips / 15; }

inline QString boolText(bool checked) { return checked ? QStringLiteral("True") : QStringLiteral("False"); }

// Element i of a control array is named "name(i)".
inline QString arrayName(const char* name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

// Check boxes paired with a key table: each box is checked when its key reads exactly "True" (or, with
// acceptLower, "true").
template <std::size_t N>
void loadChecks(const std::array<QCheckBox*, N>& boxes, const std::array<QString, N>& keys, const QString& section,
                const QString& defaultValue, const QString& file, bool acceptLower = false) {
    for (std::size_t i = 0; i < N; ++i) {
        const QString value = ReadINI(section, keys[i], defaultValue, file);
        boxes[i]->setChecked(value == QLatin1String("True") || (acceptLower && value == QLatin1String("true")));
    }
}

template <std::size_t N>
void saveChecks(const std::array<QCheckBox*, N>& boxes, const std::array<QString, N>& keys, const QString& section,
                const QString& file) {
    for (std::size_t i = 0; i < N; ++i) WriteINI(section, keys[i], boolText(boxes[i]->isChecked()), file);
}

template <class Array>
void setEnabledAll(const Array& controls, bool enabled) {
    for (auto* control : controls)
        if (control) control->setEnabled(enabled);
}

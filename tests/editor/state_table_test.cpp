// Every named control of the main window at start, after a load and after a close, against the table in
// tests/fixtures/main_window_states.txt. A control without a row, or a row without a control, fails too, so that
// a new control comes with its row.
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"

namespace {

// The text, the value and the enabled state of one control, as the table writes them.
QString describe(QObject* control) {
    QStringList parts;
    auto quoted = [](const QString& text) { return '"' + text + '"'; };
    for (const char* text : {"text", "title", "currentText", "plainText"})
        if (control->property(text).isValid() && !qobject_cast<QProgressBar*>(control)) {
            parts << quoted(control->property(text).toString());
            break;
        }
    if (control->property("echoMode").toInt() == QLineEdit::Password)
        parts << "shown:" + quoted(control->property("displayText").toString());
    if (control->property("checkable").toBool()) parts << QString::number(control->property("checked").toBool());
    if (control->property("value").isValid()) parts << control->property("value").toString();
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        const int p = list->currentIndex();
        const bool listed = p >= 0 && list->currentText() == list->itemText(p);
        parts << QStringLiteral("%1/%2").arg(listed ? p : -1).arg(list->count());
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        const QString picture = label->property("picturePath").toString();
        if (!picture.isEmpty()) parts << "pic:" + QFileInfo(picture).fileName();
        // The system colours of button faces and shadows by name, others as #rrggbb.
        const QColor color = label->palette().color(QPalette::Window);
        const QPalette system = QApplication::palette();
        if (label->autoFillBackground())
            parts << "bg:" + (color == system.color(QPalette::Button) ? "face"
                              : color == system.color(QPalette::Dark) ? "shadow"
                                                                      : color.name());
    } else if (auto* tabs = qobject_cast<QTabWidget*>(control)) {
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
        parts << quoted(captions.join(';')) << QString::number(tabs->currentIndex());
    }
    return (parts << (control->property("enabled").toBool() ? "on" : "off")).join(' ');
}

// Every widget and action of the window with a name; the parts that Qt names inside its own widgets (the tab
// bar's scroll buttons, "qt_" names) are not the window's controls.
QMap<QString, QString> describeAll(QWidget* window) {
    QMap<QString, QString> all;
    for (QObject* object : window->findChildren<QObject*>()) {
        const QString name = object->objectName();
        if (name.isEmpty() || name.startsWith("qt_") || qobject_cast<QTabBar*>(object->parent())) continue;
        if (qobject_cast<QWidget*>(object) || qobject_cast<QAction*>(object)) all.insert(name, describe(object));
    }
    return all;
}

using Row = std::array<QString, 3>;  // at start, after the load, after the close

// The table, one row per control: "name(a..b)" rows are spread over their elements.
QMap<QString, Row> readTable(const QString& userIni) {
    QMap<QString, Row> table;
    static const QRegularExpression range("^(\\w+)\\((\\d+)\\.\\.(\\d+)\\)$");
    for (const QByteArray& raw : fixtureBytes("main_window_states.txt").split('\n')) {
        const QStringList cells = QString::fromUtf8(raw).split(" | ");
        if (raw.trimmed().isEmpty() || raw.startsWith('#')) continue;
        EXPECT_EQ(cells.size(), 4) << raw.toStdString();
        const QRegularExpressionMatch match = range.match(cells[0]);
        const int first = match.hasMatch() ? match.captured(2).toInt() : -1;
        for (int i = first; i <= (match.hasMatch() ? match.captured(3).toInt() : -1); ++i) {
            const QString name = i < 0 ? cells[0] : QStringLiteral("%1(%2)").arg(match.captured(1)).arg(i);
            Row row;
            for (std::size_t s = 0; s < row.size() && s + 1 < std::size_t(cells.size()); ++s)
                row[s] = cells[int(s) + 1] == "=" ? row[s - 1]
                                                  : QString(cells[int(s) + 1])
                                                        .replace("{i}", QString::number(i))
                                                        .replace("{i+1}", QString::number(i + 1))
                                                        .replace("{user}", userIni);
            EXPECT_FALSE(table.contains(name)) << qPrintable(name) << " has two rows";
            table.insert(name, row);
        }
    }
    return table;
}

}  // namespace

using StateTableTest = GuiTest;

TEST_F(StateTableTest, EveryControlAtStartAfterALoadAndAfterAClose) {
    copyFixture("User-noinput.ini", "User.ini");
    copyFixture("UT2003.ini");
    // At start, after File > Open, and after File > Close with a row selected (which turns both Move buttons on).
    const char* steps[] = {"start", "answer {dir}/User.ini; trigger mnuFileOpen",
                           "press lblWeaponName(6); trigger mnuFileClose"};
    std::array<QMap<QString, QString>, 3> shown;
    for (std::size_t s = 0; s < shown.size(); ++s) act(steps[s]), shown[s] = describeAll(window("frmMain"));
    EXPECT_TRUE(messages.empty());

    const QMap<QString, Row> table = readTable(userIni());
    for (const QString& name : shown[0].keys()) EXPECT_TRUE(table.contains(name)) << qPrintable(name) << " has no row";
    const char* const moments[] = {"at start", "after the load", "after the close"};
    for (auto row = table.begin(); row != table.end(); ++row) {
        EXPECT_TRUE(shown[0].contains(row.key())) << "no control " << qPrintable(row.key());
        for (std::size_t s = 0; s < shown.size() && shown[0].contains(row.key()); ++s) {
            const QString& expected = row.value()[s];
            const QString is = shown[s].value(row.key());
            // A text "*" compares only the enabled state.
            EXPECT_TRUE(expected.startsWith("* ") ? is.section(' ', -1) == expected.section(' ', -1) : is == expected)
                << qPrintable(row.key()) << " " << moments[s] << ": " << qPrintable(is) << "\n  expected "
                << qPrintable(expected);
        }
    }
}

// Every named control of the main window at start, after a load and after a close, against the table in
// tests/fixtures/main_window_states.txt. A control without a row, or a row without a control, fails too, so that
// a new control comes with its row.
#include <QtTest>
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"
#include "editor/frmMain.h"

namespace {

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// A background as the table names it: the system colours of button faces and shadows by name, others as #rrggbb.
QString background(const QColor& color) {
    if (color == QApplication::palette().color(QPalette::Button)) return QStringLiteral("face");
    if (color == QApplication::palette().color(QPalette::Dark)) return QStringLiteral("shadow");
    return color.name();
}

// The text, the value and the enabled state of one control, as the table writes them.
QString describe(QObject* control) {
    QStringList parts;
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
        if (label->autoFillBackground()) parts << "bg:" + background(label->palette().color(QPalette::Window));
    } else if (auto* tabs = qobject_cast<QTabWidget*>(control)) {
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
        parts << quoted(captions.join(';')) << QString::number(tabs->currentIndex());
    }
    return (parts << QLatin1String(control->property("enabled").toBool() ? "on" : "off")).join(' ');
}

// Every widget and action of the window with a name; the parts that Qt names inside its own widgets (the tab
// bar's scroll buttons, "qt_" names) are not the window's controls.
QMap<QString, QString> describeAll(QWidget* window) {
    QMap<QString, QString> all;
    for (QObject* object : window->findChildren<QObject*>()) {
        const QString name = object->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || qobject_cast<QTabBar*>(object->parent()))
            continue;
        if (qobject_cast<QWidget*>(object) || qobject_cast<QAction*>(object)) all.insert(name, describe(object));
    }
    return all;
}

using Row = std::array<QString, 3>;  // at start, after the load, after the close

// The table, one row per control: "name(a..b)" rows are spread over their elements.
QMap<QString, Row> readTable(const QString& userIni) {
    QMap<QString, Row> table;
    static const QRegularExpression range(QStringLiteral("^(\\w+)\\((\\d+)\\.\\.(\\d+)\\)$"));
    for (const QByteArray& raw : fixtureBytes("main_window_states.txt").split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
        const QStringList cells = line.split(QStringLiteral(" | "));
        EXPECT_EQ(cells.size(), 4) << qPrintable(line);
        if (cells.size() != 4) continue;
        const QRegularExpressionMatch match = range.match(cells[0]);
        const int first = match.hasMatch() ? match.captured(2).toInt() : -1;
        const int last = match.hasMatch() ? match.captured(3).toInt() : -1;
        for (int i = first; i <= last; ++i) {
            const QString name = i < 0 ? cells[0] : QStringLiteral("%1(%2)").arg(match.captured(1)).arg(i);
            Row row;
            for (std::size_t s = 0; s < row.size(); ++s) {
                const QString cell = cells[static_cast<int>(s) + 1];
                row[s] = cell == QLatin1String("=") ? row[s - 1]
                                                    : QString(cell)
                                                          .replace(QLatin1String("{i}"), QString::number(i))
                                                          .replace(QLatin1String("{i+1}"), QString::number(i + 1))
                                                          .replace(QLatin1String("{user}"), userIni);
            }
            EXPECT_FALSE(table.contains(name)) << qPrintable(name) << " has two rows";
            table.insert(name, row);
        }
    }
    return table;
}

// A cell whose text is "*" compares only the enabled state.
bool matches(const QString& expected, const QString& shown) {
    if (expected.startsWith(QLatin1String("* "))) return shown.section(' ', -1) == expected.section(' ', -1);
    return shown == expected;
}

}  // namespace

using StateTableTest = GuiTest;

TEST_F(StateTableTest, EveryControlAtStartAfterALoadAndAfterAClose) {
    writeFile(userIni(), fixtureBytes("User-noinput.ini"));
    writeFile(engineIni(), fixtureBytes("UT2003.ini"));
    writeSettings({{"UT2003UserINIPath", userIni()}});
    runMain();
    auto* main = qobject_cast<frmMain*>(window("frmMain"));
    ASSERT_NE(main, nullptr);
    std::array<QMap<QString, QString>, 3> shown;
    shown[0] = describeAll(main);
    dialogAnswers = {userIni()};
    main->mnuFileOpen->trigger();
    shown[1] = describeAll(main);
    QTest::mouseClick(find<QLabel>("lblWeaponName(6)"), Qt::LeftButton);  // a row selected turns both Move buttons on
    main->mnuFileClose->trigger();
    shown[2] = describeAll(main);
    EXPECT_TRUE(messages.empty());

    const QMap<QString, Row> table = readTable(userIni());
    for (const QString& name : shown[0].keys()) EXPECT_TRUE(table.contains(name)) << qPrintable(name) << " has no row";
    const char* const moments[] = {"at start", "after the load", "after the close"};
    for (auto row = table.begin(); row != table.end(); ++row) {
        if (!shown[0].contains(row.key())) {
            ADD_FAILURE() << "no control " << qPrintable(row.key());
            continue;
        }
        for (std::size_t s = 0; s < shown.size(); ++s)
            EXPECT_TRUE(matches(row.value()[s], shown[s].value(row.key())))
                << qPrintable(row.key()) << " " << moments[s] << ": " << qPrintable(shown[s].value(row.key()))
                << "\n  expected " << qPrintable(row.value()[s]);
    }
}

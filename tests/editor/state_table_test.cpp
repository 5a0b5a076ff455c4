// Every named control of the main window at start, after a load and after a close, against the table in
// tests/fixtures/main_window_states.txt. A control without a row, or a row without a control, fails too, so that
// a new control comes with its row.
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"

namespace {

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
    for (std::size_t s = 0; s < shown.size(); ++s) act(steps[s]), shown[s] = describeControls(window("frmMain"));
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

// The controls of the main window that a start, a load and a close set, at each of those moments, against the table
// in tests/fixtures/main_window_states.txt. A row without its control fails, naming both.
#include <QtWidgets>

#include "GuiTest.h"
#include "IniText.h"

namespace {

struct Row {
    std::array<QString, 3> cells;  // at start, after the load, after the close
    std::string where;
};

// The table, one row per control: "name(a..b)" rows are spread over their elements. A line of another form fails,
// naming its place.
QMap<QString, Row> readTable(const QString& userIni) {
    QMap<QString, Row> table;
    static const QRegularExpression form("^(\\w+)(\\((\\d+)(\\.\\.(\\d+))?\\))?$");
    for (const TableLine& line : tableLines("main_window_states.txt")) {
        const QStringList cells = line.text.split(" | ");
        const QRegularExpressionMatch name = form.match(cells[0]);
        const bool range = !name.captured(5).isEmpty();
        const int first = name.captured(3).toInt(), last = range ? name.captured(5).toInt() : first;
        if (cells.size() != 4 || cells[1] == "=" || !name.hasMatch() || last < first) {
            ADD_FAILURE() << line.unreadable();
            continue;
        }
        for (int i = first; i <= last; ++i) {
            const QString control = range ? QStringLiteral("%1(%2)").arg(name.captured(1)).arg(i) : cells[0];
            Row row{{}, line.where};
            for (std::size_t s = 0; s < row.cells.size(); ++s)
                row.cells[s] =
                    cells[int(s) + 1] == "=" ? row.cells[s - 1] : QString(cells[int(s) + 1]).replace("{user}", userIni);
            EXPECT_FALSE(table.contains(control)) << line.where << ": a second row of " << qPrintable(control);
            table.insert(control, row);
        }
    }
    return table;
}

}  // namespace

using StateTableTest = GuiTest;

TEST_F(StateTableTest, ControlsAtStartAfterALoadAndAfterAClose) {
    copyFixture("User-noinput.ini", "User.ini");
    copyFixture("UT2003.ini");
    // At start, after File > Open, and after File > Close with a row selected (which turns both Move buttons on).
    const char* steps[] = {"start", "answer {dir}/User.ini; trigger mnuFileOpen",
                           "press lblWeaponName(6); trigger mnuFileClose"};
    std::array<QMap<QString, QString>, 3> shown;
    for (std::size_t s = 0; s < shown.size(); ++s) {
        ASSERT_TRUE(act(steps[s]));
        shown[s] = describeControls(window("frmMain"));
    }
    EXPECT_TRUE(messages.empty());

    const char* const moments[] = {"at start", "after the load", "after the close"};
    const QMap<QString, Row> table = readTable(userIni());
    for (auto row = table.begin(); row != table.end(); ++row) {
        EXPECT_TRUE(shown[0].contains(row.key())) << row->where << ": no control " << qPrintable(row.key());
        for (std::size_t s = 0; s < shown.size() && shown[0].contains(row.key()); ++s)
            EXPECT_EQ(shown[s].value(row.key()), row->cells[s])
                << row->where << ": " << qPrintable(row.key()) << " " << moments[s];
    }
}

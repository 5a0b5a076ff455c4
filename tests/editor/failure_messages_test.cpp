// Every handler's failure message that some input can bring about, with its full text and its icon; the cases are
// in fixtures/failure_messages.txt.
#include <set>

#include "GuiTest.h"
#include "IniText.h"

namespace {

struct Failure {
    std::string name;
    TableLine line;  // the case's first line
    QString steps;
    QStringList expected;  // "style | prompt", in order
    bool read = true;      // false: the line is no part of a case, and the case that stands for it fails
    friend void PrintTo(const Failure& failure, std::ostream* os) { *os << failure.line.where; }
};

std::vector<Failure> readFailures() {
    static const QRegularExpression head("^(\\w+): (.+)$");
    std::vector<Failure> failures;
    std::set<std::string> names;
    for (const TableLine& line : tableLines("failure_messages.txt")) {
        const QRegularExpressionMatch match = head.match(line.text);
        if (line.text.startsWith(QLatin1String("  ")) && !failures.empty())
            failures.back().expected << line.text.trimmed();
        else if (match.hasMatch() && names.insert(match.captured(1).toStdString()).second)
            failures.push_back({match.captured(1).toStdString(), line, match.captured(2), {}});
        else
            failures.push_back({"Unread" + std::to_string(failures.size()), line, {}, {}, false});
    }
    return failures;
}

class FailureMessagesTest : public GuiTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(FailureMessagesTest, ShowsItsOwnTextAndIcon) {
    SCOPED_TRACE(GetParam().line.where);
    ASSERT_TRUE(GetParam().read) << GetParam().line.unreadable();
    ASSERT_TRUE(act(GetParam().steps));
    EXPECT_EQ(shownMessages(), GetParam().expected.join('\n').toStdString());
}

INSTANTIATE_TEST_SUITE_P(Handlers, FailureMessagesTest, ::testing::ValuesIn(readFailures()),
                         [](const ::testing::TestParamInfo<Failure>& info) { return info.param.name; });

}  // namespace

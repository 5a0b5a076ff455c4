// Every handler's failure message that some input can bring about, with its full text and its icon; the cases are
// in fixtures/failure_messages.txt.
#include "GuiTest.h"
#include "IniText.h"

namespace {

struct Failure {
    std::string name;
    QString steps;
    QStringList expected;  // "style | prompt", in order
};

std::vector<Failure> readFailures() {
    std::vector<Failure> failures;
    for (const QByteArray& raw : fixtureBytes("failure_messages.txt").split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.startsWith(QLatin1String("  ")))
            failures.back().expected << line.trimmed();
        else if (!line.startsWith('#') && line.contains(QLatin1String(": ")))
            failures.push_back({line.section(": ", 0, 0).toStdString(), line.section(": ", 1), {}});
    }
    return failures;
}

class FailureMessagesTest : public GuiTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(FailureMessagesTest, ShowsItsOwnTextAndIcon) {
    act(GetParam().steps);
    EXPECT_EQ(shownMessages(), GetParam().expected.join('\n').toStdString());
}

INSTANTIATE_TEST_SUITE_P(Handlers, FailureMessagesTest, ::testing::ValuesIn(readFailures()),
                         [](const ::testing::TestParamInfo<Failure>& info) { return info.param.name; });

}  // namespace

#pragma once
// Game-file texts for tests: pieces of well-formed files, a section's lines, a key's value, and a byte-for-byte
// comparison that says where two files differ.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The bytes of tests/fixtures/<name>.
QByteArray fixtureBytes(const char* name);

// A line of a table that a test reads, and its place ("name:number") for the failures that name it.
struct TableLine {
    QString text;
    std::string where;
    std::string unreadable() const { return where + ": cannot read \"" + text.toStdString() + '"'; }
};
// The lines of a table (UTF-8; by default tests/fixtures/<name>) that hold something: blank lines and "#" comments
// left out, line endings removed.
QList<TableLine> tableLines(const char* name, QByteArray table = {});

// A section's text: its header line through the line before the next header (blank lines included), or "".
QByteArray sectionText(const QByteArray& file, const QByteArray& section);
// A section's lines without their endings, blank lines left out; with keys given, only the lines of those keys.
QList<QByteArray> sectionLines(const QByteArray& file, const QByteArray& section, const QList<QByteArray>& keys = {});
// The value of key in section (the first match, names matched exactly), or nothing.
std::optional<QByteArray> iniValue(const QByteArray& file, const QByteArray& section, const QByteArray& key);
// Sets key in section of a file text (the first match) to value; false when the key is not there.
bool replaceIniValue(QByteArray& file, const QByteArray& section, const QByteArray& key, const QByteArray& value);
// The file with "[section] key=value" set, or with the line of "[section] key" removed; a key that is not there fails
// the test.
QByteArray withSetting(QByteArray file, const QString& setting);

// An engine file that every group loads without a message (CR LF).
QByteArray quietEngineFile();
// A player file that every group loads without a message: the given sections' text (may be empty) followed by
// a well-formed weapon list and whatever else the load needs.
QByteArray quietPlayerFile(const QByteArray& sections = QByteArray());

::testing::AssertionResult sameBytes(const QByteArray& actual, const QByteArray& expected);

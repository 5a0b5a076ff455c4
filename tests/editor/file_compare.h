#pragma once
// Byte-for-byte comparison of game files that, when they differ, says where: the first differing line of each.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray fixtureBytes(const char* name) {
    QFile file(QStringLiteral(CORVANE_FIXTURES "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline ::testing::AssertionResult sameBytes(const QByteArray& actual, const QByteArray& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    qsizetype line = 0;
    while (line < a.size() && line < e.size() && a[line] == e[line]) ++line;
    auto show = [](const QList<QByteArray>& lines, qsizetype i) {
        return i < lines.size() ? "\"" + lines[i].toStdString() + "\"" : std::string("(end of file)");
    };
    return ::testing::AssertionFailure() << actual.size() << " bytes where " << expected.size()
                                         << " were expected; first difference on line " << line + 1 << ":\n  is "
                                         << show(a, line) << "\n  expected " << show(e, line);
}

#pragma once
// Points the Wine prefix at a temporary folder whose drive C: is another temporary folder, for the life of
// one object; the previous $WINEPREFIX comes back afterwards.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

class WinePrefix {
  public:
    WinePrefix() : old_(qgetenv("WINEPREFIX")), hadOld_(qEnvironmentVariableIsSet("WINEPREFIX")) {
        QDir(prefix_.path()).mkpath(QStringLiteral("dosdevices"));
        QFile::link(driveC_.path(), prefix_.path() + QStringLiteral("/dosdevices/c:"));
        qputenv("WINEPREFIX", prefix_.path().toLocal8Bit());
    }
    ~WinePrefix() {
        if (hadOld_)
            qputenv("WINEPREFIX", old_);
        else
            qunsetenv("WINEPREFIX");
    }
    WinePrefix(const WinePrefix&) = delete;
    WinePrefix& operator=(const WinePrefix&) = delete;
    // The folder on this machine that drive C: stands for.
    QString driveC() const { return QFileInfo(driveC_.path()).canonicalFilePath(); }

  private:
    QByteArray old_;
    bool hadOld_;
    QTemporaryDir prefix_, driveC_;
};

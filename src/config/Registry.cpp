#include "config/Registry.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/paths.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/text.h"
#include "platform/registry.h"

namespace {
constexpr std::size_t kBufferSize = 1024;
}

bool QueryRegValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& ValueName, QString& KeyVal) {
    platform::RegKey key = 0;
    // The key is opened with read and write rights, as the game's own tools ask for it.
    if (platform::regOpenKeyEx(KeyRoot, toAnsi(KeyName), platform::kKeyAllReadWrite, key) != platform::kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
    const long status = platform::regQueryValueEx(key, toAnsi(ValueName), type, data, kBufferSize);
    if (status != platform::kErrorSuccess) {
        KeyVal.clear();
        platform::regCloseKey(key);
        return false;
    }
    // A value that fills the buffer without a zero byte is taken whole: nothing is cut.
    data.resize(kBufferSize, 0);
    const auto zero = std::find(data.begin(), data.end(), 0);
    const std::string text(data.begin(), zero);
    if (type == platform::kRegSz) {
        KeyVal = fromAnsi(text);
    } else if (type == platform::kRegDword) {
        std::uint32_t value = 0;
        std::memcpy(&value, data.data(), sizeof value);
        KeyVal = QString::number(value);
    }
    platform::regCloseKey(key);
    return true;
}

QString GetGameFolder() {
    try {
        QString folder;
        QueryRegValue(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Unreal Technology\\Installed Apps\\UT2003"),
                      QStringLiteral("Folder"), folder);
        if (folder.isEmpty()) return folder;
        return fromNativePath(platform::hostPath(toNativePath(folder)));
    } catch (...) {
        MsgBox(QStringLiteral("The UT2003 Folder Path Could Not Be read From Registry"), vbOKOnly);
        return QString();
    }
}

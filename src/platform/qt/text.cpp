#include "platform/qt/text.h"

#include "platform/codepage.h"
#include "platform/error.h"

QString fromAnsi(const std::string& bytes) {
    const std::u16string text = platform::fromCp1252(bytes);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toAnsi(const QString& text) {
    return platform::toCp1252(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
}

std::string toNativePath(const QString& path) {
    return path.toStdString();
}

QString fromNativePath(const std::string& path) {
    return QString::fromStdString(path);
}

QString errorDescription(const std::exception& error) {
    if (auto* app = dynamic_cast<const platform::AppError*>(&error)) return QString::fromStdString(app->description());
    return QString::fromLocal8Bit(error.what());
}

QString errorSource(const std::exception& error) {
    if (auto* app = dynamic_cast<const platform::AppError*>(&error)) return QString::fromStdString(app->source());
    return QString::fromLatin1(platform::kErrorSource);
}

QString failureMessage(const std::exception& error, const QString& separator, const QString& tail) {
    return QStringLiteral("Error ") + errorDescription(error) + separator + errorSource(error) + tail;
}

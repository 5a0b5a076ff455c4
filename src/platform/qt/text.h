#pragma once
// QString to and from the 8-bit code page of the game files, and file paths to native byte strings.
#include <QString>
#include <string>

QString fromAnsi(const std::string& bytes);
// Raises platform::AppError("Invalid procedure call or argument") for a character the code page cannot hold.
std::string toAnsi(const QString& text);
// Paths go to the file system in its own encoding (UTF-8 here), not through the code page.
std::string toNativePath(const QString& path);
QString fromNativePath(const std::string& path);
// Error message parts of a caught exception: AppError gives its own, anything else its what() and our source.
QString errorDescription(const std::exception& error);
QString errorSource(const std::exception& error);
// A handler's failure message: "Error ", the error's description, the separator, its source and the tail.
QString failureMessage(const std::exception& error, const QString& separator, const QString& tail);

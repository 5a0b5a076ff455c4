#include "platform/qt/startprogram.h"

#include "platform/process.h"
#include "platform/qt/text.h"

namespace {
std::function<void(const QString&, int)>& startHandler() {
    static std::function<void(const QString&, int)> handler;
    return handler;
}
}  // namespace

void setStartProgramHandler(std::function<void(const QString& path, int showState)> handler) {
    startHandler() = std::move(handler);
}

void StartProgram(const QString& path, int showState) {
    if (startHandler()) return startHandler()(path, showState);
    platform::startProgram(toNativePath(path), showState);
}

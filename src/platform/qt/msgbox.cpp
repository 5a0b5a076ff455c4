#include "platform/qt/msgbox.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/qt/text.h"

namespace {
std::function<int(const QString&, int)>& msgBoxHandler() {
    static std::function<int(const QString&, int)> handler;
    return handler;
}
}  // namespace

void setMsgBoxHandler(std::function<int(const QString& prompt, int style)> handler) {
    msgBoxHandler() = std::move(handler);
}

int MsgBox(const QString& prompt, int style) {
    if (msgBoxHandler()) return msgBoxHandler()(prompt, style);
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(kAppTitle);
    box.setText(text);
    switch (style & 0x70) {
        case vbCritical:
            box.setIcon(QMessageBox::Critical);
            break;
        case vbExclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case vbInformation:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            box.setIcon(QMessageBox::NoIcon);
            break;
    }
    if ((style & 0x7) == vbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return vbOK;
}

void showFailure(const std::exception& error, const Failure& failure) {
    MsgBox(failureMessage(error, failure.separator, failure.tail), failure.style);
}

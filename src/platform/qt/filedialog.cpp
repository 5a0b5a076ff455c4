#include "platform/qt/filedialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace {
std::function<QString(const FileDialogRequest&)>& fileDialogHandler() {
    static std::function<QString(const FileDialogRequest&)> handler;
    return handler;
}

// "Label (pattern)|pattern|..." to Qt's "Label (pattern);;...": the pattern of each pair is the one that counts.
QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split(QChar('|'));
    QStringList pairs;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i];
        const qsizetype paren = label.lastIndexOf(QStringLiteral(" ("));
        if (paren > 0) label.truncate(paren);
        pairs << QStringLiteral("%1 (%2)").arg(label, QString(parts[i + 1]).replace(QChar(';'), QChar(' ')));
    }
    return pairs.join(QStringLiteral(";;"));
}
}  // namespace

void setFileDialogHandler(std::function<QString(const FileDialogRequest&)> handler) {
    fileDialogHandler() = std::move(handler);
}

QString ShowFileDialog(const FileDialogRequest& request) {
    if (fileDialogHandler()) return fileDialogHandler()(request);
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialFolder, qtFilter(request.filter));
    if (request.kind == FileDialogRequest::Kind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        QString ext = request.defaultExtension;
        if (ext.startsWith(QChar('.'))) ext.remove(0, 1);
        dialog.setDefaultSuffix(ext);
        // Without flag 2 the dialog does not ask before overwriting an existing file.
        if (!(request.flags & 2)) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

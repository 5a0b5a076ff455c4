#pragma once
// The common file dialog: one request, one call, the chosen full path or "" on Cancel.
#include <QString>
#include <functional>

struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString filter;         // "Label (pattern)|pattern|..."
    QString initialFolder;  // empty: none set
    int flags = 0;          // 2: ask before overwriting an existing file
    QString defaultExtension;
};

QString ShowFileDialog(const FileDialogRequest& request);

// Seam: a test answers the dialog; an empty function restores the real one.
void setFileDialogHandler(std::function<QString(const FileDialogRequest&)> handler);

#include "editor/FileViewer.h"

#include <QFile>

#include "editor/frmMain.h"

FileViewer::FileViewer(frmMain& main) : main_(main) {}
FileViewer::~FileViewer() = default;
void FileViewer::closeViewFile() {}
void FileViewer::resetTexts() {}
void FileViewer::cmdOpenRefresh_Click() {}
void FileViewer::cmdCloseFile_Click() {}
void FileViewer::cmdLaunch_Click() {}

#pragma once
// Pictures shown in picture boxes: loaded from JPEG files by path, and the decorative icons of the tabs.
#include <QString>

class QLabel;
class QWidget;

namespace editor {

// Loads the picture at path into box. Raises platform::AppError ("File not found" for a missing file,
// "Invalid picture" for a file that is no picture); the box then keeps what it showed.
void LoadPicture(QLabel* box, const QString& path);

// A decorative picture of the tabs: a 48 x 48 icon of the program's "icons" folder in a 52 x 52 sunken box
// at (left, top) of page. A missing icon leaves the box empty.
QLabel* makeDecorativePicture(QWidget* page, const QString& name, const QString& iconFile, int left, int top);

}  // namespace editor

#pragma once
// Pictures shown in picture boxes, loaded from JPEG files by path.
#include <QString>

class QLabel;

// Loads the picture at path into box. Raises platform::AppError ("File not found" for a missing file,
// "Invalid picture" for a file that is no picture); the box then keeps what it showed.
void LoadPicture(QLabel* box, const QString& path);

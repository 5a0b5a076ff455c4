#include "editor/Pictures.h"

#include <QFileInfo>
#include <QLabel>
#include <QPixmap>

#include "platform/error.h"

void LoadPicture(QLabel* box, const QString& path) {
    if (!QFileInfo(path).isFile()) throw platform::AppError(platform::kFileNotFound);
    QPixmap picture;
    if (!picture.load(path)) throw platform::AppError(platform::kInvalidPicture);
    box->setPixmap(picture);
    box->setProperty("picturePath", path);
}

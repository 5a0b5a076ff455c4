#include "editor/Pictures.h"

#include <QFileInfo>
#include <QLabel>
#include <QPixmap>

#include "config/Startup.h"
#include "platform/error.h"

namespace editor {

void LoadPicture(QLabel* box, const QString& path) {
    if (!QFileInfo(path).isFile()) throw platform::AppError(platform::kFileNotFound);
    QPixmap picture;
    if (!picture.load(path)) throw platform::AppError(platform::kInvalidPicture);
    box->setPixmap(picture);
    box->setProperty("picturePath", path);
}

QLabel* makeDecorativePicture(QWidget* page, const QString& name, const QString& iconFile, int left, int top) {
    auto* box = new QLabel(page);
    box->setObjectName(name);
    box->setGeometry(left, top, 52, 52);
    box->setFrameShape(QFrame::Panel);
    box->setFrameShadow(QFrame::Sunken);
    box->setLineWidth(2);
    box->setAlignment(Qt::AlignCenter);
    const QString path = joinPath(programFolder(), QStringLiteral("icons/") + iconFile);
    const QPixmap picture(path);
    if (QFileInfo(path).isFile() && !picture.isNull())
        box->setPixmap(picture.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return box;
}

}  // namespace editor

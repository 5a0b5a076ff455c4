#include "info/frmTextInfo.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QPlainTextEdit>

#include "config/MainWindow.h"
#include "config/Startup.h"
#include "platform/files.h"
#include "platform/qt/controls.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/text.h"

frmTextInfo::frmTextInfo(const TextInfoConfig& config) : config_(config) {
    setObjectName(QLatin1String(config.formName));
    // A window of its own, without owner, so the user can switch between it and the editor.
    setWindowFlags(Qt::Window);
    setWindowTitle(QLatin1String(config.caption));
    const QString iconPath = joinPath(programFolder(), QStringLiteral("icons/corvane.png"));
    if (QFileInfo(iconPath).isFile()) setWindowIcon(QIcon(iconPath));
    resize(tw(11880), tw(8490));

    textBox = new QPlainTextEdit(this);
    textBox->setObjectName(QLatin1String(config.textBoxName));
    textBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The texts are laid out in columns for a fixed-pitch font.
    textBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    textBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textBox->setGeometry(0, 0, tw(11775), tw(8415));
    setFocusProxy(textBox);
}

frmTextInfo::~frmTextInfo() = default;

void frmTextInfo::Form_Load() {
    runHandler({QStringLiteral(" - "), QLatin1String(config_.loadTail), vbInformation}, [&] {
        ResizeTextBox();
        // Only a regular file is opened: a named pipe would block the window until some other program wrote to it.
        file_ = std::make_unique<platform::ReadOnlyFile>(
            toNativePath(joinPath(programFolder(), QLatin1String(config_.fileName))));
        // A file that opens but cannot be read is reported like a missing one; the box stays empty.
        textBox->setPlainText(fromAnsi(file_->readAll()));
    });
}

void frmTextInfo::Form_Unload() {
    runHandler({QStringLiteral(" - "), QLatin1String(config_.unloadTail), vbInformation}, [&] {
        file_.reset();
        // Whatever was typed into the box is dropped: the file is never written.
        textBox->clear();
        hide();
        if (QWidget* main = loadedMainWindow()) main->activateWindow();
    });
}

void frmTextInfo::ResizeTextBox() {
    if (!textBox) return;
    // The box is the window's outer size less the margins of its frame and caption bar, 125 twips across and
    // 500 down. Here the window manager draws both outside the client area, and a window's frame is not even
    // known before it is first shown: what is left of the outer size without them is the client area, whole.
    textBox->setGeometry(rect());
}

bool frmTextInfo::holdsFile() const {
    return file_ != nullptr;
}

void frmTextInfo::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ResizeTextBox();
}

void frmTextInfo::closeEvent(QCloseEvent* event) {
    event->accept();
    forms::unload(this);
}

frmAliasNFO::frmAliasNFO()
    : frmTextInfo({"frmAliasNFO", "///Quarl Aliases Setup Information", "txtAliasNFO", "UT2003_Aliases.txt",
                   " While Loading Alias Information Form!\rMake Sure UT2003_ALIases.txt File has not been "
                   "Deleted,Renamed, or Reloacated!",
                   " While Unloading Alias Form!"}) {}

frmSpeechNFO::frmSpeechNFO()
    : frmTextInfo({"frmSpeechNFO", "///Quarl Speech + Taunt List", "txtSpeechNFO", "Taunt.txt",
                   " While Loading Speech Informaition Form!\rPlease Make Sure Taunt.txt has not been Deleted, "
                   "Renamed, or Relocated!",
                   " While Unloading Speech Information Form!"}) {}

#include "info/frmAbout.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

#include "config/Registry.h"
#include "config/Startup.h"
#include "platform/paths.h"
#include "platform/qt/controls.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/startprogram.h"
#include "platform/qt/text.h"

namespace {

const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

QFont boldFont(const QFont& base, qreal points) {
    QFont font = base;
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// A line of the etched separator: a thin strip filled with one colour.
QFrame* makeLine(QWidget* parent, int index, const QColor& colour, int left, int top, int right, int thickness) {
    auto* line = new QFrame(parent);
    line->setObjectName(arrayName("Line1", index));
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setGeometry(tw(left), tw(top), tw(right) - tw(left), thickness);
    return line;
}

// A registry value holds a Windows path; the same file on this machine is found through the Wine prefix.
QString hostFile(const QString& windowsPath) {
    return fromNativePath(platform::hostPath(toNativePath(windowsPath)));
}

// The tool's file in folder, or "" when there is none. Windows names match without regard to case, and a Wine
// prefix holds the file in lower case, so another spelling of the name counts when the exact one is absent.
QString toolInFolder(const QString& folder) {
    if (folder.isEmpty()) return QString();
    const QString exact = folder + QStringLiteral("/MSINFO32.EXE");
    if (platform::isRegularFile(toNativePath(exact))) return exact;
    const QStringList names = QDir(folder).entryList({QStringLiteral("MSINFO32.EXE")}, QDir::Files | QDir::Hidden,
                                                     QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        const QString path = folder + QLatin1Char('/') + name;
        if (platform::isRegularFile(toNativePath(path))) return path;
    }
    return QString();
}

}  // namespace

frmAbout::frmAbout() {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About :: ///Quarl's .INI Editor"));
    // A fixed dialog frame: a close box, no minimise or maximise buttons.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(tw(5865), tw(3525));
    // The texts are laid out for the design's small dialog font.
    QFont small = font();
    small.setPointSizeF(8.25);
    setFont(small);
    setSizeGripEnabled(false);
    const QString iconPath = joinPath(programFolder(), QStringLiteral("icons/corvane.png"));
    if (QFileInfo(iconPath).isFile()) setWindowIcon(QIcon(iconPath));

    picIcon = makeLabel(this, QStringLiteral("picIcon"), QString(), twipsRect(120, 120, 2040, 2040));
    picIcon->setAutoFillBackground(true);
    QPalette grey = picIcon->palette();
    grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    picIcon->setPalette(grey);
    // The box takes the size of its picture; without the logo file it keeps its design size, empty.
    const QPixmap logo(joinPath(programFolder(), QStringLiteral("logo.png")));
    if (!logo.isNull()) {
        picIcon->setPixmap(logo);
        picIcon->resize(logo.size());
    }

    lblTitle = makeLabel(this, QStringLiteral("lblTitle"), QString(), twipsRect(2400, 240, 3255, 480));
    lblTitle->setFont(boldFont(font(), 9.75));
    lblVersion = makeLabel(this, QStringLiteral("lblVersion"), QString(), twipsRect(2370, 780, 3375, 225));
    lblVersion->setFont(boldFont(font(), 8.25));
    lblNFO = makeLabel(this, QStringLiteral("lblNFO"),
                       QStringLiteral("Questions or problems? Write to the Corvane developers: corvane@example.org"),
                       twipsRect(2280, 1200, 3495, 855));
    lblNFO->setFrameShape(QFrame::Box);
    lblNFO->setWordWrap(true);
    lblNFO->setMargin(2);
    lblDescription =
        makeLabel(this, QStringLiteral("lblDescription"),
                  QStringLiteral("Edits the player and engine settings of UT2003."), twipsRect(690, 2205, 4785, 210));

    Line1[1] = makeLine(this, 1, QColor(0x80, 0x80, 0x80), 225, 2430, 5657, 1);
    Line1[0] = makeLine(this, 0, QColor(0xFF, 0xFF, 0xFF), 240, 2445, 5657, 2);

    lblDisclaimer = makeLabel(this, QStringLiteral("lblDisclaimer"),
                              QStringLiteral("This product was developed for use with Unreal Technologies UNREAL "
                                             "TOURNEMENT 2003.  UT2003 Must be installed on your system for this to "
                                             "work correctly."),
                              twipsRect(255, 2625, 3870, 825));
    lblDisclaimer->setWordWrap(true);
    for (QLabel* label : {picIcon, lblTitle, lblVersion, lblNFO, lblDescription, lblDisclaimer})
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(tw(4245), tw(2625), tw(1467), tw(345));
    // The default button: Enter presses it unless another button has the focus, which Enter then presses; Esc
    // reaches OK through reject().
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(tw(4260), tw(3075), tw(1452), tw(345));
    cmdSysInfo->setAutoDefault(true);
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
}

void frmAbout::Form_Load() {
    lblVersion->setText(QStringLiteral("Version ") + versionText());
    lblTitle->setText(kAppTitle);
}

void frmAbout::showModalOver(QWidget* owner) {
    if (owner) {
        // Owned by the main window: no task bar entry of its own, and it stays above its owner.
        setParent(owner, windowFlags());
        const QRect area = owner->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    // The window unloads itself when it closes; nothing of it may be touched after exec() returns.
    exec();
}

void frmAbout::cmdOK_Click() {
    forms::unload(this);
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    try {
        QString value;
        QString program;
        if (QueryRegValue(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                          QStringLiteral("PATH"), value)) {
            // This value names the tool itself; the start finds out whether it is there.
            program = hostFile(value);
        } else if (QueryRegValue(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                                 QStringLiteral("MSINFO"), value)) {
            program = toolInFolder(hostFile(value));
        }
        if (program.isEmpty()) {
            MsgBox(kUnavailable, vbOKOnly);
            return;
        }
        StartProgram(program, vbNormalFocus);
    } catch (const std::exception&) {
        MsgBox(kUnavailable, vbOKOnly);
    }
}

void frmAbout::closeEvent(QCloseEvent* event) {
    event->accept();
    forms::unload(this);
}

void frmAbout::reject() {
    cmdOK_Click();
}

#include "config/frmOptions.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

#include "config/MainWindow.h"
#include "config/Registry.h"
#include "config/Startup.h"
#include "platform/error.h"
#include "platform/numbers.h"
#include "platform/qt/controls.h"
#include "platform/qt/filedialog.h"
#include "platform/qt/msgbox.h"

namespace {

const QString kUserIniName = QStringLiteral("User.ini");
const QString kNoUserIniPath =
    QStringLiteral("Please Use the 'Set User.ini' Path Button to Locate the User.ini File (B)");

// A check box the user moves between clear and checked only; the greyed state comes from the settings file
// alone, and a click on a greyed box checks it.
class SettingCheckBox : public QCheckBox {
  public:
    SettingCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

  protected:
    void nextCheckState() override {
        if (checkState() == Qt::PartiallyChecked) {
            setTristate(false);
            setCheckState(Qt::Checked);
            return;
        }
        QCheckBox::nextCheckState();
    }
};

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, const QRect& rect) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(rect);
    return button;
}

// The file that Save As copies. While the main window has a file open, Save As copies that file: the paths
// found here take effect at the next load, which sets it again.
void setCopySource(const QString& path) {
    if (!FileIsOpen) OpenedUseriniPath = path;
}

}  // namespace

frmOptions::frmOptions() {
    setObjectName(QStringLiteral("frmOptions"));
    // A tool window stays out of the task bar; the fixed border has no minimise or maximise button.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("///Quarl INI Editor Setup Options"));
    const QString iconPath = joinPath(programFolder(), QStringLiteral("icons/corvane.png"));
    if (QFileInfo(iconPath).isFile()) setWindowIcon(QIcon(iconPath));
    setFixedSize(tw(9195), tw(4695));
    // The controls are sized for an 8-point dialog font.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    buildControls();
    // The path labels show paths of this machine, which may hold anything, markup included: as text only.
    for (QLabel* label : findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
}

void frmOptions::buildControls() {
    const char* setupCaptions[] = {
        "Quarl.INI Editor Path ::", "User.ini Path ::", "UT2003.ini Path ::", "UT2003.exe Path ::"};
    for (int i = 0; i < 4; ++i) {
        const auto n = static_cast<std::size_t>(i);
        lblPathSetup[n] = makeLabel(this, arrayName("lblPathSetup", i), QString::fromLatin1(setupCaptions[i]),
                                    twipsRect(120, 240 + 600 * i, 2055, 255));
        lblPathSetup[n]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblPathSetup[n]->setFrameShape(QFrame::Box);

        lblPathStr[n] =
            makeLabel(this, arrayName("lblPathStr", i), QString(), twipsRect(2280, 120 + 600 * i, 5175, 495));
        lblPathStr[n]->setFrameShape(QFrame::Box);
        lblPathStr[n]->setWordWrap(true);
        lblPathStr[n]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        lblPathStr[n]->setAutoFillBackground(true);
        QPalette palette = lblPathStr[n]->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Dark));
        lblPathStr[n]->setPalette(palette);
    }
    cmdSetPaths[0] = makeButton(this, arrayName("cmdSetPaths", 0), QStringLiteral("Set Quarl.ini Path"),
                                twipsRect(7560, 120, 1455, 435));
    cmdSetPaths[1] = makeButton(this, arrayName("cmdSetPaths", 1), QStringLiteral("Set User.ini Path"),
                                twipsRect(7560, 720, 1455, 435));
    // The two buttons grow alike towards the window's right edge as far as their captions need in this
    // platform's font.
    const int setPathsWidth = std::max(fitCaption(cmdSetPaths[0]).width(), fitCaption(cmdSetPaths[1]).width());
    for (QPushButton* button : cmdSetPaths)
        button->resize(std::min(setPathsWidth, width() - 2 - button->x()), button->height());

    Picture1 = makeLabel(this, QStringLiteral("Picture1"), QString(), twipsRect(120, 2520, 2055, 2055));
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Sunken);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setFocusPolicy(Qt::TabFocus);
    // The logo is optional: without it the box stays empty.
    const QPixmap logo(joinPath(programFolder(), QStringLiteral("logo.png")));
    if (!logo.isNull()) Picture1->setPixmap(logo);

    const char* checkCaptions[] = {"Get Application Paths From Registry On Startup", "Show Splash Screen On Startup",
                                   "Automatically Open The UT2003 INI Files On Startup.",
                                   "Show This Options Form On Startup"};
    const char* checkTips[] = {
        "Enable / Disable Automatic Reading Of Registry to Determine File Paths.  If enabled it will eliminate the "
        "need to search for INI file Paths.",
        "Enables / Disables Splash Screen On Startup",
        "Click If you Want To Enable Opening Of Other Saved User.INI Files. For Instance Some People Save Different "
        "Variations of there User.INI File as another Name. Then Rename Them When they Want To Use Them.",
        "Check To Show Option Screen On Startup. (Usually Only Needed To Set Up Paths)"};
    for (int i = 0; i < 4; ++i) {
        auto* box = new SettingCheckBox(QString::fromLatin1(checkCaptions[i]), this);
        box->setObjectName(arrayName("chkINISettings", i));
        box->setToolTip(QString::fromLatin1(checkTips[i]));
        // Each box takes the 16 pixels of its row and reaches the right-hand buttons' edge, so that neither its
        // box nor its caption is cut in this platform's font.
        box->setGeometry(tw(2280), tw(2640 + 240 * i), tw(9015 - 2280), tw(240));
        chkINISettings[static_cast<std::size_t>(i)] = box;
    }

    txtTimerValue = new QLineEdit(this);
    txtTimerValue->setObjectName(QStringLiteral("txtTimerValue"));
    txtTimerValue->setGeometry(tw(2280), tw(3600), tw(615), tw(285));
    lblTxtTimerVal =
        makeLabel(this, QStringLiteral("lblTxtTimerVal"), QStringLiteral("Splash Screen Timer [msec] (1000 = 1 Sec)"),
                  twipsRect(3000, 3600, 3615, 255));

    cmdOK = makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), twipsRect(2280, 3975, 1095, 375));
    cmdCancel =
        makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), twipsRect(3480, 3975, 1095, 375));
    cmdApply = makeButton(this, QStringLiteral("cmdApply"), QStringLiteral("&Apply"), twipsRect(4680, 3975, 1095, 375));

    const QList<QWidget*> order = {cmdOK,
                                   cmdCancel,
                                   cmdApply,
                                   cmdSetPaths[0],
                                   cmdSetPaths[1],
                                   chkINISettings[0],
                                   chkINISettings[1],
                                   chkINISettings[2],
                                   chkINISettings[3],
                                   Picture1,
                                   txtTimerValue};
    for (qsizetype i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
    for (int i = 0; i < 2; ++i)
        connect(cmdSetPaths[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdSetPaths_Click(i); });
}

void frmOptions::setGamePaths(const QString& userIni, const QString& folder) {
    UseriniPath = userIni;
    UT2003iniPath = folder + QStringLiteral("UT2003.ini");
    UT2003exePath = folder + QStringLiteral("UT2003.exe");
    lblPathStr[1]->setText(UseriniPath);
    lblPathStr[2]->setText(UT2003iniPath);
    lblPathStr[3]->setText(UT2003exePath);
}

bool frmOptions::pathsFromRegistry() {
    const QString gameFolder = GetGameFolder();
    // A game missing from the registry gives no folder: paths built from nothing would be stored as
    // "/System/User.ini", so the saved path (or the user) decides instead.
    if (gameFolder.isEmpty()) return false;
    const QString systemFolder = joinPath(gameFolder, QStringLiteral("System/"));
    setGamePaths(systemFolder + kUserIniName, systemFolder);
    setCopySource(UseriniPath);
    SaveOptions();
    return true;
}

void frmOptions::Form_Load() {
    runHandler({QStringLiteral(", "),
                QStringLiteral(" While Opening Options Form!!\rPlease Ensure You Have UT2003 Installed On "
                               "your System!! This Program will only work with UT2003 Installed on your "
                               "System!"),
                vbExclamation},
               [&] {
                   // A settings file picked earlier with "Set Quarl.ini Path" is dropped here.
                   SettingsIniPath = joinPath(programFolder(), QStringLiteral("Quarl.ini"));
                   lblPathStr[0]->setText(SettingsIniPath);
                   for (std::size_t i = 0; i < chkINISettings.size(); ++i) {
                       const QString value = ReadSetting(SettingKeys[i], QStringLiteral("0"));
                       setCheckValue(chkINISettings[i], platform::toInt(value.toStdString()));
                   }
                   txtTimerValue->setText(ReadSetting(QStringLiteral("SplashTimeMsec"), QStringLiteral("1000")));

                   if (chkINISettings[0]->checkState() == Qt::Checked && pathsFromRegistry()) return;

                   const QString saved = ReadSetting(QStringLiteral("UT2003UserINIPath"), QString());
                   if (!saved.isEmpty()) {
                       // The folder is the path less its last 8 characters, whatever the file's name is.
                       if (saved.size() < kUserIniName.size()) throw platform::AppError(platform::kInvalidCall);
                       setGamePaths(saved, saved.left(saved.size() - kUserIniName.size()));
                       setCopySource(saved);
                       return;
                   }

                   forms::showModeless(this);
                   MsgBox(QStringLiteral("Please Set 'User.ini' File Path!, Browse Your Computer & Locate the File!"),
                          vbInformation);
                   SetUserIniPath();
               });
}

void frmOptions::SetUserIniPath() {
    runHandler({QStringLiteral(", "), QStringLiteral(" While Setting User.ini File!"), vbExclamation}, [&] {
        FileDialogRequest request;
        request.kind = FileDialogRequest::Kind::Open;
        request.title = QStringLiteral("Open :: Select Your UT2003 'User.ini' File");
        request.filter = QStringLiteral("User.ini (User.ini)|User.ini");
        for (;;) {
            const QString name = ShowFileDialog(request);
            if (name.isEmpty()) return;
            if (name.size() < kUserIniName.size()) throw platform::AppError(platform::kInvalidCall);
            // The name test respects case: "user.ini" is refused.
            if (name.right(kUserIniName.size()) == kUserIniName) {
                setGamePaths(name, name.left(name.size() - kUserIniName.size()));
                return;
            }
            MsgBox(QStringLiteral("Improper File Selected. Please Choose the 'User.ini' File"), vbOKOnly);
        }
    });
}

void frmOptions::cmdSetPaths_Click(int Index) {
    runHandler({QStringLiteral(", "), QStringLiteral(" While Setting Paths!"), vbExclamation}, [&] {
        if (Index == 1) {
            SetUserIniPath();
            return;
        }
        FileDialogRequest request;
        request.kind = FileDialogRequest::Kind::Open;
        request.title = QStringLiteral("Open");
        request.filter = QStringLiteral("Quarl.ini (Quarl.ini)|Quarl.ini");
        const QString name = ShowFileDialog(request);
        if (name.isEmpty()) return;
        // Every reader and writer of the settings file uses this one until the window is loaded again.
        SettingsIniPath = name;
        lblPathStr[0]->setText(name);
    });
}

void frmOptions::SaveOptions() {
    runHandler({QStringLiteral(", "), QStringLiteral(" While Trying to Write to Quarl.ini File!"), vbExclamation}, [&] {
        // The splash time is stored as typed, number or not; an empty box means one second.
        const QString splashTime = txtTimerValue->text();
        std::vector<std::pair<QString, QString>> keys = {{QStringLiteral("QuarliniPath"), lblPathStr[0]->text()},
                                                         {QStringLiteral("UT2003UserINIPath"), lblPathStr[1]->text()},
                                                         {QStringLiteral("GamePath"), UT2003exePath}};
        for (std::size_t i = 0; i < chkINISettings.size(); ++i)
            keys.emplace_back(SettingKeys[i], QString::number(checkValue(chkINISettings[i])));
        keys.emplace_back(QStringLiteral("SplashTimeMsec"), splashTime.isEmpty() ? QStringLiteral("1000") : splashTime);
        // A key that cannot be written keeps none of the others out of the file: each is tried, and the first
        // failure is reported once, after the last.
        std::exception_ptr failure;
        for (const auto& [key, value] : keys) {
            try {
                WriteSetting(key, value);
            } catch (const std::exception&) {
                if (!failure) failure = std::current_exception();
            }
        }
        if (failure) std::rethrow_exception(failure);
    });
}

void frmOptions::cmdApply_Click() {
    runHandler({QStringLiteral(", "), QStringLiteral(" Make Sure All Paths Are Valid"), vbExclamation}, [&] {
        if (lblPathStr[1]->text().isEmpty()) {
            MsgBox(kNoUserIniPath, vbInformation);
            return;
        }
        SaveOptions();
    });
}

void frmOptions::cmdOK_Click() {
    runHandler({QStringLiteral(", "), QStringLiteral(" Ensure All Paths Are Valid!"), vbExclamation}, [&] {
        if (lblPathStr[1]->text().isEmpty()) {
            MsgBox(kNoUserIniPath, vbCritical);
            return;
        }
        SaveOptions();
        // The main window's load unloads this window; when it is already loaded it only comes forward.
        showMainWindow();
        forms::unload(this);
    });
}

void frmOptions::cmdCancel_Click() {
    forms::unload(this);
}

void frmOptions::closeEvent(QCloseEvent* event) {
    event->accept();
    forms::unload(this);
}

void frmOptions::reject() {
    cmdCancel_Click();
}

#include "editor/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QProxyStyle>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <numeric>

#include "config/Startup.h"
#include "config/frmOptions.h"
#include "config/frmSplash.h"
#include "editor/ClientGroup.h"
#include "editor/DisplayGroup.h"
#include "editor/FileViewer.h"
#include "editor/GroupControls.h"
#include "editor/HudGroup.h"
#include "editor/InputGroup.h"
#include "editor/PlayerGroup.h"
#include "editor/WeaponGroup.h"
#include "info/frmAbout.h"
#include "info/frmTextInfo.h"
#include "platform/numbers.h"
#include "platform/qt/controls.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/startprogram.h"

namespace {

// The platform's tabs with another margin beside each caption.
class TabStripStyle : public QProxyStyle {
  public:
    explicit TabStripStyle(int margin) : margin_(margin) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        return metric == PM_TabBarTabHSpace ? margin_ : QProxyStyle::pixelMetric(metric, option, widget);
    }

  private:
    int margin_;
};

// All tabs in one row, drawn as the platform draws tabs, with their captions whole in the window's font: the
// margin beside each caption shrinks as far as the strip's design width needs, but not below a narrow margin,
// and where the row is still too wide the strip grows.
void fitTabsInOneRow(QTabWidget* tabs) {
    constexpr int kNarrowestMargin = 8;
    QTabBar* bar = tabs->tabBar();
    const int margin = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    const int excess = bar->sizeHint().width() - tabs->width();
    // Each pixel of margin taken away narrows the row by one pixel a tab.
    const int fitted =
        excess <= 0 ? margin : std::max(margin - (excess + bar->count() - 1) / bar->count(), kNarrowestMargin);
    if (fitted != margin) {
        auto* style = new TabStripStyle(fitted);
        style->setParent(bar);
        bar->setStyle(style);
    }
    fitCaption(tabs);
}

QToolButton* makeToolButton(QWidget* parent, const char* name, const QIcon& icon, const QString& tooltip, int left) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    button->setToolTip(tooltip);
    button->setGeometry(tw(left), 0, tw(540), tw(540));
    button->setAutoRaise(false);
    return button;
}

QIcon toolbarIcon(const QString& file, QStyle::StandardPixmap fallback) {
    const QString path = joinPath(programFolder(), QStringLiteral("icons/") + file);
    if (QFileInfo(path).isFile()) return QIcon(path);
    return QApplication::style()->standardIcon(fallback);
}

}  // namespace

frmMain::frmMain() {
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The window is laid out at fixed positions for an 8-point font; every control inherits it.
    QFont font = QApplication::font();
    font.setPointSize(8);
    setFont(font);
    const QString iconPath = joinPath(programFolder(), QStringLiteral("icons/corvane.png"));
    if (QFileInfo(iconPath).isFile()) setWindowIcon(QIcon(iconPath));
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);
    buildMenus();
    buildToolBar();
    buildTabs();
    buildStatusBar();
    buildGroups();
    // The toolbar spans the tab strip, and the path of the open file takes the width that the strip gained.
    picToolBar->resize(SSTab1->width(), picToolBar->height());
    lblOFile->resize(lblOFile->width() + pageGrowth_, lblOFile->height());
    // The controls keep their places whatever the window's size; the window opens as wide as the tab strip and
    // may be made smaller, which cuts them off at its edges.
    resize(SSTab1->width(), menuBar()->sizeHint().height() + tw(540) + tw(7335) + sbStatusBar->sizeHint().height());
    buildProcedures();
    // Labels show file values and paths as they are: text that looks like markup is not rendered.
    for (QLabel* label : findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);

    // Ctrl+C and Ctrl+O belong to the File menu wherever the focus is, text boxes included.
    qApp->installEventFilter(this);
}

frmMain::~frmMain() {
    qApp->removeEventFilter(this);
}

void frmMain::buildMenus() {
    auto addItem = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    auto addBar = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QLatin1String(name)); };

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileOpen = addItem(mnuFile, "mnuFileOpen", QStringLiteral("&Open..."));
    mnuFileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileClose = addItem(mnuFile, "mnuFileClose", QStringLiteral("&Close"));
    mnuFileClose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    addBar(mnuFile, "mnuFileBar0");
    mnuFileSave = addItem(mnuFile, "mnuFileSave", QStringLiteral("&Save"));
    mnuSaveAs = addItem(mnuFile, "mnuSaveAs", QStringLiteral("Save &As"));
    addBar(mnuFile, "mnuFileBar1");
    mnuFileExit = addItem(mnuFile, "mnuFileExit", QStringLiteral("E&xit"));

    mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    addBar(mnuEdit, "mnuEditBar1");
    mnuEditmnuUserOptions = addItem(mnuEdit, "mnuEditmnuUserOptions", QStringLiteral("User Opt&ions"));

    mnuView = menuBar()->addMenu(QStringLiteral("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuViewStatusBar = addItem(mnuView, "mnuViewStatusBar", QStringLiteral("Status &Bar"));
    mnuViewStatusBar->setCheckable(true);
    mnuViewStatusBar->setChecked(true);
    addBar(mnuView, "mnuViewBar1");
    mnuAliasLNCH = addItem(mnuView, "mnuAliasLNCH", QStringLiteral("A&liases Info"));
    mnuSpeechLNCH = addItem(mnuView, "mnuSpeechLNCH", QStringLiteral("S&peech Info"));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    addBar(mnuHelp, "mnuHelpBar0");
    mnuHelpAbout = addItem(mnuHelp, "mnuHelpAbout", QStringLiteral("&About "));

    // The Edit and Help menus open with a separator. Qt would leave a leading separator out, and would draw it
    // on the menu's top edge, where it cannot be seen: it is kept, and stands clear of that edge.
    for (QMenu* menu : {mnuEdit, mnuHelp}) {
        menu->setSeparatorsCollapsible(false);
        menu->setContentsMargins(0, 4, 0, 0);
    }

    for (QAction* action : {mnuFileOpen, mnuFileClose}) action->setShortcutContext(Qt::WindowShortcut);
    connect(mnuFileOpen, &QAction::triggered, this, [this] { mnuFileOpen_Click(); });
    connect(mnuFileClose, &QAction::triggered, this, [this] { mnuFileClose_Click(); });
    connect(mnuFileSave, &QAction::triggered, this, [this] {
        if (!copying_) mnuFileSave_Click();
    });
    connect(mnuSaveAs, &QAction::triggered, this, [this] { mnuSaveAs_Click(); });
    connect(mnuFileExit, &QAction::triggered, this, [this] { mnuFileExit_Click(); });
    connect(mnuEditmnuUserOptions, &QAction::triggered, this, [this] { mnuEditmnuUserOptions_Click(); });
    connect(mnuViewStatusBar, &QAction::triggered, this, [this] { mnuViewStatusBar_Click(); });
    connect(mnuAliasLNCH, &QAction::triggered, this, [this] { mnuAliasLNCH_Click(); });
    connect(mnuSpeechLNCH, &QAction::triggered, this, [this] { mnuSpeechLNCH_Click(); });
    connect(mnuHelpAbout, &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });
}

void frmMain::buildToolBar() {
    picToolBar = new QWidget(centralWidget());
    picToolBar->setObjectName(QStringLiteral("picToolBar"));
    picToolBar->setGeometry(0, 0, tw(11895), tw(540));
    cmdSave =
        makeToolButton(picToolBar, "cmdSave", toolbarIcon(QStringLiteral("save.png"), QStyle::SP_DialogSaveButton),
                       QStringLiteral("Save File"), 10);
    cmdOpen = makeToolButton(picToolBar, "cmdOpen", toolbarIcon(QStringLiteral("open.png"), QStyle::SP_DirOpenIcon),
                             QStringLiteral("Open File"), 550);
    cmdCloseUser = makeToolButton(picToolBar, "cmdCloseUser",
                                  toolbarIcon(QStringLiteral("close.png"), QStyle::SP_DialogCloseButton),
                                  QStringLiteral("Close File"), 1080);
    cmdLaunch = makeToolButton(picToolBar, "cmdLaunch", toolbarIcon(QStringLiteral("launch.png"), QStyle::SP_MediaPlay),
                               QStringLiteral("Launch UT2003"), 1755);
    // The caption stands right of the launch button, its right edge a little before the path; it grows to the
    // left as far as its text needs, and where the gap after the launch button is too narrow for that, it moves
    // right and the path starts after it.
    constexpr int kGap = 3;
    lblTxtCurrentFile = new QLabel(QStringLiteral("Currently Open File ::"), picToolBar);
    lblTxtCurrentFile->setObjectName(QStringLiteral("lblTxtCurrentFile"));
    lblTxtCurrentFile->setGeometry(tw(2640), tw(120), tw(4200) - kGap - tw(2640), tw(255));
    lblTxtCurrentFile->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fitCaption(lblTxtCurrentFile, {}, Qt::RightEdge);
    const int captionLeft = cmdLaunch->geometry().right() + 1 + kGap;
    if (lblTxtCurrentFile->x() < captionLeft) lblTxtCurrentFile->move(captionLeft, lblTxtCurrentFile->y());
    const int pathLeft = std::max(tw(4200), lblTxtCurrentFile->geometry().right() + 1 + kGap);
    lblOFile = new PathLabel(QStringLiteral("NO File Open"), picToolBar);
    lblOFile->setObjectName(QStringLiteral("lblOFile"));
    lblOFile->setGeometry(pathLeft, tw(120), tw(4200 + 6375) - pathLeft, tw(255));
    lblOFile->setFrameShape(QFrame::Box);
    connect(cmdSave, &QToolButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdOpen, &QToolButton::clicked, this, [this] { cmdOpen_Click(); });
    connect(cmdCloseUser, &QToolButton::clicked, this, [this] { cmdCloseUser_Click(); });
    connect(cmdLaunch, &QToolButton::clicked, this, [this] {
        if (!copying_) cmdLaunch_Click();
    });
}

void frmMain::buildTabs() {
    SSTab1 = new QTabWidget(centralWidget());
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(0, tw(540), tw(11895), tw(7335));
    SSTab1->setToolTip(QStringLiteral("Editor Tabs!.. Click To Navigate To Desired Area!"));
    SSTab1->setUsesScrollButtons(false);
    SSTab1->tabBar()->setElideMode(Qt::ElideNone);
    const char* captions[] = {
        "Player Settings",     "Bind Letters and Numbers", "Bind Other Keys", "Bind Mouse And Joystick",
        "Alias Setup    0-19", "Alias Setup   20-39  ",    "UT2003 Settings", "File Viewer"};
    for (int i = 0; i < 8; ++i) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("tabPage%1").arg(i));
        SSTab1->addTab(page, QString::fromLatin1(captions[i]));
        tabPages[static_cast<std::size_t>(i)] = page;
    }
    fitTabsInOneRow(SSTab1);
    pageGrowth_ = SSTab1->width() - tw(11895);
}

void frmMain::buildGroups() {
    QWidget* playerPage = tabPages[0];
    QWidget* settingsPage = tabPages[6];
    const int growth = pageGrowth_;
    // Every group reads and writes the game files of the last load.
    const editor::GameFiles files{[this] { return playerFile_; }, [this] { return engineFile_; }};
    // Each group builds the frames it fills, and all of them stand before any group's controls are made: the
    // player's keys stand in three frames of other groups, and the order in which the controls are made is the
    // window's tab order, group by group (player, HUD, bindings, weapons, display, client, viewer). The player
    // frames take the width the page gained; the weapon list moves along with the right edge.
    const DisplayGroup::Frames displayFrames = DisplayGroup::buildFrames(settingsPage);
    QGroupBox* playerFrame = PlayerGroup::buildFrame(playerPage, growth);
    const ClientGroup::Frames clientFrames = ClientGroup::buildFrames(playerPage, settingsPage, growth);
    QGroupBox* weaponFrame = WeaponGroup::buildFrame(playerPage, growth);
    QGroupBox* hudFrame = HudGroup::buildFrame(playerPage, growth);

    player_ = std::make_unique<PlayerGroup>(
        playerPage, PlayerGroup::Frames{playerFrame, weaponFrame, hudFrame, clientFrames.clientSetup}, files);
    hud_ = std::make_unique<HudGroup>(hudFrame, files);
    input_ = std::make_unique<InputGroup>(
        InputGroup::Pages{tabPages[1], tabPages[2], tabPages[3], tabPages[4], tabPages[5]}, growth, files);
    weapons_ = std::make_unique<WeaponGroup>(weaponFrame, files, &frmMain::showOpenFailure);
    display_ = std::make_unique<DisplayGroup>(displayFrames, files);
    client_ = std::make_unique<ClientGroup>(clientFrames, files);
    viewer_ = std::make_unique<FileViewer>(tabPages[7], growth, files);

    arrangeSettingsTab({{{displayFrames.engineSettings, displayFrames.renderEngine},
                         {displayFrames.openGl, displayFrames.nullDevice},
                         {displayFrames.direct3D},
                         {clientFrames.clientSetup, clientFrames.sound}}},
                       clientFrames.textures);
}

void frmMain::arrangeSettingsTab(const std::array<std::vector<QGroupBox*>, 4>& columns, QGroupBox* underFirstTwo) {
    // Four columns of frames, each as wide as the widest of its frames needs for its captions, with the width
    // that the page has to spare shared among them; "Texture Setup" lies under the first two columns.
    constexpr int kGap = 4;
    constexpr int kPageInset = 4;  // the strip's border around its pages
    std::array<int, 4> widths{};
    for (std::size_t i = 0; i < columns.size(); ++i)
        for (QGroupBox* frame : columns[i]) widths[i] = std::max(widths[i], editor::widthToHold(frame));
    widths[1] = std::max(widths[1], editor::widthToHold(underFirstTwo) - widths[0] - kGap);
    const int needed = std::accumulate(widths.begin(), widths.end(), kGap * static_cast<int>(columns.size() + 1));
    const int page = SSTab1->width() - kPageInset;
    if (needed > page) {
        // Captions that need more room than the tabs' do: the strip grows further.
        SSTab1->resize(SSTab1->width() + needed - page, SSTab1->height());
        pageGrowth_ += needed - page;
    }
    const int spare = std::max(page - needed, 0);
    for (std::size_t i = 0; i < widths.size(); ++i) widths[i] += spare / 4 + (i + 1 == widths.size() ? spare % 4 : 0);
    int left = kGap;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        for (QGroupBox* frame : columns[i]) frame->setGeometry(left, frame->y(), widths[i], frame->height());
        left += widths[i] + kGap;
    }
    underFirstTwo->setGeometry(kGap, underFirstTwo->y(), widths[0] + kGap + widths[1], underFirstTwo->height());
}

void frmMain::buildStatusBar() {
    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setSizeGripEnabled(false);
    // The panels set no least width for the window: a window narrower than they are cuts them short.
    sbStatusBar->setMinimumWidth(1);
    setStatusBar(sbStatusBar);
    // The three design panels: status text, date and time. The load adds the progress bar's panel in front.
    auto makePanel = [this](const char* name, const QString& text) {
        auto* panel = new QLabel(text, sbStatusBar);
        panel->setObjectName(QLatin1String(name));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        return panel;
    };
    statusPanels[1] = makePanel("sbStatusPanel2", QStringLiteral("Status"));
    statusPanels[2] = makePanel("sbStatusPanel3", QString());
    statusPanels[3] = makePanel("sbStatusPanel4", QString());
    // The date and time panels keep showing the current date and time while the window is open.
    auto showClock = [this] {
        const QDateTime now = QDateTime::currentDateTime();
        statusPanels[2]->setText(QLocale::system().toString(now.date(), QLocale::ShortFormat));
        statusPanels[3]->setText(QLocale::system().toString(now.time(), QLocale::ShortFormat));
    };
    showClock();
    auto* clock = new QTimer(sbStatusBar);
    connect(clock, &QTimer::timeout, this, showClock);
    clock->start(1000);
    for (int i = 2; i <= 3; ++i) statusPanels[static_cast<std::size_t>(i)]->setMinimumWidth(96);  // at least an inch
    sbStatusBar->addWidget(statusPanels[1], 1);
    sbStatusBar->addWidget(statusPanels[2]);
    sbStatusBar->addWidget(statusPanels[3]);
    ProgressBar1 = new QProgressBar(centralWidget());
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(tw(240), tw(7920), tw(1575), tw(255));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
}

void frmMain::AttachProgressBar(QProgressBar* bar, QStatusBar* statusBar, int panel, int inset) {
    runHandler({QStringLiteral(" - "), QStringLiteral(" While attaching Progress Bar!"), vbInformation}, [&] {
        if (progressAttached_) return;
        progressAttached_ = true;
        QLabel* host = statusPanels[static_cast<std::size_t>(panel - 1)];
        bar->hide();
        // The bar becomes a child of the status bar itself, laid over the panel, so that it can reach from one
        // inset below the status bar's top edge down to its bottom edge, across the panel less an inset each side.
        bar->setParent(statusBar);
        // The panels are placed by the layouts: run them now, so that the panel's edge and the status bar's
        // height can be read before the window is first shown.
        layout()->activate();
        statusBar->layout()->activate();
        bar->setGeometry(host->x() + inset, inset, host->width() - 2 * inset, statusBar->height() - inset);
        bar->show();
        bar->raise();
    });
}

void frmMain::Form_Load() {
    runHandler({QStringLiteral(" - "), QStringLiteral(" While Loading Main Form!"), vbInformation}, [&] {
        setWindowTitle(QStringLiteral("///Quarl's Corvane :: Version ") + versionText());
        auto* progressPanel = new QLabel(sbStatusBar);
        progressPanel->setObjectName(QStringLiteral("sbStatusPanel1"));
        progressPanel->setFixedWidth(150);
        statusPanels[0] = progressPanel;
        sbStatusBar->insertWidget(0, progressPanel);
        ProgressBar1->setRange(0, 10000);
        AttachProgressBar(ProgressBar1, sbStatusBar, 1, 1);
        ProgressBar1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: rgb(255, 0, 0); }"));
        QPalette palette = ProgressBar1->palette();
        palette.setColor(QPalette::Highlight, QColor(255, 0, 0));
        ProgressBar1->setPalette(palette);
        ProgressBar1->setValue(0);

        mnuFileSave->setEnabled(false);
        player_->fillLists();
        hud_->fillLists();
        display_->fillLists();
        client_->fillLists();
        Unload<frmOptions>();
        const QString autoOpen = ReadSetting(QStringLiteral("AutoOpenINI"), QStringLiteral("0"));
        if (platform::toNumber(autoOpen.toStdString()) == 1.0) OpenINIFiles();
    });
}

void frmMain::Form_Unload() {
    runHandler({QStringLiteral(" - "), QStringLiteral(" While Unloading Form!"), vbInformation}, [&] {
        // Unload the other windows, the latest first; window 0, the earliest still loaded, is this one.
        const QList<Form*> loaded = forms::loadedForms();
        for (qsizetype i = loaded.size() - 1; i >= 1; --i) forms::unload(loaded[i]);
        viewer_->closeViewFile();
    });
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (copying_) {
        event->ignore();
        return;
    }
    event->accept();
    forms::unload(this);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool ours = widget && widget->window() == this;
        const QKeyCombination combo = key->keyCombination();
        if (ours && (combo == QKeyCombination(Qt::ControlModifier, Qt::Key_C) ||
                     combo == QKeyCombination(Qt::ControlModifier, Qt::Key_O))) {
            // Leave the event unaccepted so the menu's shortcut runs instead of the text box's copy.
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::setProgress(int value) {
    ProgressBar1->setValue(value);
    ProgressBar1->repaint();
    emit progressReported(value);
}

void frmMain::setStatus(const QString& text) {
    statusPanels[1]->setText(text);
    statusPanels[1]->repaint();
    emit statusReported(text);
}

namespace {

// A step that runs one member function of a settings group.
template <class Group>
ProcedureStep step(const char* name, Group& group, void (Group::*action)(), int progress = -1) {
    return {name, [&group, action] { (group.*action)(); }, progress};
}

// A step that turns a settings group's editing controls on or off.
template <class Group>
ProcedureStep editing(const char* name, Group& group, bool on, int progress = -1) {
    return {name, [&group, on] { group.setEditing(on); }, progress};
}

}  // namespace

void frmMain::buildProcedures() {
    PlayerGroup& player = *player_;
    HudGroup& hud = *hud_;
    InputGroup& input = *input_;
    WeaponGroup& weapons = *weapons_;
    DisplayGroup& display = *display_;
    ClientGroup& client = *client_;
    FileViewer& viewer = *viewer_;

    // The load reads the player file group by group, then the engine file, and last the announcer volume,
    // a key of the player file that belongs with the engine file's sound keys. The character list comes to life
    // with the character, and the weapon rows with the weapons; the other editing controls only once every key
    // has been read.
    loadSteps_ = {
        {"showOpening",
         [this] {
             playerFile_ = UseriniPath;
             engineFile_ = UT2003iniPath;
             lblOFile->setText(playerFile_);
             setStatus(QStringLiteral("Opening File..."));
             setProgress(0);
         }},
        step("loadNameAndCharacter", player, &PlayerGroup::loadNameAndCharacter),
        step("loadTeam", player, &PlayerGroup::loadTeam, 1000),
        step("loadAliases", input, &InputGroup::loadAliases),
        step("loadDigitsFunctionKeysLetters", input, &InputGroup::loadDigitsFunctionKeysLetters, 2000),
        step("loadOtherMouseNumPad", input, &InputGroup::loadOtherMouseNumPad, 3000),
        step("loadJoystick", input, &InputGroup::loadJoystick, 4000),
        step("loadHud", hud, &HudGroup::loadHud),
        step("loadCrossHairColor", hud, &HudGroup::loadCrossHairColor, 5000),
        step("loadPlayerController", player, &PlayerGroup::loadPlayerController, 6500),
        step("loadWeapons", weapons, &WeaponGroup::load, 7000),
        step("loadWeaponBob", player, &PlayerGroup::loadWeaponBob),
        step("loadRenderDevice", display, &DisplayGroup::loadRenderDevice, 8000),
        step("loadWindowsClient", display, &DisplayGroup::loadWindowsClient),
        step("loadControllerAndClient", client, &ClientGroup::loadControllerAndClient),
        step("loadTextureDetail", client, &ClientGroup::loadTextureDetail, 9000),
        step("loadD3D", display, &DisplayGroup::loadD3D),
        step("loadOpenGLAndNull", display, &DisplayGroup::loadOpenGLAndNull),
        step("loadSound", client, &ClientGroup::loadSound),
        step("loadAnnouncer", client, &ClientGroup::loadAnnouncer),
        {"enableFileMenus", [this] { setFileMenus(true); }, 10000},
        editing("enableHudEditing", hud, true),
        editing("enablePlayerEditing", player, true),
        editing("enableClientEditing", client, true),
        editing("enableDisplayEditing", display, true),
        {"setFileIsOpen",
         [this] {
             FileIsOpen = true;
             // Save As copies the file that is open, however it was found.
             OpenedUseriniPath = playerFile_;
         }},
        {"showOpened",
         [this] {
             setStatus(QStringLiteral("File Opened !"));
             setProgress(0);
         }},
    };

    // The save writes every key each time. Its order decides where keys and sections missing from a file are
    // added: the player file's groups first, then the engine file's, with the announcer volume (a player key)
    // between the music and the effects volumes.
    saveSteps_ = {
        {"showSaving",
         [this] {
             setStatus(QStringLiteral("Saving File..."));
             setProgress(0);
             ProgressBar1->setMaximum(10000);
         }},
        step("saveDefaultPlayer", player, &PlayerGroup::saveDefaultPlayer),
        step("saveStatsUsername", player, &PlayerGroup::saveStatsUsername),
        step("savePasswordFovAndSwitches", player, &PlayerGroup::savePasswordFovAndSwitches, 1000),
        step("saveWeaponBob", player, &PlayerGroup::saveWeaponBob),
        step("saveHudKeys", hud, &HudGroup::saveHudKeys),
        step("saveScaleOpacityConsole", hud, &HudGroup::saveScaleOpacityConsole, 2000),
        // The bar steps back here, to 250.
        step("saveCrossHairColor", hud, &HudGroup::saveCrossHairColor, 250),
        step("saveCrosshairStyle", hud, &HudGroup::saveCrosshairStyle, 3000),
        step("saveWeapons", weapons, &WeaponGroup::save, 3250),
        step("saveAliases", input, &InputGroup::saveAliases, 4500),
        step("saveDigits", input, &InputGroup::saveDigits, 5000),
        step("saveFunctionKeysLetters", input, &InputGroup::saveFunctionKeysLetters, 5250),
        step("saveOtherMouse", input, &InputGroup::saveOtherMouse, 6000),
        step("saveNumPadJoystick", input, &InputGroup::saveNumPadJoystick, 7000),
        step("saveController", client, &ClientGroup::saveController),
        step("saveResolution", display, &DisplayGroup::saveResolution, 8000),
        step("saveWindowsClient", display, &DisplayGroup::saveWindowsClient),
        step("saveClientAndTexture", client, &ClientGroup::saveClientAndTexture),
        step("saveRenderDevice", display, &DisplayGroup::saveRenderDevice),
        step("saveOpenGL", display, &DisplayGroup::saveOpenGL),
        step("saveD3DAndNull", display, &DisplayGroup::saveD3DAndNull, 10000),
        step("saveSoundAndMusic", client, &ClientGroup::saveSoundAndMusic),
        step("saveAnnouncer", client, &ClientGroup::saveAnnouncer),
        step("saveSoundVolume", client, &ClientGroup::saveSoundVolume),
        // The steps above only gather the writes (the save's batch). Every value and every file they change is
        // checked before the first key is written, so a save that cannot finish changes neither file.
        {"writeKeys", [this] { saveBatch_->commit(); }},
        {"showSaved",
         [this] {
             setStatus(QStringLiteral("File Saved !"));
             setProgress(0);
         }},
    };

    // The close puts every control back to its placeholder and disables what needs an open file: the HUD's and the
    // client's editing controls before the bindings are reset, the weapons' with their rows, the player's and the
    // display's last. Only a picture that cannot be loaded (the portrait's, the crosshair's) stops it part-way.
    closeSteps_ = {
        {"showClosing",
         [this] {
             setProgress(0);
             ProgressBar1->setMaximum(10000);
             setStatus(QStringLiteral("Closing File..."));
         }},
        step("closeViewFile", viewer, &FileViewer::closeViewFile),
        step("resetCharacterLabel", player, &PlayerGroup::resetCharacterLabel),
        step("resetViewerTexts", viewer, &FileViewer::resetTexts),
        step("resetTextBoxesAndList", player, &PlayerGroup::resetTextBoxesAndList),
        editing("disableHudEditing", hud, false),
        editing("disableClientEditing", client, false),
        step("resetAliases", input, &InputGroup::resetAliases),
        step("resetDigitsFunctionKeys", input, &InputGroup::resetDigitsFunctionKeys, 1000),
        step("resetLetters", input, &InputGroup::resetLetters, 2000),
        step("resetOther", input, &InputGroup::resetOther, 3000),
        step("resetMouse", input, &InputGroup::resetMouse, 4000),
        step("resetNumPadJoystick", input, &InputGroup::resetNumPadJoystick, 5000),
        step("resetPortrait", player, &PlayerGroup::resetPortrait),
        step("resetChecksScaleOpacityStyleText", hud, &HudGroup::resetChecksScaleOpacityStyleText),
        step("resetFov", player, &PlayerGroup::resetFov),
        step("resetListsRefreshAndLabels", display, &DisplayGroup::resetListsRefreshAndLabels),
        step("resetVolumeLabels", client, &ClientGroup::resetVolumeLabels),
        step("resetMinRefresh", display, &DisplayGroup::resetMinRefresh),
        step("resetConsoleAndColour", hud, &HudGroup::resetConsoleAndColour, 6000),
        step("resetSwitches", player, &PlayerGroup::resetSwitches),
        step("resetWeaponRows", weapons, &WeaponGroup::resetRows),
        editing("disableWeaponEditing", weapons, false),
        step("resetPreviewAndSample", hud, &HudGroup::resetPreviewAndSample, 7000),
        step("resetRenderType", display, &DisplayGroup::resetRenderType),
        editing("disablePlayerEditing", player, false, 8000),
        editing("disableDisplayEditing", display, false, 10000),
        step("resetDisplaySliders", display, &DisplayGroup::resetSliders),
        step("resetVolumeSliders", client, &ClientGroup::resetVolumeSliders),
        {"enableOpenMenu", [this] { setFileMenus(false); }},
        {"clearFileIsOpen",
         [this] {
             FileIsOpen = false;
             lblOFile->setText(QStringLiteral("NO File Open"));
         }},
        {"showClosed",
         [this] {
             setStatus(QStringLiteral("File Closed !"));
             setProgress(0);
         }},
    };
}

void frmMain::runSteps(const Procedure& steps) {
    stepsRun_.clear();
    for (const ProcedureStep& step : steps) {
        stepsRun_ << QLatin1String(step.name);
        if (step.progress >= 0) setProgress(step.progress);
        step.run();
    }
}

void frmMain::setFileMenus(bool fileOpen) {
    mnuFileSave->setEnabled(fileOpen);
    mnuFileOpen->setEnabled(!fileOpen);
}

void frmMain::leaveNoFileState() {
    FileIsOpen = false;
    setFileMenus(false);
}

namespace {
const Failure kOpenFailure = {QStringLiteral(" At "),
                              QStringLiteral(" While Opening File, Your User.ini File May be corrupt or wrong type!!"),
                              vbCritical};
}  // namespace

void frmMain::OpenINIFiles() {
    runHandler(
        kOpenFailure, [&] { runSteps(loadSteps_); }, [&](Failure&) { leaveNoFileState(); });
}

void frmMain::showOpenFailure(const std::exception& error) {
    showFailure(error, kOpenFailure);
}

void frmMain::mnuFileSave_Click() {
    runHandler({QStringLiteral(" - "),
                QStringLiteral(" While Trying To Save File!\r Make Sure File is a Valid User.ini or User.ini "
                               "Type File!"),
                vbInformation},
               [&] {
                   saveBatch_.emplace();
                   runSteps(saveSteps_);
               });
    saveBatch_.reset();
}

void frmMain::CloseINIFiles() {
    runHandler(
        {QStringLiteral(" in "),
         QStringLiteral(" While Closing File!\rMake Sure File is a Valid User.ini or User.ini Type File"),
         vbInformation},
        [&] { runSteps(closeSteps_); }, [&](Failure&) { leaveNoFileState(); });
}

void frmMain::mnuFileExit_Click() {
    if (copying_) return;
    runHandler({QStringLiteral(" - "), QStringLiteral(" While Exiting File!"), vbInformation}, [&] {
        viewer_->closeViewFile();
        Unload<frmMain>();
        Unload<frmAbout>();
        Unload<frmOptions>();
        Unload<frmSplash>();
        QCoreApplication::exit(0);
    });
}

void frmMain::cmdLaunch_Click() {
    runHandler({QStringLiteral(" - "), QStringLiteral(" While Trying To Launch UT2003!"), vbInformation}, [&] {
        // Unsaved edits are dropped without a question; the game starts whatever the reset reported.
        CloseINIFiles();
        StartProgram(UT2003exePath, vbMinimizedFocus);
    });
}

void frmMain::mnuEditmnuUserOptions_Click() {
    Show<frmOptions>();
}

void frmMain::mnuViewStatusBar_Click() {
    runHandler({QStringLiteral(" - "), QStringLiteral(" While Toggling Status Bar!"), vbInformation}, [&] {
        // The action has already flipped its own check mark when it was triggered.
        sbStatusBar->setVisible(mnuViewStatusBar->isChecked());
    });
}

void frmMain::mnuAliasLNCH_Click() {
    runHandler({QStringLiteral(" - "),
                QStringLiteral(" While Loading UT2003_Alias.txt File!\rMake Sure File Was Not Deleted, Renamed, "
                               "or Relocated!"),
                vbInformation},
               [&] { Show<frmAliasNFO>(); });
}

void frmMain::mnuSpeechLNCH_Click() {
    runHandler({QStringLiteral(" - "),
                QStringLiteral(" While Loading Taunt.Txt!\rMake Sure File Was Not Deleted, Renamed, or "
                               "Relocated!"),
                vbInformation},
               [&] { Show<frmSpeechNFO>(); });
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout* about = Load<frmAbout>();
    about->showModalOver(this);
}

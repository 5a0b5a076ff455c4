#include "editor/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "config/Startup.h"
#include "config/frmOptions.h"
#include "config/frmSplash.h"
#include "editor/ClientGroup.h"
#include "editor/Controls.h"
#include "editor/DisplayGroup.h"
#include "editor/FileViewer.h"
#include "editor/HudGroup.h"
#include "editor/InputGroup.h"
#include "editor/PlayerGroup.h"
#include "editor/WeaponGroup.h"
#include "info/frmAbout.h"
#include "info/frmTextInfo.h"
#include "platform/numbers.h"
#include "platform/qt/msgbox.h"
#include "platform/qt/text.h"

namespace {

QGroupBox* makeFrame(QWidget* page, const char* name, const QString& caption, const QRect& rect,
                     const QString& tooltip = QString()) {
    auto* frame = new QGroupBox(caption, page);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(rect);
    if (!tooltip.isEmpty()) frame->setToolTip(tooltip);
    QFont bold = frame->font();
    bold.setBold(true);
    // A caption wider than its frame with this platform's fonts is narrowed until it fits.
    for (int stretch = 100; stretch > 70 && QFontMetrics(bold).horizontalAdvance(caption) > rect.width() - 16;
         stretch -= 5)
        bold.setStretch(stretch - 5);
    frame->setFont(bold);
    // Only the caption is bold: the controls inside keep the window's font.
    frame->setStyleSheet(QStringLiteral("QGroupBox > * { font-weight: normal; }"));
    return frame;
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
    central->setFixedSize(tw(11895), tw(540) + tw(7335));
    resize(tw(11880), tw(8190) + menuBar()->sizeHint().height());

    player = std::make_unique<PlayerGroup>(*this);
    hud = std::make_unique<HudGroup>(*this);
    input = std::make_unique<InputGroup>(*this);
    weapons = std::make_unique<WeaponGroup>(*this);
    display = std::make_unique<DisplayGroup>(*this);
    client = std::make_unique<ClientGroup>(*this);
    viewer = std::make_unique<FileViewer>(*this);
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
    lblTxtCurrentFile = new QLabel(QStringLiteral("Currently Open File ::"), picToolBar);
    lblTxtCurrentFile->setObjectName(QStringLiteral("lblTxtCurrentFile"));
    lblTxtCurrentFile->setGeometry(tw(2640), tw(120), tw(1575), tw(255));
    {
        // The caption is wider in this platform's font than its design box: it grows to the left, into the gap
        // after the launch button, and takes a smaller font where even that is too narrow, so that the path
        // label beside it does not cover it.
        const int right = tw(4200) - 3, left = tw(1755 + 540) + 3;
        QFont font = lblTxtCurrentFile->font();
        while (QFontMetrics(font).horizontalAdvance(lblTxtCurrentFile->text()) > right - left && font.pointSize() > 6)
            font.setPointSize(font.pointSize() - 1);
        lblTxtCurrentFile->setFont(font);
        lblTxtCurrentFile->setGeometry(left, tw(120), right - left, tw(255));
        lblTxtCurrentFile->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    lblOFile = new QLabel(QStringLiteral("NO File Open"), picToolBar);
    lblOFile->setObjectName(QStringLiteral("lblOFile"));
    lblOFile->setGeometry(tw(4200), tw(120), tw(6375), tw(255));
    lblOFile->setFrameShape(QFrame::Box);
    connect(cmdSave, &QToolButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdOpen, &QToolButton::clicked, this, [this] { cmdOpen_Click(); });
    connect(cmdCloseUser, &QToolButton::clicked, this, [this] { cmdCloseUser_Click(); });
    connect(cmdLaunch, &QToolButton::clicked, this, [this] {
        if (!copying_) viewer->cmdLaunch_Click();
    });
}

void frmMain::buildTabs() {
    SSTab1 = new QTabWidget(centralWidget());
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(0, tw(540), tw(11895), tw(7335));
    SSTab1->setToolTip(QStringLiteral("Editor Tabs!.. Click To Navigate To Desired Area!"));
    // All eight tabs in one row.
    SSTab1->setUsesScrollButtons(false);
    QFont tabFont = font();
    tabFont.setPointSizeF(7.5);
    SSTab1->tabBar()->setFont(tabFont);
    SSTab1->tabBar()->setElideMode(Qt::ElideNone);
    SSTab1->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 3px; }"));
    const char* captions[] = {
        "Player Settings",     "Bind Letters and Numbers", "Bind Other Keys", "Bind Mouse And Joystick",
        "Alias Setup    0-19", "Alias Setup   20-39  ",    "UT2003 Settings", "File Viewer"};
    for (int i = 0; i < 8; ++i) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("tabPage%1").arg(i));
        SSTab1->addTab(page, QString::fromLatin1(captions[i]));
        tabPages[static_cast<std::size_t>(i)] = page;
    }
    QWidget* playerTab = tabPages[0];
    framePlayer = makeFrame(playerTab, "framePlayer", QStringLiteral("Player Information"), QRect(144, 4, 290, 226));
    frameController =
        makeFrame(playerTab, "frameController", QStringLiteral("Controller Setup"), QRect(144, 234, 290, 46));
    framePlayerSetup =
        makeFrame(playerTab, "framePlayerSetup", QStringLiteral(" Weapon Setup"), QRect(440, 4, tw(5055), tw(4095)));
    frameHudSettings = makeFrame(playerTab, "frameHudSettings", QStringLiteral("Hud Settings"), QRect(8, 284, 773, 175),
                                 QStringLiteral("Setup User Hud"));

    QWidget* engineTab = tabPages[6];
    frameEngineSettings =
        makeFrame(engineTab, "frameEngineSettings", QStringLiteral("Render Engine Settings"), QRect(4, 4, 250, 242));
    frameRenderEngine = makeFrame(engineTab, "frameRenderEngine", QStringLiteral("Render Method"),
                                  QRect(4, 250, 250, 50), QStringLiteral("Render Method Selection"));
    frameTextures0 = makeFrame(engineTab, "frameTextures(0)", QStringLiteral("Texture Setup"), QRect(4, 304, 426, 155));
    frameOpenGlVars = makeFrame(engineTab, "frameOpenGlVars", QStringLiteral("OpenGL Render Values"),
                                QRect(258, 4, 172, 164), QStringLiteral("OpenGL Render Settings."));
    frameNullDevice = makeFrame(engineTab, "frameNullDevice", QStringLiteral("Null Device Render Values"),
                                QRect(258, 172, 172, 128), QStringLiteral("Null Render Device Settings."));
    frameRenderVariablesD3D = makeFrame(engineTab, "frameRenderVariablesD3D", QStringLiteral("Direct3D Render Values"),
                                        QRect(434, 4, 168, 410), QStringLiteral("Direct3D Render Values."));
    frameClientSetup = makeFrame(engineTab, "frameClientSetup", QStringLiteral("Client Setup"), QRect(606, 4, 179, 170),
                                 QStringLiteral("Client Screen Setup"));
    frameSound = makeFrame(engineTab, "frameSound", QStringLiteral("Sound Setup"), QRect(606, 178, 179, 281));
}

void frmMain::buildStatusBar() {
    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setSizeGripEnabled(false);
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
    try {
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
    } catch (const std::exception& error) {
        MsgBox(failureMessage(error, QStringLiteral(" - "), QStringLiteral(" While attaching Progress Bar!")),
               vbInformation);
    }
}

void frmMain::Form_Load() {
    try {
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
        hud->disableAtLoad();
        player->fillLists();
        hud->fillLists();
        display->fillLists();
        client->fillLists();
        Unload<frmOptions>();
        const QString autoOpen =
            ReadINI(kSettingsSection, QStringLiteral("AutoOpenINI"), QStringLiteral("0"), SettingsIniPath);
        if (platform::toNumber(autoOpen.toStdString()) == 1.0) OpenINIFiles();
    } catch (const std::exception& error) {
        MsgBox(failureMessage(error, QStringLiteral(" - "), QStringLiteral(" While Loading Main Form!")),
               vbInformation);
    }
}

void frmMain::Form_Unload() {
    try {
        // Unload the other windows, the latest first; window 0, the earliest still loaded, is this one.
        const QList<Form*> loaded = forms::loadedForms();
        for (qsizetype i = loaded.size() - 1; i >= 1; --i) forms::unload(loaded[i]);
        viewer->closeViewFile();
    } catch (const std::exception& error) {
        MsgBox(failureMessage(error, QStringLiteral(" - "), QStringLiteral(" While Unloading Form!")), vbInformation);
    }
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

// The end of a load brings every other editing control to life, in this order.
void frmMain::enableEditingControls() {
    std::vector<QWidget*> controls = {hud->cboCrossSelect,     hud->slideHudScale,   hud->slideHudOpacity,
                                      player->optRed,          player->optBlue,      player->cmdAdd5,
                                      player->cmdSub5,         player->chkWeaponBob, client->optController[0],
                                      client->optController[1]};
    auto add = [&controls](const auto& array) { controls.insert(controls.end(), array.begin(), array.end()); };
    add(hud->slideCrossColor);
    add(hud->cboMssgSetup);
    add(std::array<QWidget*, 9>{display->cboResolution, display->cboColorDepth, display->slideGamma,
                                display->slideContrast, display->slideBrightness, client->slideMusic,
                                client->slideAnnouncer, client->slideEffects, display->chkFullScreen});
    add(display->optRenderType);
    add(display->chkDefaultVars);
    add(display->chkOpenGL);
    add(display->chkNullDevice);
    add(client->chkSoundSetup);
    add(client->chkClientSU);
    add(client->cboTexDetail);
    for (QWidget* control : controls) control->setEnabled(true);
}

void frmMain::OpenINIFiles() {
    try {
        lblOFile->setText(UseriniPath);
        setStatus(QStringLiteral("Opening File..."));
        setProgress(0);
        player->loadNameAndCharacter();
        setProgress(1000);
        player->loadTeam();
        input->loadAliases();
        setProgress(2000);
        input->loadDigitsFunctionKeysLetters();
        setProgress(3000);
        input->loadOtherMouseNumPad();
        setProgress(4000);
        input->loadJoystick();
        hud->loadHud();
        setProgress(5000);
        hud->loadCrossHairColor();
        setProgress(6500);
        player->loadPlayerController();
        setProgress(7000);
        weapons->load();
        player->loadWeaponBob();
        setProgress(8000);
        display->loadRenderDevice();
        display->loadWindowsClient();
        client->loadControllerAndClient();
        setProgress(9000);
        client->loadTextureDetail();
        display->loadD3D();
        display->loadOpenGLAndNull();
        client->loadSound();
        client->loadAnnouncer();
        hud->enableChecks();
        player->enableSwitches();
        setProgress(10000);
        mnuFileSave->setEnabled(true);
        mnuFileOpen->setEnabled(false);
        enableEditingControls();
        FileIsOpen = true;
        setStatus(QStringLiteral("File Opened !"));
        setProgress(0);
    } catch (const std::exception& error) {
        MsgBox(failureMessage(error, QStringLiteral(" At "),
                              QStringLiteral(" While Opening File, Your User.ini File May be corrupt or wrong type!!")),
               vbCritical);
    }
}

void frmMain::mnuFileSave_Click() {
    try {
        setStatus(QStringLiteral("Saving File..."));
        setProgress(0);
        ProgressBar1->setMaximum(10000);
        player->saveDefaultPlayer();
        player->saveStatsUsername();
        setProgress(1000);
        player->savePasswordFovAndSwitches();
        player->saveWeaponBob();
        hud->saveHudKeys();
        setProgress(2000);
        hud->saveScaleOpacityConsole();
        setProgress(250);
        hud->saveCrossHairColor();
        setProgress(3000);
        hud->saveCrosshairStyle();
        setProgress(3250);
        weapons->save();
        setProgress(4500);
        input->saveAliases();
        setProgress(5000);
        input->saveDigits();
        setProgress(5250);
        input->saveFunctionKeysLetters();
        setProgress(6000);
        input->saveOtherMouse();
        setProgress(7000);
        input->saveNumPadJoystick();
        client->saveController();
        setProgress(8000);
        display->saveResolution();
        display->saveWindowsClient();
        client->saveClientAndTexture();
        display->saveRenderDevice();
        display->saveOpenGL();
        setProgress(10000);
        display->saveD3DAndNull();
        client->saveSoundAndMusic();
        client->saveAnnouncer();
        client->saveSoundVolume();
        setStatus(QStringLiteral("File Saved !"));
        setProgress(0);
    } catch (const std::exception& error) {
        MsgBox(failureMessage(
                   error, QStringLiteral(" - "),
                   QStringLiteral(" While Trying To Save File!\r Make Sure File is a Valid User.ini or User.ini "
                                  "Type File!")),
               vbInformation);
    }
}

void frmMain::CloseINIFiles() {
    try {
        setProgress(0);
        ProgressBar1->setMaximum(10000);
        setStatus(QStringLiteral("Closing File..."));
        viewer->closeViewFile();
        player->resetCharacterLabel();
        viewer->resetTexts();
        player->resetTextBoxesAndList();
        hud->disableColourSliders();
        client->disableTextureLists();
        input->resetAliases();
        setProgress(1000);
        input->resetDigitsFunctionKeys();
        setProgress(2000);
        input->resetLetters();
        setProgress(3000);
        input->resetOther();
        setProgress(4000);
        input->resetMouse();
        setProgress(5000);
        input->resetNumPadJoystick();
        player->resetPortrait();
        hud->resetChecksScaleOpacityStyleText();
        player->resetFov();
        display->resetListsRefreshAndLabels();
        client->resetVolumeLabels();
        display->resetMinRefresh();
        setProgress(6000);
        hud->resetConsoleAndColour();
        player->resetSwitches();
        weapons->resetRows();
        setProgress(7000);
        hud->resetPreviewAndSample();
        display->resetRenderType();
        weapons->disableMoveButtons();
        hud->disableStyleAndSliders();
        player->disableTeamFovAndBob();
        setProgress(8000);
        client->disableController();
        hud->disableConsoleAndChecks();
        player->disableSwitches();
        setProgress(10000);
        display->resetAndDisableControls();
        client->resetAndDisableVolumeSliders();
        mnuFileOpen->setEnabled(true);
        mnuFileSave->setEnabled(false);
        display->disableRenderChecks();
        client->disableChecks();
        FileIsOpen = false;
        lblOFile->setText(QStringLiteral("NO File Open"));
        setStatus(QStringLiteral("File Closed !"));
        setProgress(0);
    } catch (const std::exception& error) {
        MsgBox(failureMessage(
                   error, QStringLiteral(" in "),
                   QStringLiteral(" While Closing File!\rMake Sure File is a Valid User.ini or User.ini Type File")),
               vbInformation);
    }
}

void frmMain::mnuFileExit_Click() {
    if (copying_) return;
    try {
        viewer->closeViewFile();
        Unload<frmMain>();
        Unload<frmAbout>();
        Unload<frmOptions>();
        Unload<frmSplash>();
        QCoreApplication::exit(0);
    } catch (const std::exception& error) {
        MsgBox(failureMessage(error, QStringLiteral(" - "), QStringLiteral(" While Exiting File!")), vbInformation);
    }
}

void frmMain::mnuEditmnuUserOptions_Click() {
    Show<frmOptions>();
}

void frmMain::mnuViewStatusBar_Click() {
    try {
        // The action has already flipped its own check mark when it was triggered.
        sbStatusBar->setVisible(mnuViewStatusBar->isChecked());
    } catch (const std::exception& error) {
        MsgBox(failureMessage(error, QStringLiteral(" - "), QStringLiteral(" While Toggling Status Bar!")),
               vbInformation);
    }
}

void frmMain::mnuAliasLNCH_Click() {
    try {
        Show<frmAliasNFO>();
    } catch (const std::exception& error) {
        MsgBox(failureMessage(
                   error, QStringLiteral(" - "),
                   QStringLiteral(" While Loading UT2003_Alias.txt File!\rMake Sure File Was Not Deleted, Renamed, "
                                  "or Relocated!")),
               vbInformation);
    }
}

void frmMain::mnuSpeechLNCH_Click() {
    try {
        Show<frmSpeechNFO>();
    } catch (const std::exception& error) {
        MsgBox(failureMessage(error, QStringLiteral(" - "),
                              QStringLiteral(" While Loading Taunt.Txt!\rMake Sure File Was Not Deleted, Renamed, or "
                                             "Relocated!")),
               vbInformation);
    }
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout* about = Load<frmAbout>();
    about->showModalOver(this);
}

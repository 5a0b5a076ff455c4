#pragma once
// The start-up module: INI key access for every file of the program, the state that all windows share,
// and the fixed tables of key names that the editor walks in step with its control arrays.
#include <QString>
#include <array>

// ---- Shared state (lives as long as the process) ----
extern QString UseriniPath;        // player file being edited
extern QString UT2003iniPath;      // engine file, beside the player file found at start-up
extern QString UT2003exePath;      // the game's executable, in the same folder
extern QString OpenedUseriniPath;  // player file as found at start-up or chosen by File > Open: what Save As copies
extern QString SettingsIniPath;    // the program's own settings file
extern QString PlayerPicPath;      // folder of the portraits and crosshair pictures, with a closing separator
extern QString NoDataFound;        // long not-found sentinel "No Data Found!!"
extern QString NDF;                // short not-found sentinel "NDF"
extern bool FileIsOpen;            // a player file is loaded into the main window
extern int ViewFileNum;            // the raw viewer's open file: 0 when none is held

// ---- Key-name tables, built once by Main ----
extern std::array<QString, 26> LetterKeys;
extern std::array<QString, 55> OtherKeys;
extern std::array<QString, 8> MouseKeys;
extern std::array<QString, 12> NumPadKeys;
extern std::array<QString, 24> JoystickKeys;
extern std::array<QString, 8> HudKeys;
extern std::array<QString, 3> ConsoleKeys;
extern std::array<QString, 6> PlayerControlKeys;
extern std::array<QString, 4> SettingKeys;
extern std::array<QString, 4> SettingValues;
extern std::array<QString, 19> D3DKeys;
extern std::array<QString, 8> OpenGLKeys;
extern std::array<QString, 6> NullDeviceKeys;
extern std::array<QString, 2> ControllerKeys;
extern std::array<QString, 8> SoundKeys;
extern std::array<QString, 7> ClientKeys;
extern std::array<QString, 7> TextureDetailKeys;

// ---- INI key access ----
// The value of Key in Section of FileName, or Default when the file, the section or the key is missing; a
// key present with an empty value gives "". Values longer than 2047 characters come back cut.
QString ReadINI(const QString& Section, const QString& Key, const QString& Default, const QString& FileName);
// Sets Key in Section of FileName to Value, in place, keeping every other line. A key that already reads back
// as Value (through ReadINI) is left exactly as the file holds it. A write that cannot happen
// (read-only file, missing folder, full disk, a character the code page cannot hold, a line break in a name
// or value) raises platform::AppError and leaves the file exactly as it was. While an IniWriteBatch is open the
// write is recorded for the batch's commit instead.
void WriteINI(const QString& Section, const QString& Key, const QString& Value, const QString& FileName);

// The writes of one save, checked whole before the first is made, so that a save writes all of its keys or none.
// While a batch is open, WriteINI checks each value and records the write instead of making it: a character the
// code page cannot hold raises platform::AppError at once, naming the key and the character. commit() then clears
// the temporary files that killed saves left beside each file, checks every write and every file the writes
// would change (a file they leave as it is need not be writable), and only then makes the writes, in the order
// they were recorded, one key at a time. A batch dropped without a commit writes nothing.
class IniWriteBatch {
  public:
    IniWriteBatch();
    ~IniWriteBatch();
    IniWriteBatch(const IniWriteBatch&) = delete;
    IniWriteBatch& operator=(const IniWriteBatch&) = delete;
    void commit();
};

// ---- The program's own settings file ----
// The value of Key in section "Quarl_UT2003.Settings" of the file at SettingsIniPath, or Default when the
// file, the section or the key is missing; a key present with an empty value gives "". The file holds paths
// of this machine and is read as UTF-8, so that every path comes back as it was stored; a file that is not
// valid UTF-8 was written by an earlier version in Windows-1252 and is read through that code page. Values
// longer than 2047 characters come back cut.
QString ReadSetting(const QString& Key, const QString& Default);
// Sets Key in section "Quarl_UT2003.Settings" of the file at SettingsIniPath to Value, as UTF-8, in place.
// A file that an earlier version wrote in Windows-1252 is first rewritten as UTF-8, every line kept. A write
// that cannot happen (read-only file, missing folder, a line break in the value) raises platform::AppError
// and leaves the file as it was.
void WriteSetting(const QString& Key, const QString& Value);

// ---- Start-up ----
// The program's folder (the executable's folder unless set), without a closing separator.
void setProgramFolder(const QString& folder);
QString programFolder();
// The folder joined with a name by the native separator.
QString joinPath(const QString& folder, const QString& name);
// A start-up switch is on when its text, read as a number, is 1; text that is not a number counts as off.
bool switchIsOn(const QString& value);
// The version text "major.minor.patch".
QString versionText();

// Prepares the shared state, reads the start-up switches, lets the options window resolve the game's paths
// and shows the first window. Returns at once; the program lives while a window is loaded.
void Main();

#pragma once
// Single values of the registry, and the game's installation folder.
#include <QString>
#include <cstdint>

inline constexpr std::uint32_t HKEY_LOCAL_MACHINE = 0x80000002u;

// True when KeyName under KeyRoot could be opened and ValueName read. KeyVal then holds the value's text
// (a REG_DWORD as its decimal number), or stays as it was for any other type; on False it is empty.
bool QueryRegValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& ValueName, QString& KeyVal);

// The game's installation folder as a path of this machine, or "" when the registry does not give it.
QString GetGameFolder();

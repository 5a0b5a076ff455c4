#pragma once
// A small registry over Wine's text hive of HKEY_LOCAL_MACHINE ($WINEPREFIX/system.reg, default
// ~/.wine/system.reg). Read only: it offers what a value lookup needs (open, query, close), with the
// result codes of the Windows registry functions.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

using RegKey = std::uint32_t;  // a root handle or an opened key
inline constexpr RegKey kHKeyLocalMachine = 0x80000002u;

inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorMoreData = 234;

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyAllReadWrite = 0x2003F;  // query, set, create, enumerate, notify, link, read control

// Points the stand-in at another hive file (tests); an empty path restores the default.
void setLocalMachineHive(const std::string& path);

// Opens keyName (a path of backslash-separated names, matched without regard to case) under root. Asking
// for any write right (set value, create sub key, create link) fails with kErrorAccessDenied when the hive
// file is not writable by this process. A missing hive or key is kErrorFileNotFound.
long regOpenKeyEx(RegKey root, const std::string& keyName, std::uint32_t access, RegKey& result);

// Reads valueName of an opened key (the empty name is the key's default value "@"). The data are the
// value's bytes as Windows would give them: REG_SZ text (Wine's escapes undone) with its closing zero,
// REG_DWORD four little-endian bytes, hex:/hex(n): the listed bytes, str(2): the text with its zero.
// bufferSize is the room the caller has: a value that needs more gives kErrorMoreData and no data.
long regQueryValueEx(RegKey key, const std::string& valueName, std::uint32_t& type, std::vector<unsigned char>& data,
                     std::size_t bufferSize);

// Closes an opened key; closing the root is allowed and does nothing. An unknown handle is kErrorInvalidHandle.
long regCloseKey(RegKey key);

}  // namespace platform

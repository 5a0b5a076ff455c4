#pragma once
// Paths. The program works with native paths; registry values hold Windows paths.
#include <string>

namespace platform {

// A Windows path as the registry holds it ("C:\Games\UT2003") becomes the path of the same folder on this
// machine: the drive letter through the Wine prefix ($WINEPREFIX, default ~/.wine; drive X: is the target
// of dosdevices/x:, or dosdevices/x: itself when it cannot be resolved), backslashes to slashes. A path
// that is not a Windows path (no drive letter) is returned unchanged.
std::string hostPath(const std::string& windowsPath);

// The Wine prefix: $WINEPREFIX when set and not empty, else ~/.wine of the user ($HOME, or the password entry).
std::string winePrefix();

// True when path names an existing regular file.
bool isRegularFile(const std::string& path);

}  // namespace platform

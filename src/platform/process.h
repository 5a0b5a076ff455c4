#pragma once
// Starting another program: detached, without waiting, and forgotten.
#include <string>

namespace platform {

// showState is the Windows show state (1 normal, 2 minimised); programs started here get no window
// hints, so it is only recorded. A path ending in ".exe" (any case) runs through "wine" found on the
// PATH; anything else runs directly. A missing file, or no wine for an ".exe", raises
// AppError("File not found: <path>") before anything starts; a failed start raises AppError with the
// system's text.
void startProgram(const std::string& path, int showState);

}  // namespace platform

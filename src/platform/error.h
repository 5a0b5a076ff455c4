#pragma once
// The one error type of the program: a short standard description and the source that raised it.
// A handler's failure message is built from these two fields.
#include <cerrno>
#include <stdexcept>
#include <string>
#include <system_error>

namespace platform {

inline constexpr const char* kErrorSource = "Corvane";

class AppError : public std::runtime_error {
  public:
    explicit AppError(std::string description, std::string source = kErrorSource)
        : std::runtime_error(description), description_(std::move(description)), source_(std::move(source)) {}
    const std::string& description() const { return description_; }
    const std::string& source() const { return source_; }

  private:
    std::string description_;
    std::string source_;
};

// The standard descriptions.
inline constexpr const char* kTypeMismatch = "Type mismatch";
inline constexpr const char* kOverflow = "Overflow";
inline constexpr const char* kInvalidCall = "Invalid procedure call or argument";
inline constexpr const char* kFileNotFound = "File not found";
inline constexpr const char* kPermissionDenied = "Permission denied";
inline constexpr const char* kPathNotFound = "Path not found";
inline constexpr const char* kPathFileAccessError = "Path/File access error";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
inline constexpr const char* kSubscriptOutOfRange = "Subscript out of range";
inline constexpr const char* kInvalidPicture = "Invalid picture";
// The program's own: a copy of the player file never replaces the engine file.
inline constexpr const char* kEngineFileNotReplaced =
    "The engine settings file cannot be replaced by a copy of the player file";

// The description of a failed file operation: the standard one where it applies, else the system's own text.
inline std::string describeSystemError(const std::error_code& code) {
    switch (code.value()) {
        case EACCES:
        case EPERM:
        case EROFS:
            return kPermissionDenied;
        case ENOENT:
        case ENOTDIR:
            return kPathNotFound;
        default:
            return code.message();
    }
}

// Runs call and gives back what it returns. The file and profile functions report their failures as the system
// does (std::system_error) or, for a name or value a file cannot hold, as std::invalid_argument; through here
// both come out as AppError: the system error with its description above, the refused argument as kInvalidCall.
// This is the one place where the platform's failures become the program's.
template <class Call>
decltype(auto) raisingAppError(Call&& call) {
    try {
        return call();
    } catch (const std::system_error& error) {
        throw AppError(describeSystemError(error.code()));
    } catch (const std::invalid_argument&) {
        throw AppError(kInvalidCall);
    }
}

}  // namespace platform

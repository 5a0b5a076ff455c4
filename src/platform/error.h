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

}  // namespace platform

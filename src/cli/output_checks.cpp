#include "cli/output_checks.h"

#include <system_error>

#include "files/regular_file.h"

namespace korvane::cli {

std::optional<std::string> SameFileAsInput(const std::string& output,
                                           std::initializer_list<std::filesystem::path> inputs) {
    for (const std::filesystem::path& input : inputs) {
        std::error_code error;
        if (!input.empty() && std::filesystem::equivalent(output, input, error)) {
            return output + ": is the same file as the input " + input.string() +
                   "; nothing was written";
        }
    }
    return std::nullopt;
}

std::optional<std::string> ExistingOfAnotherKind(const std::string& output,
                                                 bool (*replaceable)(const std::string& content)) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(output, error))) {
        return std::nullopt;
    }
    // Anything but a regular file is refused by the write itself, --force or not.
    if (!std::filesystem::is_regular_file(output, error)) {
        return std::nullopt;
    }
    constexpr std::uintmax_t kLargestLooked = 64 << 20;
    const Result<std::string> content = ReadRegularFile(output, "file", kLargestLooked);
    if (content && replaceable(content.value())) {
        return std::nullopt;
    }
    return output + ": exists, and this command replaces it only with --force; nothing was written";
}

}  // namespace korvane::cli

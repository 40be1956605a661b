#include "model/program_identity.h"

#include <charconv>

namespace korvane {

float AppVersion() {
    return static_cast<float>(KORVANE_VERSION_MAJOR + KORVANE_VERSION_MINOR / 10.0 +
                              KORVANE_VERSION_PATCH / 100.0);
}

std::string AppTitle() {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, AppVersion());
    return "Korvane v" + std::string(buffer, result.ptr);
}

double AppVersionForReports() {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, AppVersion()).ptr;
    double version = 0;
    std::from_chars(buffer, end, version);
    return version;
}

}  // namespace korvane

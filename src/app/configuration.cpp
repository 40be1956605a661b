#include "app/configuration.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include "files/atomic_write.h"
#include "files/path_utils.h"

namespace korvane {

namespace {

std::string EnvironmentText(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string Trimmed(std::string text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::filesystem::path XdgFolder(const char* variable, const char* fallback_under_home) {
    const std::string value = EnvironmentText(variable);
    if (!value.empty()) {
        return std::filesystem::path(value) / "korvane";
    }
    return std::filesystem::path(EnvironmentText("HOME")) / fallback_under_home / "korvane";
}

}  // namespace

ConfigurationPlaces ConfigurationPlacesFromEnvironment() {
    ConfigurationPlaces places;
    const std::string windows_folder = Trimmed(EnvironmentText("WINDIR"));
    places.config_folder = windows_folder.empty() ? XdgFolder("XDG_CONFIG_HOME", ".config")
                                                  : std::filesystem::path(windows_folder);
    places.data_folder = XdgFolder("XDG_DATA_HOME", ".local/share");
    return places;
}

std::optional<std::string> ReadCatalogDirKey(std::istream& configuration) {
    std::string line;
    while (std::getline(configuration, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() < 5) {
            continue;
        }
        std::string key = line.substr(0, 5);
        for (char& c : key) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        if (key == "DBLOC") {
            // Character 6 is the "=" in a well-formed line and is skipped whatever it is.
            return line.size() > 6 ? line.substr(6) : std::string();
        }
    }
    return std::nullopt;
}

Result<std::string> ResolveCatalogDir(const ConfigurationPlaces& places,
                                      const std::filesystem::path& current_folder) {
    const std::filesystem::path file = places.config_folder / kConfigurationFileName;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        std::filesystem::create_directories(places.config_folder, error);
        const Status written = WriteFileAtomically(file, [&](std::ostream& out) {
            std::string data_folder = places.data_folder.string();
            out << "[Database]\r\nDBLoc=" << WithTrailingSeparator(data_folder) << "\r\n";
        });
        if (!written) {
            return Error{"The configuration file cannot be created: " + written.message()};
        }
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return Error{file.string() + ": the configuration file cannot be read"};
    }
    std::string folder = ReadCatalogDirKey(in).value_or("");
    if (folder.empty()) {
        folder = current_folder.string();
    }
    return WithTrailingSeparator(folder);
}

}  // namespace korvane

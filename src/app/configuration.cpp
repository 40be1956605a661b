#include "app/configuration.h"

#include <charconv>
#include <cstdlib>
#include <sstream>
#include <system_error>

#include "files/atomic_write.h"
#include "files/path_utils.h"
#include "files/regular_file.h"
#include "model/text_helpers.h"

namespace korvane {

namespace {

std::string EnvironmentText(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A value in quotes, as "C:\Ships" or '/srv/ships', is taken without them.
std::string Unquoted(std::string text) {
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

// Far more than a configuration file of one key needs.
constexpr std::uintmax_t kLargestFile = 1 << 20;

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
    const std::string windows_folder(Trimmed(EnvironmentText("WINDIR"), kSpacesAndTabs));
    places.config_folder = windows_folder.empty() ? XdgFolder("XDG_CONFIG_HOME", ".config")
                                                  : std::filesystem::path(windows_folder);
    places.data_folder = XdgFolder("XDG_DATA_HOME", ".local/share");
    places.state_folder = XdgFolder("XDG_STATE_HOME", ".local/state");
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
        if (UpperCase(line.substr(0, 5)) == "DBLOC") {
            // Character 6 is the "=" in a well-formed line and is skipped whatever it is.
            return Unquoted(std::string(
                Trimmed(line.size() > 6 ? std::string_view(line).substr(6) : "", kSpacesAndTabs)));
        }
    }
    return std::nullopt;
}

Result<CatalogFolder> ResolveCatalogDir(const ConfigurationPlaces& places) {
    const std::filesystem::path file = places.config_folder / kConfigurationFileName;
    std::string data_folder = places.data_folder.string();
    WithTrailingSeparator(data_folder);
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        std::filesystem::create_directories(places.config_folder, error);
        const Status written = WriteFileAtomically(file, [&](std::ostream& out) {
            out << "[Database]\r\nDBLoc=" << data_folder << "\r\n";
        });
        if (!written) {
            return Error{"The configuration file cannot be created: " + written.message()};
        }
    }
    const Result<std::string> text = ReadRegularFile(file, "configuration file", kLargestFile);
    if (!text) {
        if (!std::filesystem::is_regular_file(file, error) &&
            std::filesystem::exists(file, error)) {
            return CatalogFolder{data_folder, text.message() + "; the catalog is kept in " +
                                                  data_folder + " instead."};
        }
        return Error{text.message()};
    }
    std::istringstream in(text.value());
    std::string folder = ReadCatalogDirKey(in).value_or("");
    if (folder.empty()) {
        return CatalogFolder{data_folder, file.string() +
                                              ": names no catalog folder (DBLoc=); the catalog "
                                              "is kept in " +
                                              data_folder + " instead."};
    }
    return CatalogFolder{WithTrailingSeparator(folder), ""};
}

namespace {

// The value of a "Key=value" line whose key reads `key` whatever its case, and
// the line's position; none when no line has the key.
struct KeyLine {
    std::string value;
    std::size_t line = 0;
};

std::optional<KeyLine> FindKeyLine(std::istream& configuration, std::string_view key) {
    std::string line;
    for (std::size_t number = 0; std::getline(configuration, line); ++number) {
        const std::string_view text = Trimmed(line, " \t\r");
        const std::size_t equals = text.find('=');
        if (equals != std::string_view::npos &&
            UpperCase(std::string(Trimmed(text.substr(0, equals), kSpacesAndTabs))) ==
                UpperCase(std::string(key))) {
            return KeyLine{std::string(Trimmed(text.substr(equals + 1), kSpacesAndTabs)), number};
        }
    }
    return std::nullopt;
}

std::filesystem::path ConfigurationFile(const ConfigurationPlaces& places) {
    return places.config_folder / kConfigurationFileName;
}

}  // namespace

std::optional<std::string> ConfigurationValue(std::istream& configuration, std::string_view key) {
    if (std::optional<KeyLine> found = FindKeyLine(configuration, key)) {
        return std::move(found->value);
    }
    return std::nullopt;
}

std::optional<std::string> ConfigurationValue(const ConfigurationPlaces& places,
                                              std::string_view key) {
    const Result<std::string> text =
        ReadRegularFile(ConfigurationFile(places), "configuration file", kLargestFile);
    if (!text) {
        return std::nullopt;  // the catalog's start has said what is wrong with the file
    }
    std::istringstream in(text.value());
    return ConfigurationValue(in, key);
}

Status SetConfigurationValue(const ConfigurationPlaces& places, std::string_view key,
                             std::string_view value) {
    const std::filesystem::path file = ConfigurationFile(places);
    std::error_code error;
    std::string text;
    if (std::filesystem::exists(file, error)) {
        Result<std::string> read = ReadRegularFile(file, "configuration file", kLargestFile);
        if (!read) {
            return Error{read.message()};
        }
        text = std::move(read.value());
    }
    std::istringstream in(text);
    const std::optional<KeyLine> found = FindKeyLine(in, key);
    const std::string line = std::string(key) + "=" + std::string(value) + "\r\n";
    std::string changed;
    std::istringstream lines(text);
    std::string each;
    for (std::size_t number = 0; std::getline(lines, each); ++number) {
        changed += found && found->line == number ? line : each + "\n";
    }
    if (!found) {
        if (!changed.empty() && !changed.ends_with('\n')) {
            changed += "\r\n";
        }
        changed += line;
    }
    std::filesystem::create_directories(places.config_folder, error);
    const Status written =
        WriteFileAtomically(file, [&changed](std::ostream& out) { out << changed; });
    if (!written) {
        return Error{"The setting cannot be kept in the configuration file: " + written.message()};
    }
    return {};
}

namespace {

AutosaveInterval IntervalOf(const std::optional<std::string>& value) {
    if (!value) {
        return {};
    }
    int seconds = 0;
    const auto [end, error] =
        std::from_chars(value->data(), value->data() + value->size(), seconds);
    if (error != std::errc() || end != value->data() + value->size() || seconds < 1 ||
        seconds > 3600) {
        return {kDefaultAutosaveInterval,
                std::string(kConfigurationFileName) + ": AutosaveSeconds=" + *value +
                    " is not a number of seconds from 1 to 3600; the recovery copy of "
                    "unsaved changes is written every " +
                    std::to_string(kDefaultAutosaveInterval.count()) + " seconds."};
    }
    return {std::chrono::seconds(seconds), ""};
}

}  // namespace

AutosaveInterval ReadAutosaveInterval(std::istream& configuration) {
    return IntervalOf(ConfigurationValue(configuration, "AutosaveSeconds"));
}

AutosaveInterval ReadAutosaveInterval(const ConfigurationPlaces& places) {
    return IntervalOf(ConfigurationValue(places, "AutosaveSeconds"));
}

}  // namespace korvane

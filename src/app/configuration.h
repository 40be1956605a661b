#pragma once

#include <chrono>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "model/result.h"

namespace korvane {

inline constexpr const char* kConfigurationFileName = "Korvaw.ini";
inline constexpr const char* kCatalogFileName = "korva.db";

// Where the configuration file lives and where a new one points the catalog.
struct ConfigurationPlaces {
    std::filesystem::path config_folder;  // WINDIR when set, else $XDG_CONFIG_HOME/korvane
    std::filesystem::path data_folder;    // $XDG_DATA_HOME/korvane
    std::filesystem::path state_folder;   // $XDG_STATE_HOME/korvane: the recovery copies
};

// Reads the places from the environment (WINDIR, XDG_CONFIG_HOME, XDG_DATA_HOME,
// XDG_STATE_HOME, HOME).
ConfigurationPlaces ConfigurationPlacesFromEnvironment();

// The catalog folder named by the configuration text: the first line whose first
// five characters, upper-cased, are "DBLOC" supplies it, from character 7 on,
// without the blanks and the quotes around it.
std::optional<std::string> ReadCatalogDirKey(std::istream& configuration);

// The catalog folder, ending in a separator, and why it is not the configured
// one when it is not (a person is to be told).
struct CatalogFolder {
    std::string path;
    std::string notice;
};

// Finds the catalog folder: creates the configuration file when it is missing
// (pointing at the data folder) and reads its key. A key that is missing or
// empty, or a configuration file that is not a regular file, gives the data
// folder and a notice.
Result<CatalogFolder> ResolveCatalogDir(const ConfigurationPlaces& places);

// The value of the configuration text's "Key=value" line whose key is `key`
// in any case, without the blanks around it; none when no line has the key.
std::optional<std::string> ConfigurationValue(std::istream& configuration, std::string_view key);
// The same from the configuration file; none when it cannot be read either.
std::optional<std::string> ConfigurationValue(const ConfigurationPlaces& places,
                                              std::string_view key);
// Keeps `key`=`value` in the configuration file: its line is replaced, or
// one is added at the end; every other line stays as it is.
Status SetConfigurationValue(const ConfigurationPlaces& places, std::string_view key,
                             std::string_view value);

// How often at most the recovery copy of a design with unsaved changes is
// written: the key "AutosaveSeconds=" of the configuration file, a whole number
// of seconds from 1 to 3600, 60 when the key or the file is missing. A value
// out of that range, or no number, gives 60 and a notice saying so.
inline constexpr std::chrono::seconds kDefaultAutosaveInterval{60};
struct AutosaveInterval {
    std::chrono::seconds interval = kDefaultAutosaveInterval;
    std::string notice;
};
AutosaveInterval ReadAutosaveInterval(const ConfigurationPlaces& places);
// The same from the configuration text.
AutosaveInterval ReadAutosaveInterval(std::istream& configuration);

}  // namespace korvane

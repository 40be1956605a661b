#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <string>

#include "model/result.h"

namespace korvane {

inline constexpr const char* kConfigurationFileName = "Korvaw.ini";
inline constexpr const char* kCatalogFileName = "korva.db";

// Where the configuration file lives and where a new one points the catalog.
struct ConfigurationPlaces {
    std::filesystem::path config_folder;  // WINDIR when set, else $XDG_CONFIG_HOME/korvane
    std::filesystem::path data_folder;    // $XDG_DATA_HOME/korvane
};

// Reads the places from the environment (WINDIR, XDG_CONFIG_HOME, XDG_DATA_HOME, HOME).
ConfigurationPlaces ConfigurationPlacesFromEnvironment();

// The catalog folder named by the configuration text: the first line whose first
// five characters, upper-cased, are "DBLOC" supplies it, from character 7 on.
std::optional<std::string> ReadCatalogDirKey(std::istream& configuration);

// Finds the catalog folder: creates the configuration file when it is missing
// (pointing at the data folder), reads its key, and falls back to the current
// folder when the key is missing or empty. The result ends in a separator.
Result<std::string> ResolveCatalogDir(const ConfigurationPlaces& places,
                                      const std::filesystem::path& current_folder);

}  // namespace korvane

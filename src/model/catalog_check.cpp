#include "model/catalog_check.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <string_view>

#include "model/catalog.h"
#include "model/catalog_values.h"
#include "model/cp1252.h"

namespace korvane {

namespace {

using Family = std::vector<const ComponentRecord*>;

constexpr std::string_view kDigitAlphabet = "123456789ABCDEFGHJKLMNPQRSTVWXYZ";
constexpr std::string_view kScanLetters = "-IFDRS";

// Rows the program looks up by id: family and the highest id of 1..n it needs.
struct NeededIds {
    std::string_view family;
    int through;
};
constexpr NeededIds kNeededIds[] = {
    {"TC", 33}, {"CN", 8}, {"AT", 5},  {"AR", 1}, {"PP", 1}, {"PU", 1}, {"AV", 1}, {"CM", 1},
    {"SA", 12}, {"SV", 5}, {"SD", 10}, {"SN", 1}, {"SM", 1}, {"SC", 1}, {"SP", 1}, {"TR", 1},
    {"BY", 1},  {"CO", 1}, {"PN", 7},  {"AC", 1}, {"EN", 6}, {"AH", 1}, {"CR", 1}, {"TY", 1},
};

std::string FamilyName(const ComponentRecord& row) {
    std::string table = row.TABLE.trimmed();
    std::replace(table.begin(), table.end(), '\0', ' ');
    return Utf8FromCp1252(table);
}

std::string Text(const std::string& bytes) {
    std::string text = bytes;
    std::replace(text.begin(), text.end(), '\0', ' ');
    return Utf8FromCp1252(text);
}

bool IsWholeNumber(std::string_view text, double& value) {
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

void CheckIds(const std::string& name, const Family& family, std::vector<std::string>& problems) {
    int previous = 0;
    for (const ComponentRecord* row : family) {
        if (row != family.front() && row->IDNUM == previous) {
            problems.push_back(name + ": id " + std::to_string(previous) +
                               " appears more than once");
        } else if (row->IDNUM != previous + 1) {
            problems.push_back(name + ": ids must run from 1 without gaps, but id " +
                               std::to_string(row->IDNUM) + " follows " +
                               (previous ? "id " + std::to_string(previous) : "no row"));
        }
        previous = row->IDNUM;
    }
}

void CheckNeededIds(const std::map<std::string, Family>& families,
                    std::vector<std::string>& problems) {
    for (const NeededIds& needed : kNeededIds) {
        const auto found = families.find(std::string(needed.family));
        const int rows = found == families.end() ? 0 : static_cast<int>(found->second.size());
        if (rows < needed.through) {
            problems.push_back(std::string(needed.family) + ": the program needs ids 1 to " +
                               std::to_string(needed.through) + ", the catalog has " +
                               std::to_string(rows) + " rows");
        }
    }
}

void CheckHullSizes(const Family& family, std::vector<std::string>& problems) {
    for (std::size_t i = 0; i < family.size(); ++i) {
        const ComponentRecord& row = *family[i];
        if (row.USP.first() == ' ' || row.USP.first() == '\0') {
            problems.push_back("TC " + RowKeyText(row) + ": the size code (USP) is empty");
        }
        if (i > 0 && row.MISCNUM[1] <= family[i - 1]->MISCNUM[1]) {
            problems.push_back("TC " + RowKeyText(row) + ": the threshold (MISCNUM1) " +
                               ExactNumberText(row.MISCNUM[1]) +
                               " does not rise above the previous row's " +
                               ExactNumberText(family[i - 1]->MISCNUM[1]));
        }
    }
}

void CheckArmourScaling(const Family& family, const std::vector<ComponentRecord>& rows,
                        std::vector<std::string>& problems) {
    double previous = 0;
    for (std::size_t i = 0; i < family.size(); ++i) {
        const ComponentRecord& row = *family[i];
        double value = 0;
        if (!IsWholeNumber(row.LABEL.view(), value)) {
            problems.push_back("AR " + RowKeyText(row) + ": the label \"" +
                               Text(row.LABEL.trimmed()) +
                               "\" must be a number (the armour value from which the row applies)");
        } else if (i > 0 && value <= previous) {
            problems.push_back("AR " + RowKeyText(row) + ": the armour value " +
                               ExactNumberText(value) + " does not rise above the previous row's");
        }
        previous = value;
    }
    if (!family.empty() && family.back() == &rows.back()) {
        problems.push_back(
            "AR: a row of another family must follow the last AR row, or the armour walk "
            "runs off the end of the catalog");
    }
}

void CheckBayFactors(const Family& family, std::vector<std::string>& problems) {
    for (const ComponentRecord* row : family) {
        const std::string factors = row->MISCSTR[1].str() + row->MISCSTR[2].str();
        const bool sound = std::all_of(factors.begin(), factors.end(), [](char c) {
            return c == '0' || kDigitAlphabet.find(c) != std::string_view::npos;
        });
        if (!sound) {
            problems.push_back("BY " + RowKeyText(*row) +
                               ": MISCSTR1 and MISCSTR2 must hold 20 factor digits, " +
                               "one for each tech level 8 to 27, found \"" + Text(factors) + "\"");
        }
    }
}

void CheckScanCodes(const std::string& name, const Family& family,
                    std::vector<std::string>& problems) {
    for (const ComponentRecord* row : family) {
        const std::string code = row->MISCSTR[1].str().substr(0, 6);
        const bool by_tech_level = code == "--*---";
        const bool letters = std::all_of(code.begin(), code.end(), [](char c) {
            return kScanLetters.find(c) != std::string_view::npos;
        });
        if (!by_tech_level && !letters) {
            problems.push_back(name + " " + RowKeyText(*row) + ": the scan code (MISCSTR1) \"" +
                               Text(code) +
                               "\" must be six of the letters \"-IFDRS\", or \"--*---\"");
        }
    }
}

void CheckRisingTechLevels(const std::string& name, const Family& family, int from_id,
                           std::vector<std::string>& problems) {
    const ComponentRecord* previous = nullptr;
    for (const ComponentRecord* row : family) {
        if (row->IDNUM < from_id) {
            continue;
        }
        if (previous && row->TL < previous->TL) {
            problems.push_back(
                name + " " + RowKeyText(*row) + ": tech levels must rise with the id from id " +
                std::to_string(from_id) + " on (the sensor defaults walk them in order)");
        }
        previous = row;
    }
}

void CheckDivisors(const std::string& name, const Family& family,
                   std::vector<std::string>& problems) {
    for (const ComponentRecord* row : family) {
        if (row->MISCNUM[1] == 0) {
            problems.push_back(name + " " + RowKeyText(*row) +
                               ": MISCNUM1 divides the control requirement "
                               "and must not be 0");
        }
    }
}

void CheckScreens(const Family& family, std::vector<std::string>& problems) {
    for (const ComponentRecord* row : family) {
        const std::string label = row->LABEL.trimmed();
        const bool kind = label.find("Meson") != std::string::npos ||
                          label.find("Nucle") != std::string::npos ||
                          label.find("Globe") != std::string::npos;
        const bool factor =
            !label.empty() &&
            (label.back() == '0' || kDigitAlphabet.find(label.back()) != std::string_view::npos);
        if (!kind || !factor) {
            problems.push_back("SC " + RowKeyText(*row) + ": the label \"" + Text(label) +
                               "\" must name \"Meson\", \"Nucle\" or \"Globe\" and end in the "
                               "screen's factor digit");
        }
    }
}

void CheckTurretThresholds(const Family& family, std::vector<std::string>& problems) {
    for (const ComponentRecord* row : family) {
        if (row->USP.first() == '*') {
            if (row->MISCSTR[1].trimmed().find('=') == std::string::npos) {
                problems.push_back("TR " + RowKeyText(*row) +
                                   ": a mixed turret needs its contents in MISCSTR1, " +
                                   "such as \"L=2 M=1 S=1\"");
            }
            continue;
        }
        double previous = 0;
        for (int k = 1; k <= 10; ++k) {
            const double threshold = row->MISCNUM[static_cast<std::size_t>(k)];
            const bool available = threshold > 0 && threshold < 9999;
            if (available && threshold < previous) {
                problems.push_back("TR " + RowKeyText(*row) +
                                   ": the battery threshold for factor " + std::to_string(k) +
                                   " falls below the one for factor " + std::to_string(k - 1));
            }
            if (available) {
                previous = threshold;
            }
        }
    }
}

}  // namespace

std::vector<std::string> CheckCatalog(const std::vector<ComponentRecord>& unsorted) {
    std::vector<ComponentRecord> rows = unsorted;
    std::stable_sort(rows.begin(), rows.end(), KeyLess);

    std::map<std::string, Family> families;
    for (const ComponentRecord& row : rows) {
        families[FamilyName(row)].push_back(&row);
    }

    std::vector<std::string> problems;
    for (const auto& [name, family] : families) {
        CheckIds(name, family, problems);
    }
    CheckNeededIds(families, problems);

    const auto each = [&](const char* name, auto check) {
        const auto found = families.find(name);
        if (found != families.end()) {
            check(std::string(name), found->second);
        }
    };
    each("TC", [&](const std::string&, const Family& f) { CheckHullSizes(f, problems); });
    each("AR", [&](const std::string&, const Family& f) { CheckArmourScaling(f, rows, problems); });
    each("BY", [&](const std::string&, const Family& f) { CheckBayFactors(f, problems); });
    for (const char* sensor : {"SA", "SV", "SD", "SN", "SM"}) {
        each(sensor,
             [&](const std::string& n, const Family& f) { CheckScanCodes(n, f, problems); });
    }
    each("SD",
         [&](const std::string& n, const Family& f) { CheckRisingTechLevels(n, f, 10, problems); });
    each("SN",
         [&](const std::string& n, const Family& f) { CheckRisingTechLevels(n, f, 1, problems); });
    each("CO", [&](const std::string& n, const Family& f) { CheckDivisors(n, f, problems); });
    each("PN", [&](const std::string& n, const Family& f) { CheckDivisors(n, f, problems); });
    each("SC", [&](const std::string&, const Family& f) { CheckScreens(f, problems); });
    each("TR", [&](const std::string&, const Family& f) { CheckTurretThresholds(f, problems); });
    each("TY", [&](const std::string&, const Family& f) {
        if (f.size() > 25) {
            problems.push_back("TY: at most 25 ship types fit the web index, the catalog has " +
                               std::to_string(f.size()));
        }
    });
    return problems;
}

}  // namespace korvane

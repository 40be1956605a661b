#include "engine/digit_codes.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "model/text_helpers.h"

namespace korvane {

int DecodeDigit(char c) {
    const auto position = kDigitAlphabet.find(UpperCase(c));
    return position == std::string_view::npos ? -99 : static_cast<int>(position) + 1;
}

std::string EncodeDigit(double n) {
    if (!(n > 0)) {
        return "0";
    }
    if (n > 32) {
        return "-99";
    }
    const double rounded = std::round(n);  // half away from zero
    if (rounded < 1) {
        return "0";
    }
    return std::string(1, kDigitAlphabet[static_cast<std::size_t>(rounded) - 1]);
}

namespace {

// The weapon keywords, in type order.
constexpr std::array<std::string_view, 12> kWeaponKeywords = {
    "LASER", "MISS",     "SAND",  "PLASMA", "FUSION", "PARTICLE",
    "MESON", "REPULSOR", "TRACT", "DAMP",   "PROJ",   "DISIN"};

// For each byte, the keywords (a bit each, type 1 in bit 0) that begin with it.
constexpr std::array<std::uint16_t, 256> kKeywordsByFirstLetter = [] {
    std::array<std::uint16_t, 256> keywords{};
    for (std::size_t k = 0; k < kWeaponKeywords.size(); ++k) {
        keywords[static_cast<unsigned char>(kWeaponKeywords[k][0])] |= 1U << k;
    }
    return keywords;
}();

bool KeywordAt(std::string_view text, std::size_t at, std::string_view keyword) {
    if (text.size() - at < keyword.size()) {
        return false;
    }
    for (std::size_t k = 0; k < keyword.size(); ++k) {
        if (UpperCase(text[at + k]) != keyword[k]) {
            return false;
        }
    }
    return true;
}

}  // namespace

// Every pass of the recalculation asks this of each turret and bay, so the
// label is read once, in place, trying at each character only the keywords
// that begin with it.
int WeaponTypeCode(std::string_view label) {
    unsigned found = 0;
    for (std::size_t at = 0; at < label.size(); ++at) {
        unsigned candidates =
            kKeywordsByFirstLetter[static_cast<unsigned char>(UpperCase(label[at]))];
        while (candidates != 0) {
            const int k = std::countr_zero(candidates);
            candidates &= candidates - 1;
            if (KeywordAt(label, at, kWeaponKeywords[static_cast<std::size_t>(k)])) {
                found |= 1U << k;
            }
        }
    }
    // The last keyword found gives the type.
    return static_cast<int>(std::bit_width(found));
}

}  // namespace korvane

#include "engine/digit_codes.h"

#include <array>
#include <cmath>

namespace korvane {

namespace {

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

int DecodeDigit(char c) {
    const auto position = kDigitAlphabet.find(UpperAscii(c));
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

int WeaponTypeCode(std::string_view label) {
    static constexpr std::array<std::string_view, 12> kKeywords = {
        "LASER", "MISS",     "SAND",  "PLASMA", "FUSION", "PARTICLE",
        "MESON", "REPULSOR", "TRACT", "DAMP",   "PROJ",   "DISIN"};
    std::string upper(label);
    for (char& c : upper) {
        c = UpperAscii(c);
    }
    int type = 0;
    for (std::size_t k = 0; k < kKeywords.size(); ++k) {
        if (upper.find(kKeywords[k]) != std::string::npos) {
            type = static_cast<int>(k) + 1;
        }
    }
    return type;
}

}  // namespace korvane

#include "engine/digit_codes.h"

#include <algorithm>
#include <array>
#include <cmath>
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

int WeaponTypeCode(std::string_view label) {
    static constexpr std::array<std::string_view, 12> kKeywords = {
        "LASER", "MISS",     "SAND",  "PLASMA", "FUSION", "PARTICLE",
        "MESON", "REPULSOR", "TRACT", "DAMP",   "PROJ",   "DISIN"};
    // The upper-case copy stays on the stack for a label (20 characters): every
    // pass of the recalculation asks this of each turret and bay.
    std::array<char, 32> buffer;
    std::string longer;
    char* upper = buffer.data();
    if (label.size() > buffer.size()) {
        longer.resize(label.size());
        upper = longer.data();
    }
    std::transform(label.begin(), label.end(), upper, [](char c) { return UpperCase(c); });
    const std::string_view text(upper, label.size());
    // The last keyword found gives the type.
    for (std::size_t k = kKeywords.size(); k > 0; --k) {
        if (text.find(kKeywords[k - 1]) != std::string_view::npos) {
            return static_cast<int>(k);
        }
    }
    return 0;
}

}  // namespace korvane

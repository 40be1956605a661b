#pragma once

#include <string>
#include <string_view>

namespace korvane {

// The one-character digit code of every profile position: the
// characters of "123456789ABCDEFGHJKLMNPQRSTVWXYZ" stand for 1–32.
inline constexpr std::string_view kDigitAlphabet = "123456789ABCDEFGHJKLMNPQRSTVWXYZ";

// Position 1–32 of the upper-cased character in the alphabet; −99 for any
// other character ("0", blank, NUL, "I", "O", "U" …).
int DecodeDigit(char c);

// n ≤ 0 gives "0", n > 32 gives "-99", otherwise the character of n rounded
// half away from zero; a value above 0 that rounds to 0 gives "0". Not a
// number gives "0".
std::string EncodeDigit(double n);

// Weapon type 1–12 of a label (order of WeaponTypeNames): the upper-cased
// label is tested for "LASER", "MISS", "SAND", "PLASMA", "FUSION", "PARTICLE",
// "MESON", "REPULSOR", "TRACT", "DAMP", "PROJ", "DISIN" in that order and the
// last keyword found wins. 0 when none matches (row 0 of the weapon tallies).
int WeaponTypeCode(std::string_view label);

}  // namespace korvane

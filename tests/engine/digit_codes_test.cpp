#include "engine/digit_codes.h"

#include <limits>

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(EngineDigitCodes, DecodeReadsTheAlphabetWhateverTheCase) {
    EXPECT_EQ(DecodeDigit('1'), 1);
    EXPECT_EQ(DecodeDigit('9'), 9);
    EXPECT_EQ(DecodeDigit('A'), 10);
    EXPECT_EQ(DecodeDigit('a'), 10);
    EXPECT_EQ(DecodeDigit('H'), 17);  // "I" is left out
    EXPECT_EQ(DecodeDigit('z'), 32);
}

TEST(EngineDigitCodes, DecodeOfACharacterOutsideTheAlphabetIsMinus99) {
    for (char c : {'0', 'I', 'O', 'U', 'i', ' ', '\0', '-', '*'}) {
        EXPECT_EQ(DecodeDigit(c), -99) << "character code " << static_cast<int>(c);
    }
}

TEST(EngineDigitCodes, EncodeGivesZeroAtOrBelowZeroAndMinus99Above32) {
    EXPECT_EQ(EncodeDigit(0), "0");
    EXPECT_EQ(EncodeDigit(-5), "0");
    EXPECT_EQ(EncodeDigit(33), "-99");
    EXPECT_EQ(EncodeDigit(32.4), "-99");
    EXPECT_EQ(EncodeDigit(9), "9");
    EXPECT_EQ(EncodeDigit(10), "A");
    EXPECT_EQ(EncodeDigit(32), "Z");
}

TEST(EngineDigitCodes, EncodeRoundsHalfAwayFromZeroAndNeverGivesAnEmptyCode) {
    EXPECT_EQ(EncodeDigit(1.5), "2");
    EXPECT_EQ(EncodeDigit(2.5), "3");
    EXPECT_EQ(EncodeDigit(2.49), "2");
    EXPECT_EQ(EncodeDigit(0.4), "0");  // above 0 but rounds to 0
    EXPECT_EQ(EncodeDigit(0.5), "1");
    EXPECT_EQ(EncodeDigit(std::numeric_limits<double>::quiet_NaN()), "0");
}

TEST(EngineDigitCodes, EncodeThenDecodeReturnsTheNumberFor1To32ButNotFor0) {
    for (int n = 1; n <= 32; ++n) {
        EXPECT_EQ(DecodeDigit(EncodeDigit(n)[0]), n);
    }
    EXPECT_EQ(DecodeDigit(EncodeDigit(0)[0]), -99);
}

TEST(EngineDigitCodes, WeaponTypeTakesTheLastKeywordFound) {
    EXPECT_EQ(WeaponTypeCode("Triple Beam Laser"), 1);
    EXPECT_EQ(WeaponTypeCode("Laser and Missile"), 2);
    EXPECT_EQ(WeaponTypeCode("sandcaster"), 3);
    EXPECT_EQ(WeaponTypeCode("Fusion Gun"), 5);
    EXPECT_EQ(WeaponTypeCode("Particle Accelerator"), 6);
    EXPECT_EQ(WeaponTypeCode("Meson Spinal"), 7);
    EXPECT_EQ(WeaponTypeCode("Tractor Beam"), 9);
    EXPECT_EQ(WeaponTypeCode("Jump Damper"), 10);
    EXPECT_EQ(WeaponTypeCode("Jump Projector"), 11);
    EXPECT_EQ(WeaponTypeCode("Disintegrator"), 12);
    EXPECT_EQ(WeaponTypeCode("pLaSmA/dIsInT"), 12) << "any case, the keyword at the very end";
    EXPECT_EQ(WeaponTypeCode("MISSILE         LASE"), 2) << "a keyword cut off by the width";
    EXPECT_EQ(WeaponTypeCode("Cargo Crane"), 0);
    EXPECT_EQ(WeaponTypeCode(""), 0);
}

}  // namespace
}  // namespace korvane

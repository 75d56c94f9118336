// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Colours as a screen reader says them.
#include "colorname.h"
#include "fakes.h"

#include <gtest/gtest.h>
#include <ostream>

namespace quorvel {
namespace {

struct NameCase {
    Color color; // 0x00BBGGRR
    const char *name;
};

void PrintTo(const NameCase &c, std::ostream *out)
{
    *out << c.name;
}

class ColorNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(ColorNames, SayHueAndLightness)
{
    EXPECT_EQ(colorName(GetParam().color), QString::fromLatin1(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    ColorName, ColorNames,
    ::testing::Values(NameCase{kBlue, "blue"}, NameCase{kRed, "red"}, NameCase{kBlack, "black"},
                      NameCase{0xFFFFFF, "white"}, NameCase{0x808080, "grey"},
                      NameCase{0x404040, "dark grey"}, NameCase{0xC0C0C0, "light grey"},
                      NameCase{0x00FF00, "green"}, NameCase{0x006400, "dark green"},
                      NameCase{0x00FFFF, "yellow"}, NameCase{0x00A5FF, "orange"},
                      NameCase{0x13458B, "brown"}, NameCase{0xFFFF00, "cyan"},
                      NameCase{0xFF00FF, "magenta"}, NameCase{0x800080, "dark magenta"},
                      NameCase{0x800000, "dark blue"}, NameCase{0xE6D8AD, "light blue"},
                      NameCase{0xCB3C7E, "purple"}, NameCase{0x0000EE, "red"},
                      NameCase{0x7F7FFF, "light red"}, NameCase{0x1010F0, "red"},
                      NameCase{0x3F0000, "dark blue"}));

} // namespace
} // namespace quorvel

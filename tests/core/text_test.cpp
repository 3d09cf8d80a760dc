// Text from outside: UTF-8 checked, Windows-1252 read as what it is, byte
// limits that never split a character, and numbers that never overflow.

#include "core/platform/text.h"

#include <gtest/gtest.h>

#include <climits>

namespace velmora {
namespace {

TEST(Text, Utf8IsKeptAndAnythingElseIsWindows1252) {
  EXPECT_EQ(toUtf8("Jos\xC3\xA9"), "Jos\xC3\xA9");
  EXPECT_EQ(toUtf8("Jos\xE9"), "Jos\xC3\xA9");
  EXPECT_EQ(toUtf8("\x80 \x9F"), "\xE2\x82\xAC \xC5\xB8");  // euro sign, Y with diaeresis
  EXPECT_EQ(toUtf8("\x81"), "\xC2\x81");                    // unassigned: the control of that value
  // Overlong forms, surrogates, code points beyond U+10FFFF and cut
  // sequences are not UTF-8.
  for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\xC3"})
    EXPECT_FALSE(isValidUtf8(bad)) << bad;
  EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80 \xC5\x81ukasz"));
}

TEST(Text, CutsStopBeforeASplitCharacter) {
  const std::string name = "\xC5\x81ukasz";  // Ł is two bytes
  EXPECT_EQ(cutUtf8(name, 1), "");
  EXPECT_EQ(cutUtf8(name, 2), "\xC5\x81");
  EXPECT_EQ(cutUtf8(name, 100), name);
  EXPECT_EQ(cutUtf8("\xF0\x9F\x98\x80!", 3), "");
}

TEST(Text, NumbersAreReadAsAtoiDoesButSaturate) {
  EXPECT_EQ(readDecimal("  -12x"), -12);
  EXPECT_EQ(readDecimal("+7"), 7);
  EXPECT_EQ(readDecimal("abc"), 0);
  EXPECT_EQ(readDecimal("2147483647"), INT_MAX);
  EXPECT_EQ(readDecimal("-2147483648"), INT_MIN);
  EXPECT_EQ(readDecimal("99999999999999999999999"), INT_MAX);
  EXPECT_EQ(readDecimal("-99999999999999999999999"), INT_MIN);
}

}  // namespace
}  // namespace velmora

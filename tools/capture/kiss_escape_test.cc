#include "capture/kiss_escape.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tavrik::capture {
namespace {

using Bytes = std::vector<std::uint8_t>;

// What a lone byte becomes: only FEND and FESC change.
Bytes EscapedForm(std::uint8_t byte) {
  if (byte == 0xC0) return {0xDB, 0xDC};
  if (byte == 0xDB) return {0xDB, 0xDD};
  return {byte};
}

TEST(KissEscape, EveryByteAlone) {
  for (int value = 0; value <= 0xFF; ++value) {
    const Bytes byte{static_cast<std::uint8_t>(value)};
    EXPECT_EQ(KissEscape(byte), EscapedForm(byte[0])) << "byte " << value;
  }
}

TEST(KissEscape, AllBytesInOneSequenceKeepTheirOrder) {
  Bytes all;
  Bytes expected;
  for (int value = 0; value <= 0xFF; ++value) {
    all.push_back(static_cast<std::uint8_t>(value));
    const Bytes form = EscapedForm(static_cast<std::uint8_t>(value));
    expected.insert(expected.end(), form.begin(), form.end());
  }
  EXPECT_EQ(KissEscape(all), expected);
  EXPECT_EQ(expected.size(), 258u);
}

TEST(KissEscape, EscapedInputIsDataLikeAnyOtherAndEmptyStaysEmpty) {
  // Already-escaped input is data like any other: only its FESC bytes change.
  EXPECT_EQ(KissEscape(Bytes{0xDB, 0xDC, 0xC0, 0xC0}),
            (Bytes{0xDB, 0xDD, 0xDC, 0xDB, 0xDC, 0xDB, 0xDC}));
  EXPECT_EQ(KissEscape(Bytes{}), Bytes{});
}

}  // namespace
}  // namespace tavrik::capture

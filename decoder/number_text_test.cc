#include "number_text.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(FixedTextTest, ScalesPadsAndNeverCuts) {
  const struct {
    std::uint64_t raw;
    int decimals;
    std::size_t width;
    const char* text;
  } cases[] = {
      {4000, 3, 6, " 4.000"},  {3800, 3, 6, " 3.800"}, {3801, 3, 6, " 3.801"},
      {65535, 3, 6, "65.535"}, {7, 3, 6, " 0.007"},    {0, 3, 6, " 0.000"},
      {5, 0, 4, "   5"},       {200, 0, 4, " 200"},    {12345, 0, 4, "12345"},
      {253, 1, 3, "25.3"},     {5, 1, 3, "0.5"},       {0, 1, 3, "0.0"},
      {65535, 1, 3, "6553.5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FixedText(c.raw, c.decimals, c.width), c.text) << c.raw << " /10^" << c.decimals;
  }
}

}  // namespace
}  // namespace tavrik

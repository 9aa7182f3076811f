#include "capture/generate_command.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace tavrik::capture {
namespace {

using Arguments = std::vector<std::string_view>;

TEST(ParseGenerateCommand, ReadsOptionsAndOutput) {
  struct Case {
    Arguments arguments;
    std::uint64_t seed;
    std::uint64_t frames;
    std::uint64_t target_bytes;
    std::string_view output;
  };
  const Case cases[] = {
      {{"out.kss"}, 1, 10, 0, "out.kss"},
      {{"--seed", "2022", "--frames", "12", "samples/sample.kss"}, 2022, 12, 0, "samples/sample.kss"},
      {{"--bytes", "100000000", "-"}, 1, 10, 100000000, "-"},
      {{"big.kss", "--seed", "18446744073709551615"}, 18446744073709551615u, 10, 0, "big.kss"},
      {{"--frames", "0", "empty.kss"}, 1, 0, 0, "empty.kss"},
  };
  for (const Case& c : cases) {
    const GenerateCommand command = ParseGenerateCommand(c.arguments);
    EXPECT_FALSE(command.help);
    EXPECT_EQ(command.options.seed, c.seed) << c.output;
    EXPECT_EQ(command.options.frames, c.frames) << c.output;
    EXPECT_EQ(command.options.target_bytes, c.target_bytes) << c.output;
    EXPECT_EQ(command.output, c.output);
  }
}

TEST(ParseGenerateCommand, HelpNeedsNothingElse) {
  for (const Arguments& arguments : {Arguments{"--help"}, Arguments{"out.kss", "--help"}}) {
    EXPECT_TRUE(ParseGenerateCommand(arguments).help);
  }
}

TEST(ParseGenerateCommand, RefusesBadCommandLines) {
  const Arguments refused[] = {
      {},
      {"--frames", "12"},
      {"--frames"},
      {"a.kss", "b.kss"},
      {"--frames", "-1", "out.kss"},
      {"--frames", "12a", "out.kss"},
      {"--frames", "", "out.kss"},
      {"--seed", "18446744073709551616", "out.kss"},
      {"--frames", "1", "--bytes", "2", "out.kss"},
      {"--bytes", "0", "out.kss"},
      {"--frames=3", "out.kss"},
      {"-f", "3", "out.kss"},
  };
  for (const Arguments& arguments : refused) {
    std::string line;
    for (const std::string_view argument : arguments) line.append(argument).append(" ");
    EXPECT_THROW(ParseGenerateCommand(arguments), UsageError) << "'" << line << "'";
  }
}

}  // namespace
}  // namespace tavrik::capture

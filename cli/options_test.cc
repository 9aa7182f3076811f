#include "cli/options.h"

#include <gtest/gtest.h>

namespace tavrik::cli {
namespace {

using Action = Options::Action;
using Files = std::vector<std::string>;

Options Parse(std::initializer_list<std::string_view> arguments) {
  return ParseOptions(std::span<const std::string_view>(arguments.begin(), arguments.size()));
}

TEST(OptionsTest, AcceptsTheFormsOfTheCommandLine) {
  const struct {
    std::initializer_list<std::string_view> arguments;
    Action action;
    OutputFormat format;
    bool write_hex;
    Files files;
  } cases[] = {
      {{"a.kss"}, Action::kDecode, OutputFormat::kText, false, {"a.kss"}},
      {{"--csv", "a.kss", "b.kss"}, Action::kDecode, OutputFormat::kCsv, false, {"a.kss", "b.kss"}},
      {{"--hex", "a.kss", "--json"}, Action::kDecode, OutputFormat::kJson, true, {"a.kss"}},
      {{"--csv", "--csv", "a.kss"}, Action::kDecode, OutputFormat::kCsv, false, {"a.kss"}},
      {{"--", "--csv", "-x"}, Action::kDecode, OutputFormat::kText, false, {"--csv", "-x"}},
      {{"-", "--", "--"}, Action::kDecode, OutputFormat::kText, false, {"-", "--"}},
      {{"--help", "--bogus"}, Action::kHelp, OutputFormat::kText, false, {}},
      {{"a.kss", "--version", "--csv", "--json"}, Action::kVersion, OutputFormat::kText, false, {}},
  };
  for (const auto& c : cases) {
    const Options options = Parse(c.arguments);
    const std::string shown = ::testing::PrintToString(std::vector<std::string_view>(c.arguments));
    EXPECT_EQ(options.error, "") << shown;
    EXPECT_EQ(options.action, c.action) << shown;
    EXPECT_EQ(options.format, c.format) << shown;
    EXPECT_EQ(options.write_hex, c.write_hex) << shown;
    EXPECT_EQ(options.files, c.files) << shown;
  }
}

TEST(OptionsTest, RejectsWhatCannotRun) {
  const struct {
    std::initializer_list<std::string_view> arguments;
    const char* error;
  } cases[] = {
      {{}, "no FILE given"},
      {{"--hex", "--"}, "no FILE given"},
      {{"--csv", "--json", "a.kss"}, "--csv and --json cannot be used together"},
      {{"a.kss", "-c"}, "unknown option '-c'"},
      {{"--CSV", "a.kss"}, "unknown option '--CSV'"},
      {{"--bogus", "--help"}, "unknown option '--bogus'"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Parse(c.arguments).error, c.error)
        << ::testing::PrintToString(std::vector<std::string_view>(c.arguments));
  }
}

}  // namespace
}  // namespace tavrik::cli

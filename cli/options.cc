#include "cli/options.h"

namespace tavrik::cli {
namespace {

Options OnlyAction(Options::Action action) {
  Options options;
  options.action = action;
  return options;
}

Options Failure(Options options, std::string error) {
  options.error = std::move(error);
  return options;
}

}  // namespace

Options ParseOptions(std::span<const std::string_view> arguments) {
  Options options;
  bool csv = false;
  bool json = false;
  bool options_ended = false;
  for (const std::string_view argument : arguments) {
    // "-" alone names a file, as it does for most programs.
    if (options_ended || !argument.starts_with('-') || argument == "-") {
      options.files.emplace_back(argument);
    } else if (argument == "--") {
      options_ended = true;
    } else if (argument == "--help") {
      return OnlyAction(Options::Action::kHelp);
    } else if (argument == "--version") {
      return OnlyAction(Options::Action::kVersion);
    } else if (argument == "--csv") {
      csv = true;
    } else if (argument == "--json") {
      json = true;
    } else if (argument == "--hex") {
      options.write_hex = true;
    } else {
      return Failure(std::move(options), "unknown option '" + std::string(argument) + "'");
    }
  }
  if (csv && json) return Failure(std::move(options), "--csv and --json cannot be used together");
  if (options.files.empty()) return Failure(std::move(options), "no FILE given");
  options.format = csv ? OutputFormat::kCsv : json ? OutputFormat::kJson : OutputFormat::kText;
  return options;
}

}  // namespace tavrik::cli

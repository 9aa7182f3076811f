// The command line of tavrik-decode, parsed into what the run needs:
//   tavrik-decode [--csv | --json] [--hex] FILE...
#ifndef TAVRIK_CLI_OPTIONS_H_
#define TAVRIK_CLI_OPTIONS_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik::cli {

enum class OutputFormat { kText, kCsv, kJson };

struct Options {
  enum class Action { kDecode, kHelp, kVersion };
  Action action = Action::kDecode;
  OutputFormat format = OutputFormat::kText;
  bool write_hex = false;
  std::vector<std::string> files;
  std::string error;  // why the command line cannot run; empty when it can
};

// Parses the arguments after the program name. Options and files may come in
// any order until "--", after which every argument is a file. --help and
// --version answer at once, whatever follows them.
Options ParseOptions(std::span<const std::string_view> arguments);

}  // namespace tavrik::cli

#endif  // TAVRIK_CLI_OPTIONS_H_

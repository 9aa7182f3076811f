// The command line of kss-generate, kept apart from main() so that its
// rules can be tested:
//   kss-generate [--seed N] [--frames N | --bytes N] OUTPUT
#ifndef TAVRIK_CAPTURE_GENERATE_COMMAND_H_
#define TAVRIK_CAPTURE_GENERATE_COMMAND_H_

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "capture/capture_generator.h"

namespace tavrik::capture {

// A command line that kss-generate cannot run; the message says why.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct GenerateCommand {
  bool help = false;  // --help was given; nothing else is filled in
  GeneratorOptions options;
  std::string output;  // "-" for standard output
};

// Parses the arguments after the program name. Throws UsageError.
GenerateCommand ParseGenerateCommand(std::span<const std::string_view> arguments);

// The text printed by --help and after a usage error.
extern const std::string_view kGenerateUsage;

}  // namespace tavrik::capture

#endif  // TAVRIK_CAPTURE_GENERATE_COMMAND_H_

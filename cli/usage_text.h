// The texts tavrik-decode prints about itself: the usage hint after a wrong
// command line, the --help text and the --version line.
#ifndef TAVRIK_CLI_USAGE_TEXT_H_
#define TAVRIK_CLI_USAGE_TEXT_H_

#include <string_view>

namespace tavrik::cli {

extern const std::string_view kUsageHint;
extern const std::string_view kHelpText;
extern const std::string_view kVersionText;

}  // namespace tavrik::cli

#endif  // TAVRIK_CLI_USAGE_TEXT_H_

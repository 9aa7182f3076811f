// tavrik-decode: decodes TAVRIK beacon captures on the command line.
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/decode_command.h"

int main(int argc, char** argv) {
  // std::cout then buffers on its own instead of going through C stdio.
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  return tavrik::cli::RunDecodeCommand(arguments, std::cout, std::cerr,
                                       tavrik::DateTimeFormat::FromUserLocale());
}

// kss-generate: writes a synthetic .kss capture; see kGenerateUsage.
#include <fstream>
#include <iostream>
#include <string_view>
#include <vector>

#include "capture/capture_generator.h"
#include "capture/generate_command.h"

namespace {

constexpr int kUsageExit = 2;
constexpr int kWriteFailedExit = 1;

int Generate(const tavrik::capture::GenerateCommand& command) {
  if (command.output == "-") {
    tavrik::capture::GenerateCapture(command.options, std::cout);
    std::cout.flush();
    if (!std::cout) {
      std::cerr << "kss-generate: cannot write to standard output\n";
      return kWriteFailedExit;
    }
    return 0;
  }
  std::ofstream file(command.output, std::ios::binary | std::ios::trunc);
  if (file) tavrik::capture::GenerateCapture(command.options, file);
  file.close();
  if (!file) {
    std::cerr << "kss-generate: cannot write " << command.output << "\n";
    return kWriteFailedExit;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  tavrik::capture::GenerateCommand command;
  try {
    command = tavrik::capture::ParseGenerateCommand(arguments);
  } catch (const tavrik::capture::UsageError& error) {
    std::cerr << "kss-generate: " << error.what() << "\n" << tavrik::capture::kGenerateUsage;
    return kUsageExit;
  }
  if (command.help) {
    std::cout << tavrik::capture::kGenerateUsage;
    return 0;
  }
  return Generate(command);
}

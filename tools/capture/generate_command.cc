#include "capture/generate_command.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace tavrik::capture {

const std::string_view kGenerateUsage =
    "Usage: kss-generate [--seed N] [--frames N | --bytes N] OUTPUT\n"
    "Writes a synthetic .kss capture to OUTPUT ('-' for standard output).\n"
    "  --seed N    seed of the generator (default 1); a seed always gives the same bytes\n"
    "  --frames N  number of telemetry frames (default 10)\n"
    "  --bytes N   instead of --frames: generate until the capture holds at least N bytes\n"
    "  --help      show this text\n";

namespace {

std::uint64_t ParseCount(std::string_view option, std::string_view text) {
  std::uint64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) {
    throw UsageError(std::string(option) + " needs a whole number from 0 to 2^64-1, not '" +
                     std::string(text) + "'");
  }
  return value;
}

}  // namespace

GenerateCommand ParseGenerateCommand(std::span<const std::string_view> arguments) {
  GenerateCommand command;
  std::optional<std::uint64_t> frames;
  std::optional<std::uint64_t> bytes;
  std::optional<std::string_view> output;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "--help") {
      GenerateCommand help;
      help.help = true;
      return help;
    }
    if (argument == "--seed" || argument == "--frames" || argument == "--bytes") {
      if (i + 1 == arguments.size()) {
        throw UsageError(std::string(argument) + " needs a value");
      }
      const std::uint64_t value = ParseCount(argument, arguments[++i]);
      if (argument == "--seed") {
        command.options.seed = value;
      } else if (argument == "--frames") {
        frames = value;
      } else {
        bytes = value;
      }
    } else if (argument.starts_with("-") && argument != "-") {
      throw UsageError("unknown option '" + std::string(argument) + "'");
    } else if (output) {
      throw UsageError("more than one OUTPUT: '" + std::string(*output) + "' and '" +
                       std::string(argument) + "'");
    } else {
      output = argument;
    }
  }
  if (!output) throw UsageError("missing OUTPUT");
  if (frames && bytes) throw UsageError("--frames and --bytes cannot be used together");
  if (bytes == 0u) throw UsageError("--bytes needs a size of at least 1");
  if (frames) command.options.frames = *frames;
  if (bytes) command.options.target_bytes = *bytes;
  command.output = *output;
  return command;
}

}  // namespace tavrik::capture

#include "cli/decode_command.h"

#include <optional>
#include <string>

#include "cli/csv_writer.h"
#include "cli/frame_record.h"
#include "cli/json_writer.h"
#include "cli/options.h"
#include "cli/text_writer.h"
#include "cli/usage_text.h"
#include "decoder/decoder_controller.h"
#include "decoder/hex_file.h"
#include "decoder/path_view.h"

namespace tavrik::cli {
namespace {

// Decodes the files one after the other through one controller, as one
// window would open them.
class FileDecoder {
 public:
  FileDecoder(const Options& options, const DateTimeFormat& format, std::ostream& out,
              std::ostream& err)
      : options_(options), controller_(view_, format), out_(out), err_(err) {
    controller_.Initialise();
  }

  // False when anything about the file failed.
  bool Decode(const std::string& path);

 private:
  bool Select(const std::string& path, std::int32_t frame_number);
  bool WriteHex(const std::string& path);
  void WriteFrame(const std::string& path, std::int32_t frame_number);
  void Report(const std::string& path, const std::string& message) {
    err_ << path << ": " << message << '\n';
  }

  const Options& options_;
  PathView view_;  // the file dialog, answered from the command line
  DecoderController controller_;
  std::ostream& out_;
  std::ostream& err_;
};

std::string FrameErrorMessage(std::int32_t frame_number, const DecoderError& error) {
  return "frame " + std::to_string(frame_number) + ": " + error.what();
}

bool FileDecoder::Decode(const std::string& path) {
  bool ok = true;
  bool read = true;
  view_.SetPath(path);
  try {
    controller_.Open();
  } catch (const DecoderError& error) {
    ok = false;
    // Open hides the logo only once the whole capture has been read. An
    // error before that means the file could not be opened or was cut off
    // inside a record: the window shows none of its frames, and the lists may
    // even hold the file opened before. An error after it is frame 1's.
    read = !controller_.Slots().LogoVisible;
    Report(path, read ? FrameErrorMessage(1, error) : error.what());
  }
  if (options_.write_hex && !WriteHex(path)) ok = false;
  if (!read) return false;

  if (controller_.FrameCount() == 0) {
    if (options_.format == OutputFormat::kText) WriteStatusText(out_, controller_.Slots());
    return ok;
  }
  for (std::int32_t frame_number = 1; frame_number <= controller_.FrameCount(); ++frame_number) {
    if (frame_number > 1 && !Select(path, frame_number)) ok = false;
    WriteFrame(path, frame_number);
  }
  return ok;
}

bool FileDecoder::Select(const std::string& path, std::int32_t frame_number) {
  try {
    controller_.Select(frame_number);
  } catch (const DecoderError& error) {
    Report(path, FrameErrorMessage(frame_number, error));
    return false;
  }
  return true;
}

// Writes through the window's Write command when it is enabled for this
// file. After a file that could not be opened the command still serves the
// file opened before, whose .HEX file has been written already.
bool FileDecoder::WriteHex(const std::string& path) {
  if (!controller_.Slots().WriteHexCommand ||
      controller_.HexFilePath() != FormHexFilePath(controller_.DecoderDirectory(), path)) {
    return true;
  }
  try {
    controller_.Write();
  } catch (const DecoderError& error) {
    Report(path, error.what());
    return false;
  }
  return true;
}

void FileDecoder::WriteFrame(const std::string& path, std::int32_t frame_number) {
  const auto record = [&] {
    const std::size_t index = static_cast<std::size_t>(frame_number - 1);
    return MakeFrameRecord(path, frame_number, controller_.TimestampRecords().Bytes(index),
                           controller_.TelemetryFrames().Bytes(index));
  };
  switch (options_.format) {
    case OutputFormat::kText:
      WriteFrameTexts(out_, frame_number, controller_.Slots());
      break;
    case OutputFormat::kCsv:
      WriteCsvRow(out_, record());
      break;
    case OutputFormat::kJson:
      WriteJsonLine(out_, record());
      break;
  }
}

}  // namespace

int RunDecodeCommand(std::span<const std::string_view> arguments, std::ostream& out,
                     std::ostream& err, const DateTimeFormat& format) {
  const Options options = ParseOptions(arguments);
  if (!options.error.empty()) {
    err << "tavrik-decode: " << options.error << '\n' << kUsageHint;
    return kExitUsage;
  }
  switch (options.action) {
    case Options::Action::kHelp:
      out << kHelpText;
      return out.flush() ? kExitSuccess : kExitFailure;
    case Options::Action::kVersion:
      out << kVersionText;
      return out.flush() ? kExitSuccess : kExitFailure;
    case Options::Action::kDecode:
      break;
  }

  if (options.format == OutputFormat::kCsv) WriteCsvHeader(out);
  FileDecoder decoder(options, format, out, err);
  bool ok = true;
  for (const std::string& path : options.files) {
    if (options.format == OutputFormat::kText && options.files.size() > 1)
      WriteFileHeading(out, path);
    if (!decoder.Decode(path)) ok = false;
  }
  if (!out.flush()) {
    err << "tavrik-decode: the output could not be written\n";
    return kExitFailure;
  }
  return ok ? kExitSuccess : kExitFailure;
}

}  // namespace tavrik::cli

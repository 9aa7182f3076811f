#include "decoder_controller.h"

#include <algorithm>
#include <filesystem>

#include "byte_file.h"
#include "hex_file.h"
#include "kiss_unescape.h"
#include "reception_time.h"
#include "telemetry_decoder.h"

namespace tavrik {

using namespace std::string_literals;

DecoderController::DecoderController(DecoderView& view, DateTimeFormat format)
    : view_(view), format_(std::move(format)) {}

void DecoderController::Initialise() {
  ClearLists();
  apaga();
  decoder_directory_ = std::filesystem::current_path().string();
}

void DecoderController::apaga() {
  slots_.LogoVisible = true;
  for (TextSlot* slot :
       {&slots_.StatusText, &slots_.RxDateText, &slots_.FrameCountText, &slots_.ChoosePrompt,
        &slots_.FrameNumberText, &slots_.DecodedHeading, &slots_.OnboardTimeText,
        &slots_.MillisecondsText, &slots_.BatteryText, &slots_.SystemCurrentText,
        &slots_.SolarCurrentText, &slots_.PaTemperatureText}) {
    slot->visible = false;
  }
  slots_.FrameSelector.visible = false;
}

void DecoderController::ClearLists() {
  records_.StoredFrames.Clear();
  records_.TimestampRecords.Clear();
  records_.FrameCount = 0;
  telemetry_frames_.Clear();
}

void DecoderController::Open() {
  apaga();
  const std::optional<std::string> path = view_.ChooseFile(kKssFileFilter);
  if (!path) return;

  for (TextSlot* slot : {&slots_.ChoosePrompt, &slots_.OnboardTimeText, &slots_.FrameNumberText,
                         &slots_.FrameCountText, &slots_.StatusText, &slots_.DecodedHeading,
                         &slots_.MillisecondsText, &slots_.SystemCurrentText, &slots_.BatteryText,
                         &slots_.RxDateText, &slots_.SolarCurrentText, &slots_.PaTemperatureText}) {
    slot->visible = true;
  }
  slots_.FrameSelector.visible = true;
  view_.RedrawNow();

  slots_.FrameSelector.position = 1;
  slots_.RxDateText.text.clear();
  slots_.FileNameLine.text = *path;
  ByteFile file(*path);
  ClearLists();
  hex_file_path_ = FormHexFilePath(decoder_directory_, *path);

  if (file.Size() == 0) {
    apaga();
    slots_.LogoVisible = false;
    slots_.StatusText = {*path + "   is not a valid file !", true};
    slots_.WriteHexCommand = false;
    return;
  }
  slots_.WriteHexCommand = true;
  ReadCapture(file);

  const std::int32_t frame_count = records_.FrameCount;
  const bool several_frames = frame_count != 1;
  slots_.FrameSelector.visible = several_frames;
  slots_.ChoosePrompt.visible = several_frames;
  slots_.FrameNumberText.visible = several_frames;
  slots_.FrameSelector.position = 1;

  if (frame_count == 0) {
    apaga();
    slots_.LogoVisible = false;
    slots_.StatusText = {"  This KSS file is not TAVRIK telemetry !  ", true};
    slots_.WriteHexCommand = false;
    return;
  }
  slots_.StatusText.text = " Telemetry data ";
  slots_.FrameCountText.text = " This file contains  "s + std::to_string(frame_count) +
                               (frame_count == 1 ? "  frame" : "  frames");
  selected_frame_ = 1;
  slots_.LogoVisible = false;
  slots_.FrameNumberText.text = std::to_string(selected_frame_);
  calcula();
}

void DecoderController::ReadCapture(ByteFile& file) {
  try {
    bool first_record = true;
    ReadRecords(file, records_, [&](std::int32_t frame_count, bool telemetry) {
      // The count shown changes only with a telemetry frame.
      if (telemetry || first_record) slots_.FrameCountText.text = std::to_string(frame_count);
      if (telemetry) slots_.DecodedHeading.text = " Decoded data : ";
      first_record = false;
      view_.RecordRead();
    });
  } catch (const DecoderError&) {
    // The Write command stays enabled after a cut-off capture: it must
    // write the frames read before the cut, not empty lines.
    UnescapeAll(records_.StoredFrames, telemetry_frames_);
    throw;
  }
  UnescapeAll(records_.StoredFrames, telemetry_frames_);
}

void DecoderController::Select(std::int32_t position) {
  SelectorSlot& selector = slots_.FrameSelector;
  selector.maximum = std::max(records_.FrameCount, selector.minimum);
  selector.position = std::clamp(position, selector.minimum, selector.maximum);
  selected_frame_ = selector.position;
  slots_.FrameNumberText.text = std::to_string(selected_frame_);
  calcula();
}

void DecoderController::calcula() {
  const std::size_t index = static_cast<std::size_t>(selected_frame_ - 1);
  if (std::optional<std::string> text =
          RxDateText(records_.TimestampRecords.Bytes(index), format_)) {
    slots_.RxDateText.text = std::move(*text);
  }
  DecodeTelemetryFields(telemetry_frames_.Bytes(index), format_, slots_);
}

void DecoderController::Write() {
  WriteHexFile(hex_file_path_, records_.FrameCount, telemetry_frames_);
  slots_.FileNameLine.text = " Writing " + FileNamePart(hex_file_path_);
}

}  // namespace tavrik

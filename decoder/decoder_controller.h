// DecoderController: the state behind the main window and the operations
// its commands call: Initialise, Open, Select, Show frame and Write. It
// drives the record reader, the un-escaping, the two decoders and the HEX
// file writer, and says what the window shows through DisplaySlots. It
// needs no window system: what it needs of a window comes in as a
// DecoderView.
//
// Failures are thrown as DecoderError, carrying the message for the user,
// after the slots set before the failure have kept their new texts.
#ifndef TAVRIK_DECODER_DECODER_CONTROLLER_H_
#define TAVRIK_DECODER_DECODER_CONTROLLER_H_

#include <cstdint>
#include <optional>
#include <string>

#include "date_time_text.h"
#include "decoder_error.h"
#include "display_slots.h"
#include "hex_text_list.h"
#include "kss_reader.h"

namespace tavrik {

// What the controller asks of the window it serves.
class DecoderView {
 public:
  virtual ~DecoderView() = default;

  // Lets the user pick one file; `filter` is "Description (*.ext)|*.EXT".
  // Nothing when the user cancels.
  virtual std::optional<std::string> ChooseFile(const std::string& filter) = 0;

  // Shows the slots now, while a file is about to be read.
  virtual void RedrawNow() {}

  // Called after each record read, with the slots updated for it.
  virtual void RecordRead() {}
};

inline constexpr char kKssFileFilter[] = "Kiss files (*.kss)|*.KSS";

class DecoderController {
 public:
  // `view` must outlive the controller.
  DecoderController(DecoderView& view, DateTimeFormat format);

  // Empties the lists, applies the idle look and takes the current
  // directory as the decoder directory, where .HEX files go.
  void Initialise();

  // Asks for a .kss file, reads it and shows its first telemetry frame.
  void Open();

  // Moves the frame selector to `position`, kept within 1 and FrameCount,
  // and shows that frame.
  void Select(std::int32_t position);

  // Shows frame SelectedFrame: its reception time, then its six fields.
  void calcula();

  // The idle look: the logo, no result slot and no selector.
  void apaga();

  // Writes the un-escaped frames to HexFilePath.
  void Write();

  const DisplaySlots& Slots() const { return slots_; }
  const HexTextList& StoredFrames() const { return records_.StoredFrames; }
  const HexTextList& TelemetryFrames() const { return telemetry_frames_; }
  const HexTextList& TimestampRecords() const { return records_.TimestampRecords; }
  std::int32_t FrameCount() const { return records_.FrameCount; }
  std::int32_t SelectedFrame() const { return selected_frame_; }
  const std::string& DecoderDirectory() const { return decoder_directory_; }
  const std::string& HexFilePath() const { return hex_file_path_; }

 private:
  void ClearLists();
  void ReadCapture(ByteFile& file);

  DecoderView& view_;
  const DateTimeFormat format_;
  DisplaySlots slots_;
  KssRecords records_;            // StoredFrames, TimestampRecords, FrameCount
  HexTextList telemetry_frames_;  // entry i is the un-escaped StoredFrames entry i
  std::int32_t selected_frame_ = 1;
  std::string decoder_directory_;
  std::string hex_file_path_;
};

}  // namespace tavrik

#endif  // TAVRIK_DECODER_DECODER_CONTROLLER_H_

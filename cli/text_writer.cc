#include "cli/text_writer.h"

namespace tavrik::cli {

void WriteFileHeading(std::ostream& out, const std::string& path) {
  out << "File " << path << '\n';
}

void WriteFrameTexts(std::ostream& out, std::int32_t frame_number, const DisplaySlots& slots) {
  // One write per frame: a long capture has millions of them.
  std::string block = "Frame " + std::to_string(frame_number) + '\n';
  for (const TextSlot* slot :
       {&slots.RxDateText, &slots.OnboardTimeText, &slots.MillisecondsText, &slots.BatteryText,
        &slots.SystemCurrentText, &slots.SolarCurrentText, &slots.PaTemperatureText}) {
    block += slot->text;
    block += '\n';
  }
  out << block;
}

void WriteStatusText(std::ostream& out, const DisplaySlots& slots) {
  out << slots.StatusText.text << '\n';
}

}  // namespace tavrik::cli

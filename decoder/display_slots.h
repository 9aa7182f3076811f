// DisplaySlots: everything the main window shows, as the decoder controller
// sets it. A window maps each slot onto one control; the first texts are the
// texts its controls have before the controller sets them.
#ifndef TAVRIK_DECODER_DISPLAY_SLOTS_H_
#define TAVRIK_DECODER_DISPLAY_SLOTS_H_

#include <cstdint>
#include <string>

namespace tavrik {

struct TextSlot {
  std::string text;
  bool visible = true;
};

// The up/down frame selector. Each click moves the position by one, with no
// wrap-around at either bound.
struct SelectorSlot {
  std::int32_t minimum = 1;
  std::int32_t maximum = 100;
  std::int32_t position = 1;
  bool visible = false;
};

struct DisplaySlots {
  TextSlot FileNameLine{""};
  TextSlot StatusText{"Label5"};
  TextSlot RxDateText{"Label20"};
  TextSlot FrameCountText{"label4"};
  TextSlot ChoosePrompt{" Choose the frame to be decoded:", false};
  TextSlot FrameNumberText{"0", false};
  SelectorSlot FrameSelector;
  TextSlot DecodedHeading{"Label6"};
  TextSlot OnboardTimeText{"Label3", false};
  TextSlot MillisecondsText{"Label7"};
  TextSlot BatteryText{"Label9"};
  TextSlot SystemCurrentText{"Label8"};
  TextSlot SolarCurrentText{"Label13"};
  TextSlot PaTemperatureText{"Label15"};
  bool LogoVisible = true;
  bool WriteHexCommand = false;  // the "Write .HEX file" command is enabled
};

}  // namespace tavrik

#endif  // TAVRIK_DECODER_DISPLAY_SLOTS_H_

#include "number_text.h"

namespace tavrik {

std::string FixedText(std::uint64_t raw, int decimals, std::size_t width) {
  std::string digits = std::to_string(raw);
  if (decimals > 0) {
    const std::size_t fraction = static_cast<std::size_t>(decimals);
    if (digits.size() <= fraction) digits.insert(0, fraction + 1 - digits.size(), '0');
    digits.insert(digits.size() - fraction, 1, '.');
  }
  if (digits.size() < width) digits.insert(0, width - digits.size(), ' ');
  return digits;
}

}  // namespace tavrik

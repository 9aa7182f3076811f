// DecoderError: the one exception type the decoder core throws. Its message
// is the exact text the user is shown, so callers report what() unchanged.
#ifndef TAVRIK_DECODER_DECODER_ERROR_H_
#define TAVRIK_DECODER_DECODER_ERROR_H_

#include <stdexcept>
#include <string>

namespace tavrik {

class DecoderError : public std::runtime_error {
 public:
  explicit DecoderError(const std::string& message) : std::runtime_error(message) {}
};

// The messages the user can meet, word for word.
inline constexpr const char kReadBeyondEndOfFile[] = "Read beyond end of file";
inline constexpr const char kFileNotFound[] = "File not found";
inline constexpr const char kFileAccessDenied[] = "File access denied";
inline constexpr const char kDiskFull[] = "Disk full";

// "'TEXT' is not a valid integer value", for a number that cannot be parsed.
std::string InvalidIntegerMessage(const std::string& text);

// The error for a failed file operation, from its errno value: a missing
// file, a refused permission and a full disk get the messages above, any
// other error the operating system's own text.
DecoderError FileError(int errno_value);

}  // namespace tavrik

#endif  // TAVRIK_DECODER_DECODER_ERROR_H_

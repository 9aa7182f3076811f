#include "decoder_error.h"

#include <cerrno>
#include <cstring>

namespace tavrik {

std::string InvalidIntegerMessage(const std::string& text) {
  return "'" + text + "' is not a valid integer value";
}

DecoderError FileError(int errno_value) {
  switch (errno_value) {
    case ENOENT:
    case ENOTDIR:
      return DecoderError(kFileNotFound);
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
      return DecoderError(kFileAccessDenied);
    case ENOSPC:
    case EDQUOT:
      return DecoderError(kDiskFull);
    default:
      return DecoderError(std::strerror(errno_value));
  }
}

}  // namespace tavrik

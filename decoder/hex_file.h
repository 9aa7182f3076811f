// The .HEX file: the un-escaped telemetry frames of an opened capture, one
// HexText line each ending in CR LF, in the decoder directory under the
// capture's name with the extension ".HEX".
#ifndef TAVRIK_DECODER_HEX_FILE_H_
#define TAVRIK_DECODER_HEX_FILE_H_

#include <cstdint>
#include <string>

#include "hex_text_list.h"

namespace tavrik {

// `decoder_directory`, "/", and the name part of `capture_path` with its
// extension (from the last "." of the name on) replaced by ".HEX", or with
// ".HEX" appended when the name has no ".".
std::string FormHexFilePath(const std::string& decoder_directory, const std::string& capture_path);

// The name part of a path: what follows its last "/".
std::string FileNamePart(const std::string& path);

// Writes `frame_count` lines to `path`: entry i of `frames` as HexText
// (the empty text past its end), then CR LF. The file is written beside the
// target under a temporary name and renamed over it only once complete, so
// a failure leaves any earlier file of that name untouched and nothing
// behind. Throws DecoderError ("File access denied", "Disk full", ...).
void WriteHexFile(const std::string& path, std::int32_t frame_count, const HexTextList& frames);

}  // namespace tavrik

#endif  // TAVRIK_DECODER_HEX_FILE_H_

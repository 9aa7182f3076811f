// ByteFile: a file opened read-only and read one byte at a time. Reads go
// through a buffer; asking for a byte at the end of the file fails with
// "Read beyond end of file" at exactly that byte.
#ifndef TAVRIK_DECODER_BYTE_FILE_H_
#define TAVRIK_DECODER_BYTE_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "decoder_error.h"

namespace tavrik {

class ByteFile {
 public:
  // Opens an existing regular file read-only. Throws DecoderError: "File not
  // found" when there is none, "File access denied" when it may not be read
  // or is a directory.
  explicit ByteFile(const std::string& path);
  ~ByteFile();
  ByteFile(const ByteFile&) = delete;
  ByteFile& operator=(const ByteFile&) = delete;

  // The size in bytes when the file was opened.
  std::uint64_t Size() const { return size_; }

  // The next byte. Throws DecoderError "Read beyond end of file" at the end.
  std::uint8_t ReadByte() {
    if (next_ == end_) Refill();
    return *next_++;
  }

  // Appends the bytes before the next `delimiter` to `out` and consumes the
  // delimiter: what ReadByte calls up to the delimiter would give, read in
  // bulk. Throws like ReadByte when the file ends first, after appending
  // the bytes there were.
  void ReadThrough(std::uint8_t delimiter, std::vector<std::uint8_t>& out);

  // True when every byte has been read.
  bool AtEnd() {
    if (next_ == end_) Fill();
    return next_ == end_;
  }

 private:
  void Fill();    // reads the next block; leaves next_ == end_ at the end
  void Refill();  // Fill, failing at the end of the file

  int fd_ = -1;
  std::uint64_t size_ = 0;
  std::vector<std::uint8_t> buffer_;
  const std::uint8_t* next_ = nullptr;
  const std::uint8_t* end_ = nullptr;
};

}  // namespace tavrik

#endif  // TAVRIK_DECODER_BYTE_FILE_H_

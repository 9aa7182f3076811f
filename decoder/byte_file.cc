#include "byte_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tavrik {
namespace {

constexpr std::size_t kBufferSize = 1 << 20;

}  // namespace

ByteFile::ByteFile(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) throw FileError(errno);
  struct stat status;
  if (::fstat(fd_, &status) != 0) {
    const int error = errno;
    ::close(fd_);
    throw FileError(error);
  }
  if (S_ISDIR(status.st_mode)) {
    ::close(fd_);
    throw FileError(EISDIR);
  }
  size_ = static_cast<std::uint64_t>(status.st_size);
  // A small file needs no large buffer; one that grows while it is read is
  // read in more blocks.
  buffer_.resize(static_cast<std::size_t>(std::clamp<std::uint64_t>(size_, 1, kBufferSize)));
  next_ = end_ = buffer_.data();
}

ByteFile::~ByteFile() {
  if (fd_ >= 0) ::close(fd_);
}

void ByteFile::ReadThrough(std::uint8_t delimiter, std::vector<std::uint8_t>& out) {
  for (;;) {
    if (next_ == end_) Refill();
    const auto* found = static_cast<const std::uint8_t*>(
        std::memchr(next_, delimiter, static_cast<std::size_t>(end_ - next_)));
    const std::uint8_t* stop = found != nullptr ? found : end_;
    out.insert(out.end(), next_, stop);
    next_ = stop;
    if (found != nullptr) {
      ++next_;
      return;
    }
  }
}

void ByteFile::Fill() {
  ssize_t count;
  do {
    count = ::read(fd_, buffer_.data(), buffer_.size());
  } while (count < 0 && errno == EINTR);
  if (count < 0) throw FileError(errno);
  next_ = buffer_.data();
  end_ = next_ + count;
}

void ByteFile::Refill() {
  Fill();
  if (next_ == end_) throw DecoderError(kReadBeyondEndOfFile);
}

}  // namespace tavrik

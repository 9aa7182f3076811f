#include "hex_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "decoder_error.h"

namespace tavrik {
namespace {

constexpr std::size_t kWriteBufferSize = 1 << 20;

// A new file beside the target, removed again unless committed.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) {
    for (int attempt = 0;; ++attempt) {
      path_ = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
      fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0) return;
      if (errno != EEXIST) throw FileError(errno);
    }
  }
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  void Write(const char* data, std::size_t size) {
    while (size > 0) {
      const ssize_t written = ::write(fd_, data, size);
      if (written < 0) {
        if (errno == EINTR) continue;
        throw FileError(errno);
      }
      data += written;
      size -= static_cast<std::size_t>(written);
    }
  }

  // Makes the content durable and puts it in place of `target`.
  void CommitAs(const std::string& target) {
    if (::fsync(fd_) != 0) throw FileError(errno);
    const int result = ::close(fd_);
    fd_ = -1;
    if (result != 0) throw FileError(errno);
    if (::rename(path_.c_str(), target.c_str()) != 0) throw FileError(errno);
    committed_ = true;
  }

 private:
  std::string path_;
  int fd_ = -1;
  bool committed_ = false;
};

}  // namespace

std::string FileNamePart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FormHexFilePath(const std::string& decoder_directory, const std::string& capture_path) {
  std::string name = FileNamePart(capture_path);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return decoder_directory + "/" + name + ".HEX";
}

void WriteHexFile(const std::string& path, std::int32_t frame_count, const HexTextList& frames) {
  TemporaryFile file(path);
  // Every line is its frame's text and CR LF.
  const std::uint64_t file_size =
      frames.TotalBytes() * 3 + 2 * static_cast<std::uint64_t>(std::max(frame_count, 0));
  std::vector<char> buffer(
      static_cast<std::size_t>(std::clamp<std::uint64_t>(file_size, 1, kWriteBufferSize)));
  std::size_t used = 0;
  for (std::int32_t i = 0; i < frame_count; ++i) {
    const std::span<const std::uint8_t> frame = frames.Bytes(static_cast<std::size_t>(i));
    const std::size_t line_size = frame.size() * 3 + 2;
    if (buffer.size() - used < line_size) {
      file.Write(buffer.data(), used);
      used = 0;
      if (buffer.size() < line_size) buffer.resize(line_size);
    }
    char* end = WriteHexText(frame, buffer.data() + used);
    *end++ = '\r';
    *end++ = '\n';
    used = static_cast<std::size_t>(end - buffer.data());
  }
  file.Write(buffer.data(), used);
  file.CommitAs(path);
}

}  // namespace tavrik

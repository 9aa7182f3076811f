// ScratchDirectory: a fresh directory for one test's files, removed with
// everything in it when the test ends.
#ifndef TAVRIK_TESTING_SCRATCH_DIRECTORY_H_
#define TAVRIK_TESTING_SCRATCH_DIRECTORY_H_

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace tavrik::testing {

class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes `bytes` to the file `name` inside the directory; returns its path.
  std::string WriteFile(const std::string& name, std::span<const std::uint8_t> bytes) const;

 private:
  std::filesystem::path path_;
};

// The whole content of a file.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

}  // namespace tavrik::testing

#endif  // TAVRIK_TESTING_SCRATCH_DIRECTORY_H_

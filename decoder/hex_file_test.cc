#include "hex_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "decoder_error.h"
#include "testing/scratch_directory.h"

namespace tavrik {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string ReadText(const std::filesystem::path& path) {
  const Bytes bytes = testing::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

TEST(HexFilePathTest, ReplacesTheLastExtension) {
  const struct {
    const char* capture;
    const char* hex;
  } cases[] = {
      {"/data/pass.kss", "/run/pass.HEX"},
      {"/data/a.b.kss", "/run/a.b.HEX"},
      {"/data/noextension", "/run/noextension.HEX"},
      {"/data.dir/noextension", "/run/noextension.HEX"},
      {"relative.KSS", "/run/relative.HEX"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormHexFilePath("/run", c.capture), c.hex);
}

TEST(HexFileTest, WritesOneLinePerFrameWithEmptyLinesPastTheList) {
  testing::ScratchDirectory dir;
  HexTextList frames;
  frames.Append(Bytes{0x16, 0x2A, 0xC0});
  frames.Append(Bytes{});
  frames.Append(Bytes{0x00, 0xFF});
  const std::string path = (dir.path() / "pass.HEX").string();

  WriteHexFile(path, 2, frames);
  EXPECT_EQ(ReadText(path), "16 2A C0 \r\n\r\n");

  WriteHexFile(path, 5, frames);
  EXPECT_EQ(ReadText(path), "16 2A C0 \r\n\r\n00 FF \r\n\r\n\r\n");

  WriteHexFile(path, 0, frames);
  EXPECT_EQ(ReadText(path), "");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
      << "no temporary file is left behind";
}

TEST(HexFileTest, FailureLeavesTheEarlierFileAndNoTemporaryFile) {
  testing::ScratchDirectory dir;
  HexTextList frames;
  frames.Append(Bytes{0x01});
  // A directory in the target's place refuses the rename at the very end.
  const std::filesystem::path target = dir.path() / "pass.HEX";
  std::filesystem::create_directory(target);
  try {
    WriteHexFile(target.string(), 1, frames);
    ADD_FAILURE() << "writing over a directory succeeded";
  } catch (const DecoderError& error) {
    EXPECT_STREQ(error.what(), "File access denied");
  }
  EXPECT_TRUE(std::filesystem::is_directory(target));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

  try {
    WriteHexFile((dir.path() / "missing" / "pass.HEX").string(), 1, frames);
    ADD_FAILURE() << "writing into a missing directory succeeded";
  } catch (const DecoderError& error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
}

}  // namespace
}  // namespace tavrik

// The failures a user can meet, each driven through the controller the way
// the window drives it: the message the user is shown, and no data lost,
// neither the frames already read nor an earlier .HEX file.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>

#include "capture/capture_builder.h"
#include "decoder_controller.h"
#include "path_view.h"
#include "testing/scratch_directory.h"
#include "testing/telemetry_fields.h"

namespace tavrik {
namespace {

namespace fs = std::filesystem;
using capture::CaptureBuilder;
using testing::Fields;

bool RunningAsRoot() { return ::geteuid() == 0; }

CaptureBuilder Frames(int count) {
  CaptureBuilder capture;
  for (int i = 0; i < count; ++i) capture.NumericTimestamp(1651315480667 + i).Telemetry(Fields(i));
  return capture;
}

std::vector<std::string> Entries(const HexTextList& list) {
  std::vector<std::string> entries;
  for (std::size_t i = 0; i < list.size(); ++i) entries.push_back(list.Text(i));
  return entries;
}

std::set<std::string> FileNames(const fs::path& directory) {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

std::string FileText(const fs::path& path) {
  const std::vector<std::uint8_t> bytes = testing::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

// A tmpfs of its own on `directory` for as long as the object lives. Only
// root with the right to mount can have one; mounted() says whether it is
// there and why_not() why it is not.
class TmpfsMount {
 public:
  TmpfsMount(const fs::path& directory, std::string options)
      : directory_(directory), options_(std::move(options)) {
    if (!RunningAsRoot()) {
      why_not_ = "mounting a tmpfs needs root";
    } else if (::mount("tmpfs", directory_.c_str(), "tmpfs", 0, options_.c_str()) != 0) {
      why_not_ = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
    } else {
      mounted_ = true;
    }
  }
  ~TmpfsMount() {
    if (mounted_) ::umount2(directory_.c_str(), MNT_DETACH);
  }
  TmpfsMount(const TmpfsMount&) = delete;
  TmpfsMount& operator=(const TmpfsMount&) = delete;

  bool mounted() const { return mounted_; }
  const std::string& why_not() const { return why_not_; }

  void MakeReadOnly() {
    ASSERT_EQ(
        ::mount("tmpfs", directory_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, options_.c_str()), 0)
        << std::strerror(errno);
  }

 private:
  fs::path directory_;
  std::string options_;
  bool mounted_ = false;
  std::string why_not_;
};

class UserFailuresTest : public ::testing::Test {
 protected:
  UserFailuresTest() : controller_(view_, DateTimeFormat::Iso8601()) {
    InitialiseIn(decoder_dir_.path());
  }

  // Initialise takes the current directory as the decoder directory.
  void InitialiseIn(const fs::path& directory) {
    const fs::path start = fs::current_path();
    fs::current_path(directory);
    controller_.Initialise();
    fs::current_path(start);
  }

  // Opens `path`; the message the user is shown, if any.
  std::string Open(const std::string& path) {
    view_.SetPath(path);
    try {
      controller_.Open();
    } catch (const DecoderError& error) {
      return error.what();
    }
    return "";
  }

  std::string Write() {
    try {
      controller_.Write();
    } catch (const DecoderError& error) {
      return error.what();
    }
    return "";
  }

  testing::ScratchDirectory decoder_dir_;
  testing::ScratchDirectory files_;
  PathView view_;
  DecoderController controller_;
};

// A file the user picks that cannot be read at all: the file open before
// stays open, frames and .HEX file name alike, and can still be written.
struct UnreadableChoice {
  const char* name;
  const char* message;
  const char* why_root_cannot_provoke;                                // nullptr: root meets it too
  std::function<std::string(const testing::ScratchDirectory&)> make;  // the path to pick
};

void PrintTo(const UnreadableChoice& choice, std::ostream* out) { *out << choice.name; }

class UnreadableChoiceTest : public UserFailuresTest,
                             public ::testing::WithParamInterface<UnreadableChoice> {};

TEST_P(UnreadableChoiceTest, KeepsTheOpenFile) {
  const UnreadableChoice& choice = GetParam();
  if (choice.why_root_cannot_provoke != nullptr && RunningAsRoot()) {
    GTEST_SKIP() << choice.why_root_cannot_provoke;
  }
  ASSERT_EQ(Open(files_.WriteFile("pass.kss", Frames(3).Bytes())), "");
  const std::vector<std::string> frames = Entries(controller_.TelemetryFrames());
  const std::string hex_path = controller_.HexFilePath();

  EXPECT_EQ(Open(choice.make(files_)), choice.message);
  EXPECT_EQ(controller_.FrameCount(), 3);
  EXPECT_EQ(Entries(controller_.TelemetryFrames()), frames);
  EXPECT_EQ(controller_.HexFilePath(), hex_path);
  ASSERT_EQ(Write(), "");
  EXPECT_EQ(FileText(hex_path), frames[0] + "\r\n" + frames[1] + "\r\n" + frames[2] + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    UserFailures, UnreadableChoiceTest,
    ::testing::Values(UnreadableChoice{"MissingFile", kFileNotFound, nullptr,
                                       [](const testing::ScratchDirectory& files) {
                                         return (files.path() / "missing.kss").string();
                                       }},
                      UnreadableChoice{"MissingFolder", kFileNotFound, nullptr,
                                       [](const testing::ScratchDirectory& files) {
                                         return (files.path() / "gone" / "pass.kss").string();
                                       }},
                      UnreadableChoice{"Directory", kFileAccessDenied, nullptr,
                                       [](const testing::ScratchDirectory& files) {
                                         const fs::path folder = files.path() / "folder.kss";
                                         fs::create_directory(folder);
                                         return folder.string();
                                       }},
                      UnreadableChoice{"NoReadPermission", kFileAccessDenied,
                                       "root may read any file, whatever its permission bits",
                                       [](const testing::ScratchDirectory& files) {
                                         const std::string path =
                                             files.WriteFile("locked.kss", Frames(1).Bytes());
                                         fs::permissions(path, fs::perms::none);
                                         return path;
                                       }}),
    [](const ::testing::TestParamInfo<UnreadableChoice>& info) { return info.param.name; });

// A .HEX file that cannot be written: an earlier .HEX file of that name is
// left as it was and no temporary file is left beside it.
struct RefusedWrite {
  const char* name;
  const char* message;
  const char* tmpfs_options;  // the decoder directory gets a tmpfs of its own
  bool read_only;             // the decoder directory refuses new files
};

void PrintTo(const RefusedWrite& refusal, std::ostream* out) { *out << refusal.name; }

class RefusedWriteTest : public UserFailuresTest,
                         public ::testing::WithParamInterface<RefusedWrite> {};

TEST_P(RefusedWriteTest, LeavesTheEarlierHexFileIntact) {
  const RefusedWrite& refusal = GetParam();
  const fs::path out = decoder_dir_.path() / "out";
  fs::create_directory(out);
  // Root writes into a directory whatever its permission bits; only a
  // read-only mount refuses it.
  const bool needs_mount = refusal.tmpfs_options != nullptr || RunningAsRoot();
  std::optional<TmpfsMount> tmpfs;
  if (needs_mount) {
    tmpfs.emplace(out, refusal.tmpfs_options != nullptr ? refusal.tmpfs_options : "size=1m");
    if (!tmpfs->mounted()) GTEST_SKIP() << tmpfs->why_not();
  }
  InitialiseIn(out);

  const std::string capture = files_.WriteFile("pass.kss", Frames(1).Bytes());
  ASSERT_EQ(Open(capture), "");
  ASSERT_EQ(Write(), "");
  const fs::path hex_path = out / "pass.HEX";
  const std::string earlier = FileText(hex_path);

  // 2000 frames make a .HEX file of over 300 kB.
  files_.WriteFile("pass.kss", Frames(2000).Bytes());
  ASSERT_EQ(Open(capture), "");
  if (refusal.read_only) {
    if (tmpfs) {
      tmpfs->MakeReadOnly();
    } else {
      fs::permissions(out, fs::perms::owner_read | fs::perms::owner_exec);
    }
  }

  EXPECT_EQ(Write(), refusal.message);
  if (refusal.read_only && !tmpfs) fs::permissions(out, fs::perms::owner_all);
  EXPECT_EQ(FileText(hex_path), earlier);
  EXPECT_EQ(FileNames(out), std::set<std::string>{"pass.HEX"});
  EXPECT_EQ(controller_.FrameCount(), 2000) << "the frames stay for another try";
}

INSTANTIATE_TEST_SUITE_P(
    UserFailures, RefusedWriteTest,
    ::testing::Values(RefusedWrite{"ReadOnlyDirectory", kFileAccessDenied, nullptr, true},
                      RefusedWrite{"FullDisk", kDiskFull, "size=64k", false}),
    [](const ::testing::TestParamInfo<RefusedWrite>& info) { return info.param.name; });

// Every prefix of a capture: one that ends exactly after a record reads
// without complaint, one that ends inside a record fails with "Read beyond
// end of file"; either way the frames read before the cut are kept.
TEST_F(UserFailuresTest, CaptureCutOffAtEveryByte) {
  CaptureBuilder capture;
  std::vector<std::size_t> record_ends;
  std::vector<std::size_t> frame_ends;
  const auto record = [&](bool telemetry) {
    record_ends.push_back(capture.Bytes().size());
    if (telemetry) frame_ends.push_back(capture.Bytes().size());
  };
  capture.NumericTimestamp(0x01807A1BC0DB);
  record(false);
  capture.Telemetry(Fields(0xDBC0), 0xC0);
  record(true);
  capture.TextTimestamp("2022-04-30 11:00:00.000 UTC");
  record(false);
  capture.DataRecord(std::vector<std::uint8_t>{1, 0xC0, 3});
  record(false);
  capture.Telemetry(Fields(3800));
  record(true);
  // A raw run whose following byte is dropped instead of closing it.
  capture.Raw(std::vector<std::uint8_t>{0xC0, 0x09, 0x00, 1, 2, 3, 4, 5, 6, 7, 0x55, 0xC0});
  record(false);

  const std::vector<std::uint8_t>& whole = capture.Bytes();
  ASSERT_EQ(Open(files_.WriteFile("whole.kss", whole)), "");
  const std::vector<std::string> all_frames = Entries(controller_.TelemetryFrames());
  ASSERT_EQ(all_frames.size(), 2u);

  for (std::size_t length = 1; length <= whole.size(); ++length) {
    const std::vector<std::uint8_t> prefix(whole.begin(), whole.begin() + length);
    const bool at_record_end =
        std::find(record_ends.begin(), record_ends.end(), length) != record_ends.end();
    const auto frames_kept = static_cast<std::size_t>(std::count_if(
        frame_ends.begin(), frame_ends.end(), [&](std::size_t end) { return end <= length; }));

    EXPECT_EQ(Open(files_.WriteFile("cut.kss", prefix)), at_record_end ? "" : kReadBeyondEndOfFile)
        << "cut after " << length << " of " << whole.size() << " bytes";
    EXPECT_EQ(Entries(controller_.TelemetryFrames()),
              std::vector<std::string>(all_frames.begin(), all_frames.begin() + frames_kept))
        << "cut after " << length << " bytes";
    EXPECT_EQ(controller_.FrameCount(), static_cast<std::int32_t>(frames_kept));
  }
}

// A capture larger than the block the reader takes from the file at a time
// (1 MiB): a record that a block ends inside reads as if it were whole,
// wherever in it the block ends. Fuzzing never makes files this large.
TEST_F(UserFailuresTest, RecordsCutByTheReadersBlocksReadWhole) {
  constexpr std::size_t kBlock = 1 << 20;
  CaptureBuilder group;
  group.NumericTimestamp(0x01807A1BC0DB).Telemetry(Fields(0xDBC0), 0xC0);
  ASSERT_EQ(Open(files_.WriteFile("group.kss", group.Bytes())), "");
  const std::vector<std::string> frames = Entries(controller_.StoredFrames());
  const std::vector<std::string> timestamps = Entries(controller_.TimestampRecords());

  for (std::size_t seam = 0; seam < group.Bytes().size(); ++seam) {
    // A record of filler, no telemetry, puts the block's end `seam` bytes
    // into the group.
    CaptureBuilder capture;
    capture.DataRecord(std::vector<std::uint8_t>(kBlock - seam - 3, 0x11)).Raw(group.Bytes());
    ASSERT_EQ(Open(files_.WriteFile("large.kss", capture.Bytes())), "") << "seam at " << seam;
    EXPECT_EQ(Entries(controller_.StoredFrames()), frames) << "seam at " << seam;
    EXPECT_EQ(Entries(controller_.TimestampRecords()), timestamps) << "seam at " << seam;
  }
}

// A large file that is no capture, without a single FEND: its one record
// never ends. Reading it must fail at the end of the file, not hang.
TEST_F(UserFailuresTest, LargeFileWithoutFend) {
  const std::vector<std::uint8_t> noise(20 << 20, 0x55);
  EXPECT_EQ(Open(files_.WriteFile("noise.kss", noise)), kReadBeyondEndOfFile);
  EXPECT_EQ(controller_.FrameCount(), 0);
  EXPECT_TRUE(controller_.TelemetryFrames().empty());
  EXPECT_TRUE(controller_.TimestampRecords().empty());
}

}  // namespace
}  // namespace tavrik

// PathView: a DecoderView with no window, whose file chooser answers with
// a path given beforehand. The command-line decoder opens its files through
// it; tests, benchmarks and fuzz targets too.
#ifndef TAVRIK_DECODER_PATH_VIEW_H_
#define TAVRIK_DECODER_PATH_VIEW_H_

#include <optional>
#include <string>
#include <utility>

#include "decoder_controller.h"

namespace tavrik {

class PathView : public DecoderView {
 public:
  PathView() = default;
  explicit PathView(std::string path) : path_(std::move(path)) {}

  void SetPath(std::string path) { path_ = std::move(path); }
  const std::string& path() const { return path_; }

  std::optional<std::string> ChooseFile(const std::string&) override { return path_; }

 private:
  std::string path_;
};

}  // namespace tavrik

#endif  // TAVRIK_DECODER_PATH_VIEW_H_

#pragma once
// A fresh folder under the test run's temporary folder, removed with
// everything in it when the object goes. The one scratch folder of the tests.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class ScratchFolder {
 public:
  ScratchFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tunzle-XXXXXX";
    if (::mkdtemp(pattern.data())) root_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (!root_.empty()) std::filesystem::remove_all(root_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  bool ok() const { return !root_.empty(); }
  const std::filesystem::path& Root() const { return root_; }
  // The folder as the game spells folders: with a trailing separator.
  std::string Folder() const { return root_.string() + "/"; }
  std::filesystem::path operator/(const std::string& name) const { return root_ / name; }
  // Writes `bytes` to `name` in the folder; returns the file's path.
  std::string File(const std::string& name, const std::string& bytes = "") const {
    const std::string p = (root_ / name).string();
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
    return p;
  }
  void Write(const std::string& name, const std::string& text) const { File(name, text); }

 private:
  std::filesystem::path root_;
};

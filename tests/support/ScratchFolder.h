#pragma once
// A fresh folder under the test run's temporary folder, removed with
// everything in it when the object goes. The one scratch folder of the tests.
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>

class ScratchFolder {
 public:
  ScratchFolder() : root_(dir_.path().toStdString()) {}
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  bool ok() const { return dir_.isValid(); }
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
  QTemporaryDir dir_;
  std::filesystem::path root_;
};

#include "base/Files.h"

#include "base/VB.h"

#include <fstream>
#include <random>
#include <sstream>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

std::optional<std::string> ReadWholeFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return ss.str();
}

bool CopyFile(const std::string& Source, const std::string& Destination) {
  auto bytes = ReadWholeFile(Source);
  if (!bytes) return false;
  std::ofstream out(Destination, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
  out.close();
  return static_cast<bool>(out);
}

bool WriteFileAtomic(const fs::path& path, const std::string& bytes) {
  std::random_device rd;
  fs::path tmp = path;
  tmp += ".tmp" + std::to_string(rd() % 1000000);
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ec;
      fs::remove(tmp, ec);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(tmp, path, ec);
  if (ec) {
    fs::remove(tmp, ec);
    return false;
  }
  return true;
}

std::optional<fs::path> FindFileNoCase(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  fs::path exact = folder / name;
  if (fs::exists(exact, ec)) return exact;
  std::string want = LCase(name);
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (LCase(it->path().filename().string()) == want) return folder / it->path().filename();
  }
  return std::nullopt;
}

fs::path ResolvePathNoCase(const fs::path& path) {
  std::error_code ec;
  if (fs::exists(path, ec)) return path;
  fs::path out = path.root_path();
  for (const auto& part : path.relative_path()) {
    auto found = FindFileNoCase(out, part.string());
    if (!found) return path;
    out = *found;
  }
  return out;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string WithTrailingSeparator(const std::string& folder) {
  if (folder.empty() || folder.back() != '/') return folder + "/";
  return folder;
}

std::string ProgramFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return WithTrailingSeparator(fs::current_path(ec).string());
  return WithTrailingSeparator(exe.parent_path().string());
}

std::vector<fs::path> InstalledDataFolders(const std::string& programFolder) {
  const fs::path here(programFolder);
  return {here / ".." / "share" / "music-tunzle", here / ".." / "share" / "games" / "music-tunzle"};
}

std::vector<fs::path> InstalledLibraryFolders(const std::string& programFolder) {
  const fs::path here(programFolder);
  return {here / ".." / "share" / "music-tunzle", here / ".." / "lib" / "games" / "music-tunzle"};
}

std::string DataFolderFor(const std::string& programFolder) {
  const std::string here = WithTrailingSeparator(programFolder);
  if (FindFileNoCase(here, "sample.mp3")) return here;
  std::error_code ec;
  for (const fs::path& installed : InstalledDataFolders(here)) {
    if (!fs::is_directory(installed, ec)) continue;
    fs::path folder = fs::weakly_canonical(installed, ec);
    if (ec) folder = installed.lexically_normal();
    return WithTrailingSeparator(folder.string());
  }
  return here;
}

std::string DataFolder() { return DataFolderFor(ProgramFolder()); }

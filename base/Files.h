#pragma once
// File helpers: whole-file copy, atomic writes, and letter-case-blind lookup.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Reads the whole source and writes the same bytes to the destination.
bool CopyFile(const std::string& Source, const std::string& Destination);

// Writes through a temporary file in the same folder, then renames it over
// the target, so a crash never leaves half a file. False on any failure.
bool WriteFileAtomic(const std::filesystem::path& path, const std::string& bytes);

// Reads a whole file; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// The entry of `folder` whose name equals `name` ignoring letter case
// (an exact match wins). nullopt when there is none.
std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& folder, const std::string& name);

// Resolves every component of `path` without regard to case; returns the
// path as given when nothing matches, so the caller's open fails normally.
std::filesystem::path ResolvePathNoCase(const std::filesystem::path& path);

// The folder the program was started from, ending in the separator.
std::string ProgramFolder();

// Where an install puts the program's own files and its private library,
// seen from the program's folder: a prefix install (bin/ beside
// share/music-tunzle/) or Debian's places for games (/usr/games beside
// /usr/share/games/music-tunzle/ and /usr/lib/games/music-tunzle/).
// Keep in step with the install rules of the top CMakeLists.txt.
std::vector<std::filesystem::path> InstalledDataFolders(const std::string& programFolder);
std::vector<std::filesystem::path> InstalledLibraryFolders(const std::string& programFolder);

// The folder of the program's own files: beside the program in a build
// tree, else the first installed data folder that exists.
std::string DataFolder();
std::string DataFolderFor(const std::string& programFolder);

// Adds the platform separator when `folder` does not end in one.
std::string WithTrailingSeparator(const std::string& folder);
// The folder part of a path, ending in its separator; empty when it has none.
std::string FolderOf(const std::string& path);

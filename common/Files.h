#pragma once
// File helpers: whole-file copy, atomic writes, and letter-case-blind lookup.
#include <filesystem>
#include <optional>
#include <string>

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

// The folder of the program's own files: beside the program in a build
// tree, else the installed data folder (../share/music-tunzle/).
std::string DataFolder();

// Adds the platform separator when `folder` does not end in one.
std::string WithTrailingSeparator(const std::string& folder);

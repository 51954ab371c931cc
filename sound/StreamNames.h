#pragma once
// What the game's stream calls itself at the sound server.
namespace stream_names {
constexpr const char* kName = "Music Tunzle";
// The desktop entry's icon.
constexpr const char* kIcon = "io.github.musictunzle.Tunzle";
}  // namespace stream_names

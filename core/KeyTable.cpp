#include "core/KeyTable.h"

#include "base/VirtualKeys.h"

namespace {

constexpr KeyBinding table[] = {
    {vk::Up, AnyShift, Command::Up, "Up"},
    {vk::Down, AnyShift, Command::Down, "Down"},
    {vk::Left, AnyShift, Command::Left, "Left"},
    {vk::Right, AnyShift, Command::Right, "Right"},
    {vk::Home, AnyShift, Command::RowStart, "Home"},
    {vk::End, AnyShift, Command::RowEnd, "End"},
    {vk::Prior, AnyShift, Command::ColumnTop, "Page Up"},
    {vk::Next, AnyShift, Command::ColumnBottom, "Page Down"},
    {vk::Space, AnyShift, Command::Slide, "Space"},
    {'U', AnyShift, Command::Undo, "U"},
    {'I', shiftmask::Ctrl, Command::BestResults, "Ctrl+I"},
    {'I', AnyShift, Command::SayProgress, "I"},
    {'E', AnyShift, Command::EndOfRun, "E"},
    {'P', AnyShift, Command::PlayRun, "P"},
    {'R', AnyShift, Command::PlayRowRun, "R"},
    {'F', AnyShift, Command::PlaySong, "F"},
    {'O', AnyShift, Command::PlayHomeTile, "O"},
    {'M', AnyShift, Command::Mark, "M"},
    {'G', AnyShift, Command::GoToMark, "G"},
    {'B', shiftmask::Ctrl, Command::GoToEmpty, "Ctrl+B"},
    {'B', AnyShift, Command::SayEmpty, "B"},
    {'S', AnyShift, Command::ToggleCoordinates, "S"},
    {'C', AnyShift, Command::ToggleStatus, "C"},
    {'N', AnyShift, Command::NewGame, "N"},
    {'Q', AnyShift, Command::Quit, "Q"},
    {'T', AnyShift, Command::Tutorial, "T"},
    {vk::F4, shiftmask::Alt, Command::Quit, "Alt+F4"},
    {vk::F1, AnyShift, Command::Help, "F1"},
    {vk::F2, AnyShift, Command::LibraryFolder, "F2"},
    {vk::F3, AnyShift, Command::Louder, "F3"},
    {vk::F4, AnyShift, Command::Softer, "F4"},
    {vk::F5, AnyShift, Command::SpeechType, "F5"},
    {vk::F6, AnyShift, Command::Voice, "F6"},
    {vk::F7, AnyShift, Command::VoiceRate, "F7"},
    {vk::F8, AnyShift, Command::VoiceVolume, "F8"},
    {vk::F9, AnyShift, Command::TileLength, "F9"},
    {vk::F11, AnyShift, Command::CueLouder, "F11"},
    {vk::F12, AnyShift, Command::CueSofter, "F12"},
};

}  // namespace

const KeyBinding* KeyBindings(int& count) {
  count = static_cast<int>(sizeof table / sizeof table[0]);
  return table;
}

const KeyBinding* FindBinding(int16_t code, int16_t shift) {
  const KeyBinding* any = nullptr;
  for (const KeyBinding& b : table) {
    if (b.code != code) continue;
    if (b.shift == shift) return &b;
    if (b.shift == AnyShift && !any) any = &b;
  }
  return any;
}

#include "core/KeyTable.h"

#include "base/VirtualKeys.h"

namespace {

constexpr KeyBinding table[] = {
    {vk::Up, AnyShift, Command::Up, true, "Up"},
    {vk::Down, AnyShift, Command::Down, true, "Down"},
    {vk::Left, AnyShift, Command::Left, true, "Left"},
    {vk::Right, AnyShift, Command::Right, true, "Right"},
    {vk::Home, AnyShift, Command::RowStart, true, "Home"},
    {vk::End, AnyShift, Command::RowEnd, true, "End"},
    {vk::Prior, AnyShift, Command::ColumnTop, true, "Page Up"},
    {vk::Next, AnyShift, Command::ColumnBottom, true, "Page Down"},
    {vk::Space, AnyShift, Command::Slide, true, "Space"},
    {'U', AnyShift, Command::Undo, true, "U"},
    {'I', shiftmask::Ctrl, Command::BestResults, false, "Ctrl+I"},
    {'I', AnyShift, Command::SayProgress, true, "I"},
    {'E', AnyShift, Command::EndOfRun, true, "E"},
    {'P', AnyShift, Command::PlayRun, true, "P"},
    {'R', AnyShift, Command::PlayRowRun, true, "R"},
    {'F', AnyShift, Command::PlaySong, true, "F"},
    {'O', AnyShift, Command::PlayHomeTile, true, "O"},
    {'M', AnyShift, Command::Mark, true, "M"},
    {'G', AnyShift, Command::GoToMark, true, "G"},
    {'B', shiftmask::Ctrl, Command::GoToEmpty, true, "Ctrl+B"},
    {'B', AnyShift, Command::SayEmpty, true, "B"},
    {'S', AnyShift, Command::ToggleCoordinates, false, "S"},
    {'C', AnyShift, Command::ToggleStatus, false, "C"},
    {'N', AnyShift, Command::NewGame, false, "N"},
    {'Q', AnyShift, Command::Quit, false, "Q"},
    {vk::F4, shiftmask::Alt, Command::Quit, false, "Alt+F4"},
    {vk::F1, AnyShift, Command::Help, false, "F1"},
    {vk::F2, AnyShift, Command::LibraryFolder, false, "F2"},
    {vk::F3, AnyShift, Command::Louder, false, "F3"},
    {vk::F4, AnyShift, Command::Softer, false, "F4"},
    {vk::F5, AnyShift, Command::SpeechType, false, "F5"},
    {vk::F6, AnyShift, Command::Voice, false, "F6"},
    {vk::F7, AnyShift, Command::VoiceRate, false, "F7"},
    {vk::F8, AnyShift, Command::VoiceVolume, false, "F8"},
    {vk::F9, AnyShift, Command::TileLength, false, "F9"},
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

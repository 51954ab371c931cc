// F11 and F12: the cues' volume, beside the song's.
#include "core/Game.h"
#include "core/Settings.h"
#include "core/Texts.h"

#include <algorithm>

void Game::ChangeCueVolume(int step) {
  const int32_t before = st.CueVolume;
  st.CueVolume = std::clamp<int32_t>(st.CueVolume + step, rules::VolumeFloor, rules::VolumeCeiling);
  svc.SetCueVolume(st.CueVolume);
  // At either end a bump, as for the song; else a note at the new volume, and the volume said.
  if (st.CueVolume == before) {
    svc.PlaySound("boop2.wav");
    return;
  }
  svc.PlaySound("note.wav");
  Say(text::CueVolume(static_cast<int>((st.CueVolume - rules::VolumeFloor) * 100 / (rules::VolumeCeiling - rules::VolumeFloor))));
  SaveCueVolume(st);
}

#include "game/ProgramServices.h"

#include "game/FRMMain.h"

#include "common/Beep.h"
#include "common/MsgBox.h"
#include "common/Trace.h"
#include "common/Wait.h"

#include <QApplication>
#include <QTime>
#include <cstdlib>
#include <unistd.h>

ProgramServices::ProgramServices(GameState& state) : st(state) {}
ProgramServices::~ProgramServices() = default;

int16_t ProgramServices::PlaySound(const std::string& name) {
  const bool song = name.size() > 4 && (name.substr(name.size() - 4) == ".mp3" || name.substr(name.size() - 4) == ".MP3");
  Trace::write("sound", {name, song ? "201" : "0"});
  return song ? 201 : 0;
}
void ProgramServices::PlayTile(int16_t, int16_t, float) {}
void ProgramServices::PlayOriginalTile(int16_t, float) {}
void ProgramServices::PlayEntireSong() {}
void ProgramServices::PauseMP3() {}
void ProgramServices::SetMP3Volume(int32_t) {}
bool ProgramServices::IsSongTooShort() { return false; }
void ProgramServices::DeleteSound(int16_t) {}
void ProgramServices::speak(const std::string& text) { Trace::write("speak", {"0", text}); }
void ProgramServices::StopSpeech() {}
void ProgramServices::TTSSetup(int16_t) {}
void ProgramServices::AdjustVoice(int16_t&) {}
void ProgramServices::AdjustRate(int16_t&) {}
void ProgramServices::AdjustVolume(int16_t&) {}
bool ProgramServices::KeyCapture() { return false; }
void ProgramServices::StoreCapturedKey(int16_t, int16_t) {}
int16_t ProgramServices::SpeakMsgBox(const std::string& text, int16_t buttons, const std::string& title) {
  return SystemMsgBox(text, buttons, title);
}
std::string ProgramServices::PickList(const std::string& spec) {
  Trace::write("pick", {spec});
  std::string answer = spec.rfind("p:Select square size", 0) == 0 ? "4" : "";
  Trace::write("answer", {answer});
  return answer;
}
std::string ProgramServices::SelectFile(const std::string&, const std::string&, int16_t, const std::string&, std::string&,
                                        const std::string&) {
  return "";
}
void ProgramServices::ShowHelp(const std::string&) {}
void ProgramServices::Wait(float seconds, bool noEvents) { ::Wait(seconds, noEvents); }
double ProgramServices::TimeOfDay() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }
void ProgramServices::Beep() { ::Beep(); }
void ProgramServices::EndProgram() {
  Trace::write("end");
  QApplication::closeAllWindows();
  std::fflush(nullptr);
  // Nested loops (dialogs, waits) may be running: leave at once.
  _exit(0);
}

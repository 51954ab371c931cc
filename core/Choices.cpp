#include "core/Game.h"

#include "core/Texts.h"

#include "base/Files.h"
#include "base/VB.h"

// The player's choices beside the board (help, library folder, tile length,
// speech and voice), and the dialogs: the game's time stands still while one is open.


void Game::ShowHelp() {
  mode_ = Mode::Asking;
  HoldTime();
  svc.ShowHelp(st.AppFolder + st.HelpName + ".TXT", Later([this] {
                 ReleaseTime();
                 // Closing help would otherwise end in silence.
                 if (lesson) SayStep();
                 else Say(st.HasBoard() ? text::BackToBoard() : text::NoGame());
                 Idle();
               }));
}

void Game::ChooseLibraryFolder() {
  SelectFile(st.MusicLibraryFolder, text::LibraryTitle(), text::LibraryHint(), [this](std::string path) {
    auto keep = [this, path] {
      if (const std::string folder = FolderOf(path); !folder.empty()) {
        st.MusicLibraryFolder = folder;
        Say(text::LibraryFolder(st.MusicLibraryFolder));
      }
      Idle();
    };
    if (st.FileDialogError.empty()) keep();
    else SpeakMsgBox(st.FileDialogError, msgbox::OkOnly, text::ErrorTitle(), [keep](int16_t) { keep(); });
  });
}

void Game::ChooseTileLength() {
  PickList(text::TileLengthList(st.TileDuration), [this](const std::string& picked) {
    const std::string answer = picked.starts_with('*') ? picked.substr(1) : picked;
    if (!IsNumeric(answer)) {
      Say(text::TileLengthKept(st.TileDuration));
    } else if (st.TileDuration = static_cast<float>(Val(answer)); st.TileDuration < rules::ShortestTile) {
      st.TileDuration = rules::DefaultTileSeconds;
      svc.PlaySound("boop2.wav");
    } else {
      // The board's tiles are cut anew at once: say so.
      Say(text::TileLengthNow(st.TileDuration));
    }
    Idle();
  });
}

void Game::ChooseSpeechType(std::function<void()> then) {
  // Opens on the speech in use: one Enter by mistake changes nothing.
  PickList(text::SpeechTypeList(st.SpeechType), [this, then](std::string answer) {
    if (IsNumeric(answer)) {
      st.SpeechType = static_cast<int16_t>(Val(answer));
      svc.TTSSetup(st.SpeechType);
    }
    then();
  });
}

void Game::AdjustVoiceSetting(Command command) {
  // The voice that speaks, not the type chosen: a screen reader that failed
  // leaves the voice speaking, and its settings must still be reachable.
  if (svc.ActiveSpeechType() != 3) {
    svc.PlaySound("boop2.wav");  // refused, and heard to be
    return;
  }
  mode_ = Mode::Adjusting;
  HoldTime();
  int16_t& value = command == Command::Voice ? st.SapiVoiceNumber : command == Command::VoiceRate ? st.SapiRate : st.SapiVolume;
  auto done = Answer<int16_t>([this, &value](int16_t kept) {
    ReleaseTime();
    value = kept;
    Idle();
  });
  if (command == Command::Voice) svc.AdjustVoice(value, done);
  else if (command == Command::VoiceRate) svc.AdjustRate(value, done);
  else svc.AdjustVolume(value, done);
}

void Game::SpeakMsgBox(const std::string& text, int16_t buttons, const std::string& title,
                       std::function<void(int16_t)> answered) {
  mode_ = Mode::Asking;
  HoldTime();
  svc.SpeakMsgBox(text, buttons, title, Answer<int16_t>([this, answered](int16_t answer) {
                    ReleaseTime();
                    answered(answer);
                  }));
}

void Game::PickList(const std::string& spec, std::function<void(std::string)> picked) {
  mode_ = Mode::Asking;
  HoldTime();
  svc.PickList(spec, Answer<std::string>([this, picked](std::string answer) {
                 ReleaseTime();
                 picked(answer);
               }));
}

void Game::SelectFile(const std::string& folder, const std::string& title, const std::string& hint,
                      std::function<void(std::string)> chosen) {
  mode_ = Mode::Asking;
  HoldTime();
  st.FileDialogError.clear();
  svc.SelectFile(folder, rules::SongFilePattern, 1, title, "", hint,
                 [this, chosen](std::string path, std::string error) {
                   Later([this, chosen, path, error] {
                     ReleaseTime();
                     st.FileDialogError = error;
                     chosen(path);
                   })();
                 });
}

void Game::HoldTime() { playTime.Hold(clock.SteadySeconds()); }
void Game::ReleaseTime() { playTime.Release(clock.SteadySeconds()); }

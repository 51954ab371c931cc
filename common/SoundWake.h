#pragma once
// Players in every layer call Wake just before they start a sound, so an
// output device that was let sleep is running again when the sound reaches
// it. The sound engine installs the handler; without one Wake does nothing.
// Safe from any thread.
namespace soundwake {

// `seconds`: how long the sound just handed to the device lasts, for players
// the engine cannot ask later whether they still sound (0: it can ask).
void Wake(double seconds = 0.0);

using Handler = void (*)(double seconds);
void SetHandler(Handler handler);

// The engine's sound server went away (false) or answers again (true); told
// from the engine's own thread. The program installs the handler.
void LinkChanged(bool up);
using LinkHandler = void (*)(bool up);
void SetLinkHandler(LinkHandler handler);

}  // namespace soundwake

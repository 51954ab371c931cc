#include "speech/EspeakVoice.h"
#include "speech/SpeechDispatcher.h"
#include "speech/SpeechEngines.h"

namespace {

class RealFactory : public SpeechEngineFactory {
 public:
  std::unique_ptr<ScreenReaderEngine> CreateScreenReader() override { return std::make_unique<SpeechDispatcherReader>(); }
  std::unique_ptr<SpeechVoiceEngine> CreateVoice() override { return std::make_unique<EspeakVoice>(); }
};

}  // namespace

std::unique_ptr<SpeechEngineFactory> RealSpeechEngines() { return std::make_unique<RealFactory>(); }

#include "sound/OggLibrary.h"

#include "base/Files.h"
#include "customoggs/CustomOggS.h"

#include <dlfcn.h>

#include <filesystem>
#include <type_traits>
#include <vector>

const char* const kOggLibraryName = "libCustomOggS.so";

namespace {

class DynamicOggLibrary : public OggLibrary {
 public:
  // Never unloaded: the library's feeder thread may run until the program ends.
  ~DynamicOggLibrary() override = default;

  bool Load(const std::string& file) {
    handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) return false;
    bool ok = true;
    auto get = [&](auto& fn, const char* name) {
      fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(dlsym(handle_, name));
      ok = ok && fn;
    };
    get(init_, "InitOgg");
    get(setBufferSize_, "SetOggBufferSize");
    get(update_, "UpdateOgg");
    get(play_, "PlayOggFromDisc");
    get(pause_, "PauseOgg");
    get(stop_, "StopOgg");
    get(isPlaying_, "OggIsPlaying");
    get(volume_, "SetVolumeOfOgg");
    get(pan_, "SetPanOfOgg");
    get(frequency_, "SetFrequencyOfOgg");
    get(position_, "OggSetPosition");
    get(decode_, "DecodeOggFileToBuffer");
    get(shutdown_, "ShutdownOgg");
    if (!ok) {
      dlclose(handle_);
      handle_ = nullptr;
    }
    return ok;
  }

  int32_t InitOgg(int32_t reserved, int32_t window) override { return init_(reserved, window); }
  int32_t SetOggBufferSize(int32_t size) override { return setBufferSize_(size); }
  int32_t UpdateOgg() override { return update_(); }
  int32_t PlayOggFromDisc(const std::string& path, int32_t loop) override { return play_(path.c_str(), loop); }
  int32_t PauseOgg(int32_t h) override { return pause_(h); }
  int32_t StopOgg(int32_t h) override { return stop_(h); }
  int32_t OggIsPlaying(int32_t h) override { return isPlaying_(h); }
  int32_t SetVolumeOfOgg(int32_t v, int32_t h) override { return volume_(v, h); }
  int32_t SetPanOfOgg(int32_t p, int32_t h) override { return pan_(p, h); }
  int32_t SetFrequencyOfOgg(int32_t f, int32_t h) override { return frequency_(f, h); }
  int32_t OggSetPosition(int32_t h, int32_t offset) override { return position_(h, offset); }
  int32_t DecodeOggFileToBuffer(const std::string& path, uint8_t* buffer, int32_t& bytes, int32_t& channels, int32_t& rate) override {
    return decode_(path.c_str(), buffer, &bytes, &channels, &rate);
  }
  int32_t ShutdownOgg() override { return shutdown_(); }

 private:
  void* handle_ = nullptr;
  // Typed from the library's own header, so the compiler holds both sides to one signature.
  decltype(&::InitOgg) init_ = nullptr;
  decltype(&::SetOggBufferSize) setBufferSize_ = nullptr;
  decltype(&::UpdateOgg) update_ = nullptr;
  decltype(&::PlayOggFromDisc) play_ = nullptr;
  decltype(&::PauseOgg) pause_ = nullptr;
  decltype(&::StopOgg) stop_ = nullptr;
  decltype(&::OggIsPlaying) isPlaying_ = nullptr;
  decltype(&::SetVolumeOfOgg) volume_ = nullptr;
  decltype(&::SetPanOfOgg) pan_ = nullptr;
  decltype(&::SetFrequencyOfOgg) frequency_ = nullptr;
  decltype(&::OggSetPosition) position_ = nullptr;
  decltype(&::DecodeOggFileToBuffer) decode_ = nullptr;
  decltype(&::ShutdownOgg) shutdown_ = nullptr;
};

}  // namespace

std::unique_ptr<OggLibrary> LoadOggLibrary(const std::string& appFolder) {
  std::vector<std::filesystem::path> folders{appFolder, ProgramFolder()};
  for (const auto& installed : InstalledLibraryFolders(ProgramFolder())) folders.push_back(installed);
  for (const auto& folder : folders) {
    if (folder.empty()) continue;
    const auto found = FindFileNoCase(folder, kOggLibraryName);
    if (!found) continue;
    auto lib = std::make_unique<DynamicOggLibrary>();
    // A path with a separator, so dlopen never searches the system folders instead.
    if (lib->Load(std::filesystem::absolute(*found).string())) return lib;
  }
  return nullptr;
}

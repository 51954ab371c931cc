#include "sound/PipeWireOutput.h"

#include "sound/StreamNames.h"

#include <pipewire/pipewire.h>
#include <spa/param/audio/format-utils.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string>

namespace {

constexpr uint32_t kFrameBytes = 2 * sizeof(float);

void InitOnce() {
  static const bool done = [] {
    pw_init(nullptr, nullptr);
    return true;
  }();
  (void)done;
}

}  // namespace

struct PipeWireOutput::Impl {
  pw_thread_loop* loop = nullptr;
  pw_context* context = nullptr;
  pw_core* core = nullptr;
  pw_stream* stream = nullptr;
  spa_hook listener{};
  spa_hook coreListener{};
  std::atomic<bool> lost{false};
  int rate = 0;
  Render render;
  int periodFrames = 0;

  ~Impl() {
    if (!loop) return;
    pw_thread_loop_lock(loop);
    DropStream();
    if (core) {
      spa_hook_remove(&coreListener);
      pw_core_disconnect(core);
    }
    pw_thread_loop_unlock(loop);
    pw_thread_loop_stop(loop);
    if (context) pw_context_destroy(context);
    pw_thread_loop_destroy(loop);
  }

  // Runs on the graph's real-time thread once a quantum.
  static void Process(void* self) {
    auto* impl = static_cast<Impl*>(self);
    pw_buffer* b = pw_stream_dequeue_buffer(impl->stream);
    if (!b) return;
    spa_data& d = b->buffer->datas[0];
    uint32_t frames = 0;
    if (d.data) {
      frames = d.maxsize / kFrameBytes;
      if (b->requested) frames = std::min(frames, static_cast<uint32_t>(b->requested));
      impl->render(static_cast<float*>(d.data), static_cast<int>(frames));
    }
    d.chunk->offset = 0;
    d.chunk->stride = kFrameBytes;
    d.chunk->size = frames * kFrameBytes;
    pw_stream_queue_buffer(impl->stream, b);
  }

  // With the loop locked. Connects a new stream; false when it cannot.
  bool NewStream() {
    static const pw_stream_events events = [] {
      pw_stream_events e{};
      e.version = PW_VERSION_STREAM_EVENTS;
      e.process = &Impl::Process;
      e.state_changed = [](void* self, pw_stream_state, pw_stream_state state, const char*) {
        auto* impl = static_cast<Impl*>(self);
        if (state == PW_STREAM_STATE_ERROR) impl->lost = true;
        pw_thread_loop_signal(impl->loop, false);
      };
      return e;
    }();
    // The period as the graph's quantum; the role as PipeWire spells it
    // (its pulse server shows it as "game").
    const std::string latency = std::to_string(periodFrames) + "/" + std::to_string(rate);
    // Mixers find a stream's program by it; pulse clients get it for free.
    const std::string pid = std::to_string(getpid());
    pw_properties* props = pw_properties_new(
        PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY, "Playback", PW_KEY_MEDIA_ROLE, "Game",
        PW_KEY_MEDIA_NAME, stream_names::kName, PW_KEY_APP_NAME, stream_names::kName,
        PW_KEY_APP_ICON_NAME, stream_names::kIcon, PW_KEY_APP_ID, stream_names::kIcon,
        PW_KEY_NODE_LATENCY, latency.c_str(), PW_KEY_APP_PROCESS_ID, pid.c_str(), nullptr);
    stream = pw_stream_new(core, stream_names::kName, props);
    if (!stream) return false;
    pw_stream_add_listener(stream, &listener, &events, this);
    uint8_t pod[512];
    spa_pod_builder builder = SPA_POD_BUILDER_INIT(pod, sizeof pod);
    spa_audio_info_raw info{};
    info.format = SPA_AUDIO_FORMAT_F32;
    info.rate = static_cast<uint32_t>(rate);
    info.channels = 2;
    info.position[0] = SPA_AUDIO_CHANNEL_FL;
    info.position[1] = SPA_AUDIO_CHANNEL_FR;
    const spa_pod* params[] = {spa_format_audio_raw_build(&builder, SPA_PARAM_EnumFormat, &info)};
    const auto flags = static_cast<pw_stream_flags>(PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS |
                                                    PW_STREAM_FLAG_RT_PROCESS);
    if (pw_stream_connect(stream, PW_DIRECTION_OUTPUT, PW_ID_ANY, flags, params, 1) < 0) {
      DropStream();
      return false;
    }
    return true;
  }

  // With the loop locked.
  void DropStream() {
    if (!stream) return;
    spa_hook_remove(&listener);
    pw_stream_destroy(stream);
    stream = nullptr;
  }
};

PipeWireOutput::PipeWireOutput(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
PipeWireOutput::~PipeWireOutput() = default;

std::unique_ptr<PipeWireOutput> PipeWireOutput::Connect(int rate) {
  InitOnce();
  auto impl = std::make_unique<Impl>();
  impl->rate = rate > 0 ? rate : 48000;
  impl->loop = pw_thread_loop_new("tunzle-output", nullptr);
  if (!impl->loop) return nullptr;
  // client-rt: the data thread that calls us each quantum runs at real-time
  // priority (through RTKit on a desktop), as the server's own do. Later
  // PipeWires fold it into client.conf and may lack the file.
  for (const char* config : {"client-rt.conf", "client.conf"}) {
    pw_properties* props = pw_properties_new(PW_KEY_CONFIG_NAME, config, PW_KEY_APP_NAME, stream_names::kName,
                                             PW_KEY_APP_ICON_NAME, stream_names::kIcon, PW_KEY_APP_ID,
                                             stream_names::kIcon, nullptr);
    impl->context = pw_context_new(pw_thread_loop_get_loop(impl->loop), props, 0);
    if (impl->context) break;
  }
  if (!impl->context || pw_thread_loop_start(impl->loop) < 0) return nullptr;
  pw_thread_loop_lock(impl->loop);
  impl->core = pw_context_connect(impl->context, nullptr, 0);
  if (impl->core) {
    // The server gone (killed, restarted) shows as a broken pipe on the core.
    static const pw_core_events events = [] {
      pw_core_events e{};
      e.version = PW_VERSION_CORE_EVENTS;
      e.error = [](void* self, uint32_t id, int, int res, const char*) {
        if (id == PW_ID_CORE && res == -EPIPE) static_cast<Impl*>(self)->lost = true;
      };
      return e;
    }();
    pw_core_add_listener(impl->core, &impl->coreListener, &events, impl.get());
  }
  pw_thread_loop_unlock(impl->loop);
  if (!impl->core) return nullptr;
  return std::unique_ptr<PipeWireOutput>(new PipeWireOutput(std::move(impl)));
}

int PipeWireOutput::Rate() const { return impl_->rate; }

bool PipeWireOutput::Lost() const { return impl_->lost; }

int PipeWireOutput::BufferFrames() const { return impl_->render ? impl_->periodFrames : 0; }

bool PipeWireOutput::Open(Render render, int periodFrames, int /*periods*/) {
  Impl& m = *impl_;
  if (m.stream || !render) return false;
  m.render = std::move(render);
  m.periodFrames = std::max(1, periodFrames);
  pw_thread_loop_lock(m.loop);
  bool ok = m.NewStream();
  // Linked to a sink (paused or already running), or refused.
  for (int waits = 0; ok; ++waits) {
    const pw_stream_state st = pw_stream_get_state(m.stream, nullptr);
    if (st == PW_STREAM_STATE_PAUSED || st == PW_STREAM_STATE_STREAMING) break;
    if (st == PW_STREAM_STATE_ERROR || st == PW_STREAM_STATE_UNCONNECTED || waits == 10) ok = false;
    else pw_thread_loop_timed_wait(m.loop, 1);
  }
  if (!ok) {
    m.DropStream();
    m.render = nullptr;
  }
  pw_thread_loop_unlock(m.loop);
  return ok;
}

void PipeWireOutput::SetCorked(bool corked) {
  Impl& m = *impl_;
  if (!m.render) return;
  pw_thread_loop_lock(m.loop);
  // An inactive stream keeps its link, so waking costs no new link from the
  // session manager (up to a second late, seen idle); nor does it keep the
  // sink from suspending.
  if (m.stream) pw_stream_set_active(m.stream, !corked);
  pw_thread_loop_unlock(m.loop);
}

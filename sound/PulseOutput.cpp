#include "sound/PulseOutput.h"

#include "base/Trace.h"
#include "sound/StreamNames.h"

#include <pulse/pulseaudio.h>
#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <atomic>
#include <cstring>

namespace {

using stream_names::kIcon;
using stream_names::kName;
constexpr size_t kFrameBytes = 2 * sizeof(float);

void Signal(pa_threaded_mainloop* loop) { pa_threaded_mainloop_signal(loop, 0); }

}  // namespace

struct PulseOutput::Impl {
  pa_threaded_mainloop* loop = nullptr;
  pa_context* context = nullptr;
  pa_stream* stream = nullptr;
  int rate = 0;
  Render render;
  int periodFrames = 0, periods = 0;
  int bufferFrames = 0;
  bool prioritySet = false;
  bool pipewire = false;
  bool started = false;  // the stream has had its first buffer and runs
  bool corkWanted = false;  // corked before it started: it stays corked then
  size_t leadBytes = 0;  // silence still to go before the first sound
  std::atomic<bool> lost{false};

  // Context or stream state changes, on the loop's thread.
  static void ContextState(pa_context* c, void* self) {
    auto* impl = static_cast<Impl*>(self);
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(c))) impl->lost = true;
    Signal(impl->loop);
  }
  static void StreamState(pa_stream* s, void* self) {
    auto* impl = static_cast<Impl*>(self);
    if (pa_stream_get_state(s) == PA_STREAM_FAILED) impl->lost = true;
    Signal(impl->loop);
  }

  ~Impl() {
    if (!loop) return;
    pa_threaded_mainloop_lock(loop);
    DropStream();
    if (context) {
      pa_context_set_state_callback(context, nullptr, nullptr);
      pa_context_disconnect(context);
      pa_context_unref(context);
    }
    pa_threaded_mainloop_unlock(loop);
    pa_threaded_mainloop_stop(loop);
    pa_threaded_mainloop_free(loop);
  }

  // With the loop locked. Connects a new stream; false when it cannot.
  bool NewStream() {
    pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, static_cast<uint32_t>(rate), 2};
    pa_channel_map map;
    pa_channel_map_init_stereo(&map);
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "game");
    pa_proplist_sets(props, PA_PROP_MEDIA_NAME, kName);
    pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, kIcon);
    stream = pa_stream_new_with_proplist(context, kName, &spec, &map, props);
    pa_proplist_free(props);
    if (!stream) return false;
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.minreq = static_cast<uint32_t>(periodFrames * kFrameBytes);
    attr.tlength = attr.minreq * static_cast<uint32_t>(periods);
    // The server's default, a full buffer: a stream that runs dry stops and
    // goes on from where it was. With none, the server played on through
    // the gap, asked for all of it at once and dropped it: a busy moment
    // lost sound instead of holding it back.
    attr.prebuf = static_cast<uint32_t>(-1);
    attr.fragsize = static_cast<uint32_t>(-1);
    pa_stream_set_state_callback(stream, &Impl::StreamState, this);
    pa_stream_set_write_callback(stream, &Impl::Write, this);
    pa_stream_set_underflow_callback(
        stream, [](pa_stream*, void*) { Trace::write("output", {"underrun"}); }, nullptr);
    // PulseAudio: corked until its first buffer is written, so the stream
    // starts with the sound that woke it. (pipewire-pulse holds a stream's
    // first buffer back a while when it starts corked, and starts an
    // uncorked one cleanly.)
    started = pipewire;
    leadBytes = pipewire ? 0 : static_cast<size_t>(periodFrames) * kFrameBytes;
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY |
                                                      (pipewire ? 0 : PA_STREAM_START_CORKED));
    if (pa_stream_connect_playback(stream, nullptr, &attr, flags, nullptr, nullptr) < 0) {
      DropStream();
      return false;
    }
    return true;
  }

  // With the loop locked.
  void DropStream() {
    if (!stream) return;
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    pa_stream_set_underflow_callback(stream, nullptr, nullptr);
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_disconnect(stream);
    pa_stream_unref(stream);
    stream = nullptr;
  }

  // Runs on the server connection's thread whenever the server wants audio.
  static void Write(pa_stream* s, size_t bytes, void* self) {
    auto* impl = static_cast<Impl*>(self);
    if (!impl->prioritySet) {
      // A period is a few milliseconds: on a busy machine an ordinary thread
      // misses some. Real-time priority where the system grants it, as sound
      // servers and OpenAL Soft's own mixer take it; otherwise as it is.
      impl->prioritySet = true;
      sched_param param{};
      param.sched_priority = std::max(1, sched_get_priority_min(SCHED_RR));
      pthread_setschedparam(pthread_self(), SCHED_RR, &param);
    }
    while (bytes >= kFrameBytes) {
      void* data = nullptr;
      size_t n = bytes;
      if (pa_stream_begin_write(s, &data, &n) < 0 || !data) return;
      n -= n % kFrameBytes;
      if (n == 0) {
        pa_stream_cancel_write(s);
        return;
      }
      // PulseAudio mixes a new stream into what its sink has already
      // rendered, and the part that lands before the sink's read point is
      // lost: a period of silence goes first, so the sound that woke us is
      // heard from its first sample. (PipeWire starts a new stream cleanly.)
      size_t lead = 0;
      if (impl->leadBytes) {
        lead = std::min(n, impl->leadBytes);
        impl->leadBytes -= lead;
        std::memset(data, 0, lead);
      }
      impl->render(static_cast<float*>(data) + lead / sizeof(float), static_cast<int>((n - lead) / kFrameBytes));
      if (pa_stream_write(s, data, n, nullptr, 0, PA_SEEK_RELATIVE) < 0) return;
      bytes -= std::min(bytes, n);
    }
    if (!impl->started) {
      impl->started = true;
      if (!impl->corkWanted)
        if (pa_operation* op = pa_stream_cork(s, 0, nullptr, nullptr)) pa_operation_unref(op);
    }
  }
};

PulseOutput::PulseOutput(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
PulseOutput::~PulseOutput() = default;

std::unique_ptr<PulseOutput> PulseOutput::Connect(int streamRate) {
  auto impl = std::make_unique<Impl>();
  impl->loop = pa_threaded_mainloop_new();
  if (!impl->loop) return nullptr;
  if (pa_threaded_mainloop_start(impl->loop) < 0) {
    pa_threaded_mainloop_free(impl->loop);
    impl->loop = nullptr;
    return nullptr;
  }
  pa_threaded_mainloop_lock(impl->loop);
  pa_proplist* props = pa_proplist_new();
  pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, kName);
  pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, kIcon);
  pa_proplist_sets(props, PA_PROP_APPLICATION_ID, kIcon);
  impl->context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(impl->loop), kName, props);
  pa_proplist_free(props);
  bool ready = false;
  if (impl->context) {
    pa_context_set_state_callback(impl->context, &Impl::ContextState, impl.get());
    if (pa_context_connect(impl->context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
      for (;;) {
        pa_context_state_t st = pa_context_get_state(impl->context);
        if (st == PA_CONTEXT_READY) {
          ready = true;
          break;
        }
        if (!PA_CONTEXT_IS_GOOD(st)) break;
        pa_threaded_mainloop_wait(impl->loop);
      }
    }
  }
  if (ready) {
    struct Ask {
      pa_threaded_mainloop* loop;
      int rate = 0;
      bool pipewire = false;
      bool done = false;
    } ask{impl->loop};
    pa_operation* op = pa_context_get_server_info(
        impl->context,
        [](pa_context*, const pa_server_info* info, void* p) {
          auto* a = static_cast<Ask*>(p);
          if (info) {
            a->rate = static_cast<int>(info->sample_spec.rate);
            a->pipewire = info->server_name && std::strstr(info->server_name, "PipeWire");
          }
          a->done = true;
          Signal(a->loop);
        },
        &ask);
    if (op) {
      while (!ask.done && pa_operation_get_state(op) == PA_OPERATION_RUNNING) pa_threaded_mainloop_wait(impl->loop);
      pa_operation_unref(op);
    }
    impl->rate = streamRate > 0 ? streamRate : ask.rate > 0 ? ask.rate : 44100;
    impl->pipewire = ask.pipewire;
  }
  pa_threaded_mainloop_unlock(impl->loop);
  if (!ready) return nullptr;
  return std::unique_ptr<PulseOutput>(new PulseOutput(std::move(impl)));
}

int PulseOutput::Rate() const { return impl_->rate; }

bool PulseOutput::PipeWire() const { return impl_->pipewire; }

int PulseOutput::BufferFrames() const { return impl_->bufferFrames; }

bool PulseOutput::Lost() const { return impl_->lost; }

bool PulseOutput::Open(Render render, int periodFrames, int periods) {
  Impl& m = *impl_;
  if (m.stream || !render) return false;
  m.render = std::move(render);
  m.periodFrames = std::max(1, periodFrames);
  m.periods = std::max(2, periods);
  pa_threaded_mainloop_lock(m.loop);
  bool ready = m.NewStream();
  while (ready) {
    pa_stream_state_t st = pa_stream_get_state(m.stream);
    if (st == PA_STREAM_READY) break;
    if (!PA_STREAM_IS_GOOD(st)) ready = false;
    else pa_threaded_mainloop_wait(m.loop);
  }
  if (ready) {
    if (const pa_buffer_attr* got = pa_stream_get_buffer_attr(m.stream))
      m.bufferFrames = static_cast<int>(got->tlength / kFrameBytes);
  } else {
    m.DropStream();
  }
  pa_threaded_mainloop_unlock(m.loop);
  return ready;
}

void PulseOutput::SetCorked(bool corked) {
  Impl& m = *impl_;
  if (!m.render) return;
  pa_threaded_mainloop_lock(m.loop);
  m.corkWanted = corked;
  // A stream the server dropped is replaced at the next wake.
  if (m.stream && !PA_STREAM_IS_GOOD(pa_stream_get_state(m.stream))) m.DropStream();
  if (m.pipewire) {
    // Even a corked stream keeps a PipeWire graph waking: the sleeping game
    // has none. A new one is asked for a whole buffer at once, so the sound
    // that woke it is at its front; until it is ready nothing is mixed, and
    // playing sources wait where they are.
    if (corked) m.DropStream();
    else if (!m.stream) m.NewStream();
  } else if (m.stream && m.started) {
    // PulseAudio: corked, not closed. With no stream left a sink falls back
    // to its longest latency and mixes that far ahead (a null sink two
    // seconds); a new stream then waits until the sink has played out what it
    // mixed, and the run it woke for ends that much late. Corked, our latency
    // still holds, the server asks nothing of us, and an idle sink may still
    // be suspended.
    if (pa_operation* op = pa_stream_cork(m.stream, corked ? 1 : 0, nullptr, nullptr)) pa_operation_unref(op);
  } else if (!corked && !m.stream) {
    m.NewStream();
  }
  pa_threaded_mainloop_unlock(m.loop);
}

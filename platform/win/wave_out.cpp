// waveOut over the desktop's audio device. Each open stream has a device thread in the
// program's process that starts the head buffer on the desktop's clock, holds it for as long
// as its frames last at the sample rate, then marks it done and tells the program.
#include <deque>

#include "platform/audio/audio_device.h"
#include "platform/win/message_api.h"
#include "platform/win/thread_api.h"
#include "platform/win/wave_out_api.h"
#include "platform/win/win_errors.h"
#include "platform/win/win_internal.h"

struct WaveOutStream {
  int stream_id = 0;
  HWAVEOUT handle = nullptr;
  audio::PcmFormat format;
  DWORD callback_kind = CALLBACK_NULL;
  DWORD_PTR callback = 0;
  DWORD_PTR instance = 0;
  std::deque<WAVEHDR*> queue;
  bool head_started = false;
  desktop::Tick head_due = 0;
  // The frames started since the stream last ran dry, and when the first of them started.
  desktop::Tick timeline_start = 0;
  std::uint64_t timeline_frames = 0;
  bool paused = false;
  desktop::Tick paused_at = 0;
  bool closed = false;
  std::shared_ptr<desktop::KernelObject> wake;
};

namespace {

constexpr std::uintptr_t kFirstHandle = 0x5A000;

desktop::Tick ms_of_frames(std::uint64_t frames, int sample_rate) {
  const auto rate = static_cast<std::uint64_t>(sample_rate);
  return (frames * 1000 + rate - 1) / rate;
}

std::shared_ptr<WaveOutStream> stream_of(desktop::DesktopThread& self, HWAVEOUT handle) {
  auto& handles = self.desktop().audio().wave_out_handles();
  auto at = handles.find(reinterpret_cast<std::uintptr_t>(handle));
  return at == handles.end() ? nullptr : at->second;
}

void tell(desktop::Desktop& machine, const WaveOutStream& stream, UINT message, WAVEHDR* header) {
  switch (stream.callback_kind) {
    case CALLBACK_WINDOW:
      PostMessageW(reinterpret_cast<HWND>(stream.callback), message, reinterpret_cast<WPARAM>(stream.handle),
                   reinterpret_cast<LPARAM>(header));
      break;
    case CALLBACK_EVENT:
      if (auto event = machine.find_object(reinterpret_cast<HANDLE>(stream.callback))) machine.signal(*event);
      break;
    case CALLBACK_FUNCTION:
      reinterpret_cast<WAVEOUTPROC>(stream.callback)(stream.handle, message, stream.instance,
                                                     reinterpret_cast<DWORD_PTR>(header), 0);
      break;
    default:
      break;
  }
}

void start_head(desktop::Desktop& machine, WaveOutStream& stream, desktop::Tick now) {
  const desktop::Tick timeline_end =
      stream.timeline_start + ms_of_frames(stream.timeline_frames, stream.format.sample_rate);
  if (stream.timeline_frames == 0 || now > timeline_end) {
    stream.timeline_start = now;
    stream.timeline_frames = 0;
  }
  WAVEHDR* header = stream.queue.front();
  const std::size_t samples = header->dwBufferLength / 2;
  machine.audio().play(stream.stream_id,
                       std::span(reinterpret_cast<const std::int16_t*>(header->lpData), samples));
  stream.timeline_frames += samples / static_cast<std::size_t>(stream.format.channels);
  stream.head_due = stream.timeline_start + ms_of_frames(stream.timeline_frames, stream.format.sample_rate);
  stream.head_started = true;
}

void finish(desktop::Desktop& machine, WaveOutStream& stream, WAVEHDR* header) {
  header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
  tell(machine, stream, WOM_DONE, header);
}

void finish_head(desktop::Desktop& machine, WaveOutStream& stream) {
  WAVEHDR* header = stream.queue.front();
  stream.queue.pop_front();
  stream.head_started = false;
  finish(machine, stream, header);
}

// The program ended without closing the stream (its threads end with it): the device closes it.
struct CloseWhenAbandoned {
  desktop::Desktop& machine;
  const std::shared_ptr<WaveOutStream>& stream;
  ~CloseWhenAbandoned() {
    if (stream->closed) return;
    stream->closed = true;
    machine.audio().close_stream(stream->stream_id);
    machine.audio().wave_out_handles().erase(reinterpret_cast<std::uintptr_t>(stream->handle));
  }
};

DWORD run_device_thread(const std::shared_ptr<WaveOutStream>& stream) {
  desktop::DesktopThread& self = *desktop::current_thread();
  desktop::Desktop& machine = self.desktop();
  CloseWhenAbandoned guard{machine, stream};
  while (!stream->closed) {
    const desktop::Tick now = machine.clock().now();
    const bool running = !stream->paused && !stream->queue.empty();
    if (running && !stream->head_started) {
      start_head(machine, *stream, now);
      continue;
    }
    if (running && now >= stream->head_due) {
      finish_head(machine, *stream);
      continue;
    }
    const DWORD timeout = running ? static_cast<DWORD>(stream->head_due - now) : INFINITE;
    if (win_internal::wait_for_objects(self, {stream->wake}, false, timeout) == WAIT_FAILED) break;
  }
  return 0;
}

bool supported(const WAVEFORMATEX& format) {
  return format.wFormatTag == WAVE_FORMAT_PCM && format.wBitsPerSample == 16 &&
         (format.nChannels == 1 || format.nChannels == 2) && format.nSamplesPerSec >= 8000 &&
         format.nSamplesPerSec <= 192000 && format.nBlockAlign == format.nChannels * 2;
}

void wake(desktop::Desktop& machine, WaveOutStream& stream) {
  machine.signal(*stream.wake);
}

}  // namespace

UINT WINAPI waveOutGetNumDevs() {
  return 1;
}

MMRESULT WINAPI waveOutOpen(LPHWAVEOUT out, UINT device, LPCWAVEFORMATEX format, DWORD_PTR callback,
                            DWORD_PTR instance, DWORD flags) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return MMSYSERR_ERROR;
  if (device != WAVE_MAPPER && device != 0) return MMSYSERR_BADDEVICEID;
  if (out == nullptr || format == nullptr) return MMSYSERR_INVALPARAM;
  if (!supported(*format)) return WAVERR_BADFORMAT;
  const DWORD kind = flags & CALLBACK_TYPEMASK;
  if (kind != CALLBACK_NULL && kind != CALLBACK_WINDOW && kind != CALLBACK_EVENT && kind != CALLBACK_FUNCTION)
    return MMSYSERR_INVALFLAG;
  desktop::Desktop& machine = self->desktop();
  auto stream = std::make_shared<WaveOutStream>();
  stream->format = {format->nChannels, static_cast<int>(format->nSamplesPerSec)};
  stream->callback_kind = kind;
  stream->callback = callback;
  stream->instance = instance;
  stream->wake = std::make_shared<desktop::KernelObject>(desktop::KernelObject::Kind::Event);
  stream->wake->manual_reset = false;
  stream->stream_id = machine.audio().open_stream(self->process().image_name, stream->format);
  stream->handle = reinterpret_cast<HWAVEOUT>(kFirstHandle + static_cast<std::uintptr_t>(stream->stream_id));
  machine.audio().wave_out_handles()[reinterpret_cast<std::uintptr_t>(stream->handle)] = stream;
  machine.start_thread(self->process(), [stream] { return run_device_thread(stream); });
  *out = stream->handle;
  tell(machine, *stream, WOM_OPEN, nullptr);
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutPrepareHeader(HWAVEOUT out, LPWAVEHDR header, UINT size) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || !stream_of(*self, out)) return MMSYSERR_INVALHANDLE;
  if (header == nullptr || size < sizeof(WAVEHDR) || header->lpData == nullptr) return MMSYSERR_INVALPARAM;
  header->dwFlags |= WHDR_PREPARED;
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutUnprepareHeader(HWAVEOUT out, LPWAVEHDR header, UINT size) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr || !stream_of(*self, out)) return MMSYSERR_INVALHANDLE;
  if (header == nullptr || size < sizeof(WAVEHDR)) return MMSYSERR_INVALPARAM;
  if ((header->dwFlags & WHDR_INQUEUE) != 0) return WAVERR_STILLPLAYING;
  header->dwFlags &= ~WHDR_PREPARED;
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutWrite(HWAVEOUT out, LPWAVEHDR header, UINT size) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return MMSYSERR_ERROR;
  auto stream = stream_of(*self, out);
  if (!stream) return MMSYSERR_INVALHANDLE;
  if (header == nullptr || size < sizeof(WAVEHDR)) return MMSYSERR_INVALPARAM;
  if ((header->dwFlags & WHDR_PREPARED) == 0) return WAVERR_UNPREPARED;
  if ((header->dwFlags & WHDR_INQUEUE) != 0) return WAVERR_STILLPLAYING;
  header->dwFlags = (header->dwFlags & ~WHDR_DONE) | WHDR_INQUEUE;
  stream->queue.push_back(header);
  wake(self->desktop(), *stream);
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutPause(HWAVEOUT out) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return MMSYSERR_ERROR;
  auto stream = stream_of(*self, out);
  if (!stream) return MMSYSERR_INVALHANDLE;
  if (!stream->paused) {
    stream->paused = true;
    stream->paused_at = self->desktop().clock().now();
  }
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutRestart(HWAVEOUT out) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return MMSYSERR_ERROR;
  auto stream = stream_of(*self, out);
  if (!stream) return MMSYSERR_INVALHANDLE;
  if (stream->paused) {
    const desktop::Tick held = self->desktop().clock().now() - stream->paused_at;
    stream->timeline_start += held;
    if (stream->head_started) stream->head_due += held;
    stream->paused = false;
    wake(self->desktop(), *stream);
  }
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutReset(HWAVEOUT out) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return MMSYSERR_ERROR;
  auto stream = stream_of(*self, out);
  if (!stream) return MMSYSERR_INVALHANDLE;
  std::deque<WAVEHDR*> queued;
  queued.swap(stream->queue);
  stream->head_started = false;
  stream->timeline_frames = 0;
  for (WAVEHDR* header : queued)
    finish(self->desktop(), *stream, header);
  wake(self->desktop(), *stream);
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI waveOutClose(HWAVEOUT out) {
  desktop::DesktopThread* self = win_internal::caller();
  if (self == nullptr) return MMSYSERR_ERROR;
  auto stream = stream_of(*self, out);
  if (!stream) return MMSYSERR_INVALHANDLE;
  if (!stream->queue.empty()) return WAVERR_STILLPLAYING;
  desktop::Desktop& machine = self->desktop();
  stream->closed = true;
  wake(machine, *stream);
  machine.audio().close_stream(stream->stream_id);
  machine.audio().wave_out_handles().erase(reinterpret_cast<std::uintptr_t>(out));
  tell(machine, *stream, WOM_CLOSE, nullptr);
  return MMSYSERR_NOERROR;
}

// Waveform audio output: a program opens a stream on the desktop's audio device, writes
// buffers of 16-bit PCM, and gets each back marked done once it has played on the desktop's
// clock.
#pragma once

#include "platform/win/win_types.h"

using MMRESULT = UINT;
using HWAVEOUT = struct HWAVEOUT__*;
using LPHWAVEOUT = HWAVEOUT*;

inline constexpr UINT WAVE_MAPPER = static_cast<UINT>(-1);
inline constexpr WORD WAVE_FORMAT_PCM = 1;

inline constexpr MMRESULT MMSYSERR_NOERROR = 0;
inline constexpr MMRESULT MMSYSERR_ERROR = 1;
inline constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
inline constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
inline constexpr MMRESULT MMSYSERR_INVALFLAG = 10;
inline constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
inline constexpr MMRESULT WAVERR_BADFORMAT = 32;
inline constexpr MMRESULT WAVERR_STILLPLAYING = 33;
inline constexpr MMRESULT WAVERR_UNPREPARED = 34;

// How the device tells of a finished buffer (waveOutOpen's flags).
inline constexpr DWORD CALLBACK_NULL = 0x00000000;
inline constexpr DWORD CALLBACK_WINDOW = 0x00010000;
inline constexpr DWORD CALLBACK_FUNCTION = 0x00030000;
inline constexpr DWORD CALLBACK_EVENT = 0x00050000;
inline constexpr DWORD CALLBACK_TYPEMASK = 0x00070000;

inline constexpr UINT MM_WOM_OPEN = 0x3BB;
inline constexpr UINT MM_WOM_CLOSE = 0x3BC;
inline constexpr UINT MM_WOM_DONE = 0x3BD;
inline constexpr UINT WOM_OPEN = MM_WOM_OPEN;
inline constexpr UINT WOM_CLOSE = MM_WOM_CLOSE;
inline constexpr UINT WOM_DONE = MM_WOM_DONE;

inline constexpr DWORD WHDR_DONE = 0x00000001;
inline constexpr DWORD WHDR_PREPARED = 0x00000002;
inline constexpr DWORD WHDR_INQUEUE = 0x00000010;

struct WAVEFORMATEX {
  WORD wFormatTag;
  WORD nChannels;
  DWORD nSamplesPerSec;
  DWORD nAvgBytesPerSec;
  WORD nBlockAlign;
  WORD wBitsPerSample;
  WORD cbSize;
};
using LPCWAVEFORMATEX = const WAVEFORMATEX*;

struct WAVEHDR {
  char* lpData;
  DWORD dwBufferLength;
  DWORD dwBytesRecorded;
  DWORD_PTR dwUser;
  DWORD dwFlags;
  DWORD dwLoops;
  WAVEHDR* lpNext;
  DWORD_PTR reserved;
};
using LPWAVEHDR = WAVEHDR*;

using WAVEOUTPROC = void(CALLBACK*)(HWAVEOUT, UINT, DWORD_PTR instance, DWORD_PTR param1, DWORD_PTR param2);

UINT WINAPI waveOutGetNumDevs();
// Only 16-bit PCM, one or two channels.
MMRESULT WINAPI waveOutOpen(LPHWAVEOUT out, UINT device, LPCWAVEFORMATEX format, DWORD_PTR callback,
                            DWORD_PTR instance, DWORD flags);
MMRESULT WINAPI waveOutPrepareHeader(HWAVEOUT out, LPWAVEHDR header, UINT size);
MMRESULT WINAPI waveOutUnprepareHeader(HWAVEOUT out, LPWAVEHDR header, UINT size);
MMRESULT WINAPI waveOutWrite(HWAVEOUT out, LPWAVEHDR header, UINT size);
MMRESULT WINAPI waveOutPause(HWAVEOUT out);
MMRESULT WINAPI waveOutRestart(HWAVEOUT out);
// Marks every queued buffer done at once.
MMRESULT WINAPI waveOutReset(HWAVEOUT out);
// Fails with WAVERR_STILLPLAYING while buffers are queued.
MMRESULT WINAPI waveOutClose(HWAVEOUT out);

// The C runtime's files, for the framework's file classes: streams opened by Windows path,
// descriptors on file handles, and removing, renaming and probing files. Streams are host
// FILE objects, so fread, fwrite, fgets, fseek, ftell, fflush, feof and fclose are the
// standard ones; text mode turns "\r\n" into "\n" on reading and back on writing.
#pragma once

#include <cstdint>
#include <cstdio>

using errno_t = int;

inline constexpr int _SH_DENYRW = 0x10;
inline constexpr int _SH_DENYWR = 0x20;
inline constexpr int _SH_DENYRD = 0x30;
inline constexpr int _SH_DENYNO = 0x40;

inline constexpr int _O_RDONLY = 0x0000;
inline constexpr int _O_WRONLY = 0x0001;
inline constexpr int _O_RDWR = 0x0002;
inline constexpr int _O_APPEND = 0x0008;
inline constexpr int _O_TEXT = 0x4000;
inline constexpr int _O_BINARY = 0x8000;

// Modes r, w, a with "+", "b" or "t" (text without either), "x" with w; an encoding
// (",ccs=...") is refused with EINVAL.
std::FILE* _wfopen(const wchar_t* path, const wchar_t* mode);
errno_t _wfopen_s(std::FILE** stream, const wchar_t* path, const wchar_t* mode);
std::FILE* _wfsopen(const wchar_t* path, const wchar_t* mode, int share);

// A descriptor takes over a file handle: closing the descriptor, or a stream on it, closes it.
int _open_osfhandle(std::intptr_t handle, int flags);
std::intptr_t _get_osfhandle(int fd);
std::FILE* _wfdopen(int fd, const wchar_t* mode);
std::FILE* _fdopen(int fd, const char* mode);
int _fileno(std::FILE* stream);
int _close(int fd);

int _wremove(const wchar_t* path);
int _wunlink(const wchar_t* path);
int _wrename(const wchar_t* old_path, const wchar_t* new_path);
// Mode 0 asks whether the file exists, 2 whether it can be written, 4 read, 6 both.
int _waccess(const wchar_t* path, int mode);

// The files of a folder by kind, as the multimedia panel, the slide show and the sky-culture
// lists need them: plain names in the order the file system gives them, never "." or "..".
#pragma once

#include <string>
#include <vector>

// The matching files' names less their last four characters (a three-letter extension).
std::vector<std::wstring> ListFileTitles(const std::wstring& folder, const std::wstring& pattern);
std::vector<std::wstring> ListSubfolders(const std::wstring& folder);
std::vector<std::wstring> ListImageFiles(const std::wstring& folder);
std::vector<std::wstring> ListVideoFiles(const std::wstring& folder);
std::vector<std::wstring> ListAudioFiles(const std::wstring& folder);
std::vector<std::wstring> ListScriptFiles(const std::wstring& folder);

// The script files the console writes into Orvenna's user folder: UTF-8 without a byte-order
// mark, byte for byte, each piece one WriteString. Failures come back as the framework's file
// exception, by value, for the caller to report.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/afx/file_exception.h"

// Create, write, share-deny-none, text.
inline constexpr UINT ScriptFileOpenFlags = 0x5041;

// Replaces the file with the pieces, in order.
std::optional<CFileException> WriteScriptFile(const std::wstring& path, std::span<const std::wstring> pieces);
std::optional<CFileException> DeleteScriptFile(const std::wstring& path);

// What the runner changes in the caller's text before it writes the per-run file: labels cleared
// first when asked (the flag is consumed by any script but "position.ovs"), and the meteor-shower
// statements of a recorded show taken out while Orvenna has not loaded that plug-in.
std::wstring PreparePerRunText(std::wstring text, std::wstring_view name, bool& clearLabelsFirst,
                               bool meteorPluginLoaded);

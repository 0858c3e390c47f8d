// Lines the stand-ins append to text files, so that tests and demos can see what ran, with
// which command line and in which order.
//
// Each line is "<UTC time> <stand-in> <event>[ <detail>]" in UTF-8, the time written as
// 2026-05-01T12:00:00.123Z so that lines sort by time. Every line goes out in one append,
// so stand-ins running at the same time never mix their lines.
#pragma once

#include <string>
#include <string_view>

// The environment variable naming the log that every stand-in appends its events to.
inline constexpr wchar_t kEventLogVariable[] = L"QUILLO_STANDIN_LOG";

// Appends one line to the file at `path`, creating the file when missing. False when the
// file cannot be opened or written.
bool AppendLogLine(const std::wstring& path, std::wstring_view standin, std::wstring_view event,
                   std::wstring_view detail = {});

// Appends one line to the file that QUILLO_STANDIN_LOG names. True when the variable is not
// set (there is nothing to record then); false when the file cannot be written.
bool RecordEvent(std::wstring_view standin, std::wstring_view event, std::wstring_view detail = {});

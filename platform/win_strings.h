#pragma once

#ifdef _WIN32

#include <string>

namespace tandem::platform {

// Tandem keeps every path as UTF-8; Win32 wants UTF-16.
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

} // namespace tandem::platform

#endif

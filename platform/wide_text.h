#pragma once

#include <array>
#include <string>
#include <string_view>

// A code page 936 text converted to UTF-16 for the wide-character functions,
// so that it reads right whatever the system's ANSI code page is. Short texts
// are converted in place, without touching the heap.
class WideText {
  public:
    explicit WideText(std::string_view cp936);
    WideText(const WideText&) = delete;
    WideText& operator=(const WideText&) = delete;

    const wchar_t* c_str() const noexcept { return data_; }

  private:
    std::array<wchar_t, 64> inline_{};
    std::wstring heap_;
    const wchar_t* data_ = inline_.data();
};

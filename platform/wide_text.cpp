#include "platform/wide_text.h"

#include <windows.h>

namespace {
constexpr UINT kCodePage = 936;
}

WideText::WideText(std::string_view cp936) {
    if (cp936.empty()) {
        return;
    }
    const char* bytes = cp936.data();
    const int length = static_cast<int>(cp936.size());
    const int needed = MultiByteToWideChar(kCodePage, 0, bytes, length, nullptr, 0);
    if (needed < static_cast<int>(inline_.size())) {
        MultiByteToWideChar(kCodePage, 0, bytes, length, inline_.data(), needed);
        inline_[static_cast<std::size_t>(needed)] = L'\0';
        return;
    }
    heap_.resize(static_cast<std::size_t>(needed));
    MultiByteToWideChar(kCodePage, 0, bytes, length, heap_.data(), needed);
    data_ = heap_.c_str();
}

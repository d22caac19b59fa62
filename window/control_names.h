#pragma once

#include <string_view>

// The names by which the program addresses its windows.
namespace control {
inline constexpr std::string_view 主窗口 = "主窗口";
inline constexpr std::string_view 分组框1 = "分组框1";
inline constexpr std::string_view 标签1 = "标签1";
inline constexpr std::string_view 分组框2 = "分组框2";
inline constexpr std::string_view 标签2 = "标签2";
inline constexpr std::string_view 标签3 = "标签3";
inline constexpr std::string_view 标签4 = "标签4";
inline constexpr std::string_view 时钟1 = "时钟1";
} // namespace control

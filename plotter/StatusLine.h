#pragma once

namespace plotter {

// Captions of the status line Label5.
inline constexpr const char* kStatusIdle = "◇状态";
inline constexpr const char* kStatusBusy = "◇正在处理 ……";
inline constexpr const char* kStatusBusyBlink = "◇正在处理 ";
inline constexpr const char* kStatusDone = "◇处理完毕！";
inline constexpr const char* kStatusCancelled = "◇取消";
inline constexpr const char* kStatusNothingToJoin = "◇无须连点成线";

}  // namespace plotter

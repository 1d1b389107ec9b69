#pragma once

// Every text the window and the companion show a user, in one place, as the error table
// holds the error texts. A new message gets its line here, in its section; "%1", "%2" … mark
// where a caller fills in a name, a number or a file (QString::arg or texts::Fill).

#include <initializer_list>
#include <string>
#include <string_view>

namespace texts {

// --- Status line -----------------------------------------------------------------------
inline constexpr const char* kStatusIdle = "◇状态";
inline constexpr const char* kStatusBusy = "◇正在处理 ……";
inline constexpr const char* kStatusBusyBlink = "◇正在处理 ";
inline constexpr const char* kStatusDone = "◇处理完毕！";
inline constexpr const char* kStatusCancelled = "◇取消";
inline constexpr const char* kStatusNothingToJoin = "◇无须连点成线";

// Replaces %1, %2 … (up to %9) in text by the given arguments.
inline std::string Fill(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : 99;
        if (text[i] == '%' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace texts

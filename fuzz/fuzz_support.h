#pragma once
// Shared pieces of the fuzz targets: one reused console per model and the
// checks every input must leave true.

#include <cstdint>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "model/console.h"
#include "protocol/notifier.h"

namespace vrq::fuzz {

// The first byte of most inputs picks the model and a few switches.
inline Product productOf(std::uint8_t flags) { return (flags & 1) ? Product::Single : Product::Multi; }

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The tables are a megabyte; building a console per input would halve the
// rate. The transient reply state is cleared per input so a finding replays
// on its own.
inline Console& consoleFor(Product p, RecordingNotifier& notes) {
    static std::unique_ptr<Console> multi = makeConsole(Product::Multi);
    static std::unique_ptr<Console> single = makeConsole(Product::Single);
    Console& c = p == Product::Single ? *single : *multi;
    c.reply = ReplyState{};
    notes.notices.clear();
    c.notifier = &notes;
    return c;
}

[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

// A plain loop: most cells start with their NUL, and the sanitizer's memchr
// would check the whole cell on every call.
template <std::size_t N>
bool terminated(const std::array<char, N>& cell) {
    for (const char ch : cell)
        if (ch == '\0') return true;
    return false;
}

// Every text of the model keeps its NUL inside its cell; a reader that forgot
// a bound shows up here even when it wrote into the next cell of the table.
inline void checkCells(const Console& c) {
    const SettingsModel& s = c.settings;
    for (const auto& page : s.titleText)
        for (const auto& cell : page)
            if (!terminated(cell)) fail("title line without NUL");
    for (const auto& cell : s.singleTitleText)
        if (!terminated(cell)) fail("single title without NUL");
    if (!terminated(s.alarmHoldTime) || !terminated(s.netPortNumber) || !terminated(s.netMacAddress) ||
        !terminated(s.deviceVersion))
        fail("device text without NUL");
    if (!terminated(c.reply.tcpLineBuffer)) fail("TCP/IP line buffer without NUL");
}

}  // namespace vrq::fuzz

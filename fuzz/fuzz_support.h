#pragma once
// Shared pieces of the fuzz targets: one reused console per model and the
// checks every input must leave true.

#include <cstdint>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <string_view>

#include "model/console.h"
#include "protocol/bulk_runs.h"
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
    if (c.reply.tcpLine.size() >= kLineBufferSize) fail("TCP/IP line past its bound");
    // A glyph answer is taken only as hex digits: the register command sends them as they are.
    for (const char ch : c.glyph.pattern.head(GlyphDigits::kCapacity))
        if (!((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F'))) fail("glyph pattern digit that is no hex digit");
}

// Read-back stores what the device said; the next send-all run builds its
// lines from it. The steps of the first and last page, the first and last day
// and every device-wide step must still give well-formed lines.
inline void checkSendAll(const Console& c) {
    static const int kMultiSteps[] = {1,    512,  513,  1024, 1025, 1536, 1537, 2048,
                                      2049, 2560, 2561, 3072, 3073, 3103};
    static const int kSingleSteps[] = {1, 512, 513, 543};
    const Product p = c.product;
    auto check = [&](int step) {
        const SendAllStep built = buildSendAllStep(c.settings, p, step);
        if (!built.line) return;
        if (built.line->text().size() >= static_cast<std::size_t>(kLineBufferSize))
            fail("send-all line longer than the line buffer");
        for (const char ch : built.line->body())
            if (ch < 0x20 || ch > 0x7E) fail("send-all line with a byte outside printable ASCII");
    };
    for (const int step : p == Product::Single ? std::span<const int>(kSingleSteps) : std::span<const int>(kMultiSteps))
        check(step);
    const int tailFrom = p == Product::Single ? 544 : 3104;
    for (int step = tailFrom; step <= sendAllStepCount(p); ++step) check(step);
}

// The defaults of New, copied back per input: cheaper than building them.
inline void restoreDefaults(Console& c) {
    static const std::unique_ptr<Console> multi = makeConsole(Product::Multi);
    static const std::unique_ptr<Console> single = makeConsole(Product::Single);
    c.settings = (c.single() ? single : multi)->settings;
}

}  // namespace vrq::fuzz

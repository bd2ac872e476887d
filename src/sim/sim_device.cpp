#include "sim/sim_device.h"

#include <cctype>

#include <cstdint>

#include "model/reset_settings.h"
#include "protocol/codecs.h"
#include "sim/sim_fields.h"

namespace vrq::sim {

namespace {

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

std::string_view stripEol(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

CommandTable tableOf(Product p) {
    CommandTable t;
    addDisplayCommands(t, p);
    addDeviceCommands(t, p);
    addGlyphCommands(t, p);
    if (p == Product::Single) addSingleLineCommands(t);
    return t;
}

// The entry a line names: set commands may begin with "R" too ("RCA...",
// "RMBIN"), so a line is tried both as a read request and as a set command.
// The longest matched text wins, so "CABC" beats "CA"; on a tie a
// fixed-length entry wins.
const CommandEntry* bestMatch(const CommandTable& table, std::string_view body) {
    const CommandEntry* best = nullptr;
    std::size_t bestScore = 0;
    for (const CommandEntry& command : table) {
        const bool isRead = static_cast<bool>(command.answer);
        if (isRead && (body.size() < 2 || body[0] != 'R')) continue;
        const std::string_view key = isRead ? body.substr(1) : body;
        if (key.substr(0, command.mnemonic.size()) != command.mnemonic) continue;
        if (command.length != 0 && key.size() != command.length) continue;
        const std::size_t score = (command.mnemonic.size() + (isRead ? 1 : 0)) * 2 + (command.length != 0 ? 1 : 0);
        if (!best || score > bestScore) {
            best = &command;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace

SimDevice::SimDevice(SimOptions options)
    : options_(std::move(options)),
      console_(makeConsole(options_.product)),
      table_(tableOf(options_.product)),
      otherTable_(tableOf(options_.product == Product::Single ? Product::Multi : Product::Single)) {}

std::vector<std::string> SimDevice::feed(std::string_view bytes, int channel) {
    std::vector<std::string> answers;
    std::string& pending = pending_[channel];
    for (char ch : bytes) {
        pending.push_back(ch);
        if (ch != '\n') {
            // A line longer than any command can never be valid; keep memory bounded.
            if (pending.size() > 4096) pending.erase(0, pending.size() - 4096);
            continue;
        }
        std::string line;
        line.swap(pending);
        std::string a = handleLine(line);
        if (!a.empty()) answers.push_back(std::move(a));
    }
    return answers;
}

int SimDevice::takeExtraDelayMs() {
    const int ms = extraDelayMs_;
    extraDelayMs_ = 0;
    return ms;
}

namespace {

// The same request for the next page, day or glyph code: its last digits
// counted up by one (hex digits stay hex). Empty for a request without them.
std::string nextRowRequest(std::string_view line) {
    std::string r(line);
    std::size_t i = r.size();
    while (i > 0 && std::isxdigit(static_cast<unsigned char>(r[i - 1])) && !std::isupper(static_cast<unsigned char>(r[i - 1]))) --i;
    if (i == r.size() || r.empty() || r[0] != 'R') return {};
    // Count up from the last digit; 9 wraps to 0 and carries, so page 512 asks 513.
    for (std::size_t k = r.size(); k-- > i;) {
        if (r[k] != '9') {
            ++r[k];
            return r;
        }
        r[k] = '0';
    }
    return r;
}

}  // namespace

bool SimDevice::takeHangUp() {
    const bool h = hangUp_;
    hangUp_ = false;
    return h;
}

std::string SimDevice::junkAnswer() {
    // Deterministic junk, so a failing drill can be run again as it was.
    const std::size_t n = junkSent_++;
    std::uint32_t seed = static_cast<std::uint32_t>(n) * 2654435761u + 12345u;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fffu;
    };
    std::string a;
    switch (n % 6) {
        case 0: {  // random bytes, NUL and CR included, then LF
            const std::size_t len = 1 + next() % 300;
            for (std::size_t i = 0; i < len; ++i) {
                const char ch = static_cast<char>(next() & 0xff);
                // XON/XOFF are the serial line's handshake, never data.
                if (ch != 0x11 && ch != 0x13) a.push_back(ch);
            }
            a.push_back('\n');
            return a;
        }
        case 1:  // far longer than any line, without LF; the next answer ends it
            return std::string(3000 + next() % 3000, static_cast<char>('A' + next() % 26));
        case 2:  // a title page beyond the last page
            return "CA" + dec(513 + static_cast<int>(next() % 487), 3) + std::string(1120, '2') + "\r\n";
        case 3:  // page 000 and a page beyond the last
            return (next() % 2 ? "CBS000" : "CFS999") + std::string(10, '1') + "\r\n";
        case 4:  // a day beyond the month
            return "SD" + dec(32 + static_cast<int>(next() % 68), 2) + std::string(24 * 7, '9') + "\r\n";
        default:  // a known row cut short
            return std::string(next() % 2 ? "CA001" : "SD01") + "12\r\n";
    }
}

std::string SimDevice::handleLine(std::string_view raw) {
    ++linesReceived_;
    if (onLine) onLine(raw);
    if (options_.dropAfter > 0 && !hungUp_ && linesReceived_ >= static_cast<std::size_t>(options_.dropAfter)) {
        hangUp_ = hungUp_ = true;
        return {};
    }
    if (options_.silentAfter > 0 && linesReceived_ > static_cast<std::size_t>(options_.silentAfter)) return {};
    if (junkSent_ < static_cast<std::size_t>(options_.garbage)) return junkAnswer();
    std::string_view line = stripEol(raw);

    std::string prefix;
    if (options_.rs485Address >= 0) {
        if (line.size() < 2) return {};
        const std::string_view addr = line.substr(0, 2);
        const bool broadcast = addr == "FF";
        std::string mine = "00";
        putDecimal2(mine.data(), options_.rs485Address);
        if (!broadcast && addr != mine) return {};  // another device's line
        line.remove_prefix(2);
        if (broadcast) {
            answerFor(line);  // applied, never answered
            return {};
        }
        prefix = mine;
    }

    std::string body;
    const bool errorHere = options_.errorAt > 0 && linesReceived_ == static_cast<std::size_t>(options_.errorAt);
    if (options_.lateAt > 0 && linesReceived_ == static_cast<std::size_t>(options_.lateAt)) extraDelayMs_ = options_.lateMs;
    if (options_.wrongRowAt > 0 && linesReceived_ == static_cast<std::size_t>(options_.wrongRowAt)) {
        // A read-back row, but not the one asked for; to a set command, the version.
        const std::string other = nextRowRequest(line);
        body = other.empty() ? answerFor("RVN") : answerFor(other);
        if (body == "E3") body = answerFor("RVN");
    } else if (errorHere) {
        body = options_.errorCode;
    } else if (options_.menu) {
        body = "MENU";
    } else {
        body = answerFor(line);
    }
    if (options_.silent) return {};
    if (options_.damageEvery > 0 && linesReceived_ % static_cast<std::size_t>(options_.damageEvery) == 0 && body.size() > 2)
        body.resize(body.size() / 2);
    return prefix + body + "\r\n";
}

std::string SimDevice::answerFor(std::string_view body) {
    const CommandEntry* best = bestMatch(table_, body);
    // A command of the other model: the device reports the mode difference.
    if (!best) return bestMatch(otherTable_, body) ? "GN" : "E3";
    if (best->answer) {
        std::string a = best->answer(console_->settings, body.substr(1));
        return a.empty() ? "E3" : a;
    }
    return best->apply(console_->settings, body) ? "GO" : "E3";
}

// Field helpers shared by the command families.
bool parseDec(std::string_view s, int& out) {
    out = 0;
    if (s.empty()) return false;
    for (char ch : s) {
        if (!isDigit(ch)) return false;
        out = out * 10 + (ch - '0');
    }
    return true;
}

}  // namespace vrq::sim

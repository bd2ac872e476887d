#pragma once
// The simulated title display device: its own settings, a table of the
// commands it understands, and the fault switches used in trials.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/console.h"

namespace vrq::sim {

struct SimOptions {
    Product product = Product::Multi;
    int rs485Address = -1;   // -1: RS-232C / TCP, no address prefix
    bool menu = false;       // answer "MENU" to everything
    int errorAt = 0;         // answer the Kth received line (1-based) with errorCode
    std::string errorCode = "E3";
    bool silent = false;     // never answer
    int silentAfter = 0;     // answer the first K lines, then fall silent (0: off)
    int dropAfter = 0;       // hang up instead of answering the Kth line, once (0: off)
    int garbage = 0;         // the first K answers are junk: random bytes, long lines, bad fields
    int wrongRowAt = 0;      // answer the Kth line with another row: the next page, day or glyph (0: off)
    int lateAt = 0;          // answer the Kth line lateMs later than the others (0: off)
    int lateMs = 1000;
    int damageEvery = 0;     // cut every Nth answer short, as a noisy line would (0: off)
};

// One entry of the command table. `length` is the body length without CR LF,
// or 0 when the entry checks the length itself.
struct CommandEntry {
    std::string mnemonic;
    std::size_t length;
    // Set command: applies the body, false when a field cannot be parsed.
    std::function<bool(SettingsModel&, std::string_view body)> apply;
    // Read request: the answer body (without CR LF), empty when it cannot answer.
    std::function<std::string(const SettingsModel&, std::string_view body)> answer;
};

using CommandTable = std::vector<CommandEntry>;
using Apply = decltype(CommandEntry::apply);
using Answer = decltype(CommandEntry::answer);

inline void addSet(CommandTable& t, std::string mn, std::size_t length, Apply apply) {
    t.push_back({std::move(mn), length, std::move(apply), {}});
}
inline void addRead(CommandTable& t, std::string mn, std::size_t length, Answer answer) {
    t.push_back({std::move(mn), length, {}, std::move(answer)});
}

// Each family of commands adds its entries in its own file.
void addDisplayCommands(CommandTable& table, Product product);  // titles, per-line and per-page display
void addDeviceCommands(CommandTable& table, Product product);   // clock, alarm, remote, network, version
void addGlyphCommands(CommandTable& table, Product product);    // user glyphs and their insertion
void addSingleLineCommands(CommandTable& table);                // per-page settings of the single-line device

class SimDevice {
public:
    explicit SimDevice(SimOptions options);

    // Takes received bytes (any split) of one channel, returns the complete
    // answers with CR LF. Each connection keeps its own unfinished line.
    std::vector<std::string> feed(std::string_view bytes, int channel = 0);
    // A channel closed: its unfinished line goes with it.
    void forget(int channel) { pending_.erase(channel); }
    // One line without its LF; the answer with CR LF, or empty for none.
    std::string handleLine(std::string_view line);

    SettingsModel& settings() { return console_->settings; }
    const SimOptions& options() const { return options_; }
    std::size_t linesReceived() const { return linesReceived_; }
    // True once, when the line that dropAfter names has come: the channel hangs up.
    bool takeHangUp();
    // The extra delay of the answer just returned by feed(), once.
    int takeExtraDelayMs();
    // Every received line as it came, with its end of line.
    std::function<void(std::string_view)> onLine;

private:
    std::string answerFor(std::string_view body);
    std::string junkAnswer();

    SimOptions options_;
    std::unique_ptr<Console> console_;
    CommandTable table_;
    CommandTable otherTable_;  // the other model's commands, answered "GN"
    std::map<int, std::string> pending_;  // unfinished line per channel
    std::size_t linesReceived_ = 0;
    std::size_t junkSent_ = 0;
    bool hangUp_ = false;
    bool hungUp_ = false;
    int extraDelayMs_ = 0;
};

}  // namespace vrq::sim

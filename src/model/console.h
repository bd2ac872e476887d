#pragma once
// The one context object of a program run: model, application state, reply
// flags and the seams through which the core reaches the outside.

#include <functional>
#include <memory>
#include <string_view>
#include <thread>

#include "model/app_state.h"
#include "model/settings_model.h"

namespace vrq {

class Transport;
class Notifier;
enum class RequestEnd;
struct TrafficEvent;

struct Console {
    explicit Console(Product p) : product(p) {}

    Product product;
    SettingsModel settings;
    AppState app;
    ReplyState reply;
    DialogValues dialog;
    GlyphState glyph;

    // Seams, wired by the program or by a test.
    Transport* serialTransport = nullptr;
    Transport* tcpTransport = nullptr;
    Notifier* notifier = nullptr;

    // Called after a glyph read-back ('L', 'M' or 'S') was stored, so an open
    // glyph editor can redraw.
    std::function<void(char size)> glyphStored;
    // Sees every serial reply line and every TCP/IP receive before it is
    // handled (the command-line companion prints and logs them).
    std::function<void(std::string_view bytes)> received;
    // Every command that went on the wire ends here once, after its answer
    // (if any) was handled; a run that paces itself on answers listens.
    std::function<void(RequestEnd)> requestEnded;
    // Lines that belong to no command of ours (an RS-485 answer from another
    // address), dropped before the reply handling.
    std::function<void(std::string_view bytes)> dropped;
    // Every line the links put on the wire, take off it or throw away, with
    // the link it went over (the traffic monitor listens).
    std::function<void(const TrafficEvent&)> traffic;

    // The thread that created the console: the only one on which replies may
    // reach the model, since nothing in it is locked.
    std::thread::id uiThread = std::this_thread::get_id();

    bool single() const { return product == Product::Single; }
};

// The tables are large; keep them off the stack.
std::unique_ptr<Console> makeConsole(Product p);

}  // namespace vrq

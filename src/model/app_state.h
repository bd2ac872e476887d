#pragma once
// Application state shared by many dialogs, and the transient protocol state.

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

#include "model/glyph_digits.h"
#include "model/settings_model.h"

namespace vrq {

inline constexpr int kMaxPeers = 100;        // saved peer addresses read from the ini file
inline constexpr int kBroadcastAddress = 32; // slaveAddressIndex of "Bloadcast"
inline constexpr int kLineBufferSize = 1200; // one command or reply line with its NUL
inline constexpr int kClientSlots = 97;      // server role: slots 1..96, slot 0 reserved

enum LinkInterface { kLinkSerial = 0, kLinkTcp = 1 };
enum SerialMode { kRs232c = 0, kRs485 = 1 };
enum TcpRole { kTcpClient = 0, kTcpServer = 1 };
// Where the TCP/IP line assembly stands between receives.
enum class TcpLineState { Idle, Partial, Discarding };

// One connected device of the server role; the socket itself lives in the link.
struct ClientSlot {
    bool inUse = false;
    std::string addressText;  // dotted IPv4 text
    int port = 0;             // the device's own port: tells devices of one host apart
    std::chrono::system_clock::time_point since{};  // when it connected
};

// How often a command may be asked again: enough for a noisy line, few
// enough that a dead device is found quickly.
inline constexpr int kMaxRetries = 9;

struct AppState {
    int linkInterface = kLinkSerial;
    int serialMode = kRs232c;
    int comPortIndex = 0;
    int tcpRole = kTcpClient;
    int slaveAddressIndex = 0;
    int peerIndex = -1;     // client role: the saved address connected to (select_number)
    int selectedSlot = -1;  // server role: the client slot commands go to; -1 none
    int peerListCount = 0;
    std::array<Octets, kMaxPeers> peerAddress{};
    std::string currentFileName;  // UTF-8 path
    bool documentModified = false;
    std::uint64_t cleanDocument = 0;  // fingerprint of the records as last opened, saved or reset
    bool serialPortOpen = false;
    bool tcpConnected = false;
    int currentPage = 0;
    int currentLine = 0;
    bool appRunning = false;
    std::array<ClientSlot, kClientSlots> clientSlots{};
    std::string configPath;  // the ini file of this program (vrq700.ini / vrq700s.ini)
    bool fastRuns = false;   // whole-device runs paced by answers, not by their timer
    int retries = 1;         // a command without a valid answer is sent this many times more
    std::string listenAddress;  // server role: the one local IPv4 address to listen on; empty: all
    bool configWriteFailed = false;  // told once a run: a dialog often writes several keys at once
    // Where COM1..COM6 lead on systems without COM names; the ini file may override.
    std::array<std::string, 6> comDevicePath{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2",
                                             "/dev/ttyS3", "/dev/ttyS4", "/dev/ttyS5"};
};

struct ReplyState {
    bool replyExpected = false;
    int noReplyTicks = 0;
    bool successPending = false;
    bool replyError = false;
    bool glyphReplyPending = false;
    bool runActive = false;  // a run is active somewhere in the program; no second one starts
    int runStep = 0;         // the step the active run sends next, 0-based
    TcpLineState tcpLineState = TcpLineState::Idle;
    std::string tcpLine;  // received so far, shorter than kLineBufferSize until its LF
};

// Choices the dialogs remember while the program runs; not in the document.
struct DialogValues {
    bool previewPending = false;

    int allPagesBlink = 0, allLinesBlink = 0;
    int allPagesCharSize = 0, allLinesCharSize = 0;
    int allPagesSpacing = 0, allLinesSpacing = 0;
    int allPagesCharColour = 7, allLinesCharColour = 0;
    int allPagesEdgeColour = 0, allLinesEdgeColour = 0;
    int allPagesFill = 0, allLinesFill = 0;

    int allPagesAutoSwitch = 3;
    int allCharWhiteLevel = 2, allCharBlackLevel = 2;
    bool displayPageOn = true;
    int displayPageChoice = 0;
    int scheduleDay = 0, scheduleEntry = 0;

    int allPagesDisplayPosition = 1;
    int allPagesScrollSpeed = 2;

    int selectedGlyph = 0;     // shared by the glyph editors and the insertion dialog
    int insertPosition = 0;
    int insertGlyphSize = 0;  // 0 large, 1 medium, 2 small; New leaves it
};

struct GlyphState {
    GlyphDigits pattern;  // one pattern for the three editors
};

}  // namespace vrq

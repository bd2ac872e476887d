#include "model/send_bases.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "model/console.h"
#include "model/settings_file.h"
#include "model/text_cell.h"
#include "platform/files.h"

namespace vrq {

std::string sendTarget(const AppState& a, const SettingsModel& s) {
    if (a.linkInterface == kLinkSerial) {
        const int port = a.comPortIndex >= 0 && a.comPortIndex < 6 ? a.comPortIndex : 0;
        std::string t = "serial:" + a.comDevicePath[static_cast<std::size_t>(port)];
        if (a.serialMode != kRs485) return t;
        if (a.slaveAddressIndex < 0 || a.slaveAddressIndex >= kBroadcastAddress) return t + kBroadcastSuffix;
        char address[4];
        std::snprintf(address, sizeof address, ":%02d", a.slaveAddressIndex);
        return t + address;
    }
    if (a.tcpRole == kTcpServer) {
        if (a.selectedSlot < 0 || a.selectedSlot >= kClientSlots) return {};
        const ClientSlot& slot = a.clientSlots[static_cast<std::size_t>(a.selectedSlot)];
        return slot.inUse && !slot.addressText.empty() ? "client:" + slot.addressText : std::string();
    }
    if (a.peerIndex < 0 || a.peerIndex >= kMaxPeers) return {};
    const Octets& o = a.peerAddress[static_cast<std::size_t>(a.peerIndex)];
    char text[40];
    std::snprintf(text, sizeof text, "tcp:%d.%d.%d.%d:", o[0], o[1], o[2], o[3]);
    return text + std::string(cellText(s.netPortNumber));
}

namespace {

bool isBroadcast(const std::string& target) {
    const std::string_view suffix = kBroadcastSuffix;
    return target.size() > suffix.size() && target.compare(target.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

SendBases::SendBases(std::string folder, Product p) : folder_(std::move(folder)), product_(p) {}
SendBases::~SendBases() = default;

// One file a target and program; every byte outside letters and digits is
// written as its hexadecimal value, so no target names another's file.
std::string SendBases::pathOf(const std::string& target) const {
    std::string name = product_ == Product::Single ? "base-vrq700s-" : "base-vrq700-";
    for (const unsigned char ch : target) {
        if ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')) {
            name += static_cast<char>(ch);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "_%02X", ch);
            name += hex;
        }
    }
    return folder_ + "/" + name + ".dat";
}

const SettingsModel* SendBases::find(const std::string& target) {
    if (target.empty() || isBroadcast(target)) return nullptr;
    const auto at = known_.find(target);
    if (at != known_.end()) return at->second.get();
    std::unique_ptr<SettingsModel>& slot = known_[target];
    if (folder_.empty()) return nullptr;
    std::string bytes;
    if (!readRegularFile(pathOf(target), kDocumentSizeCap, bytes)) return nullptr;
    // Only a whole document of this program is a base: a part would claim
    // settings the device may not hold.
    auto c = makeConsole(product_);
    if (SettingsFile::check(bytes, product_) != FileProblem::None ||
        SettingsFile::deserialize(*c, bytes) != SettingsFile::recordCount(product_))
        return nullptr;
    slot = std::make_unique<SettingsModel>(c->settings);
    return slot.get();
}

FileResult SendBases::keep(const std::string& target, const SettingsModel& s) {
    if (target.empty()) return {};
    // No device answers a broadcast: which of them took it is unknown.
    if (isBroadcast(target)) {
        if (!drop(target)) return {FileProblem::WriteFailed, {}};
        return {};
    }
    known_[target] = std::make_unique<SettingsModel>(s);
    if (folder_.empty()) return {};
    platform::makePrivateFolder(folder_);
    auto c = makeConsole(product_);
    c->settings = s;
    const std::string path = pathOf(target);
    const FileResult r = writeFileAtomically(path, SettingsFile::serialize(*c));
    if (!r) return r;
    // What the devices hold is nobody else's business.
    std::error_code e;
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::replace, e);
    if (e) return {FileProblem::WriteFailed, e.message()};
    return r;
}

bool SendBases::drop(const std::string& target) {
    if (target.empty()) return true;
    if (isBroadcast(target)) {
        // Every device of the bus may have taken some of it.
        const std::string bus = target.substr(0, target.size() - std::string_view(kBroadcastSuffix).size());
        bool ok = true;
        for (int address = 0; address < kBroadcastAddress; ++address) {
            char at[4];
            std::snprintf(at, sizeof at, ":%02d", address);
            ok = drop(bus + at) && ok;
        }
        return ok;
    }
    known_[target].reset();
    if (folder_.empty()) return true;
    std::error_code e;
    std::filesystem::remove(pathOf(target), e);
    return !e;
}

}  // namespace vrq

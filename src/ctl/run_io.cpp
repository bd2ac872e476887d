#include "ctl/run_io.h"

#include <filesystem>
#include <ostream>

#include "model/console.h"
#include "model/value_ranges.h"
#include "link/ui_language.h"
#include "protocol/title_encode.h"

namespace vrq::ctl {

void tellCorrected(Console& document, const std::string& path, std::ostream& err) {
    const std::vector<ValueKind> kinds = correctOutOfRange(document.settings, document.product);
    if (!kinds.empty()) err << "vrqctl: " << path << ": " << renderUtf8(correctedValuesText(kinds)) << "\n";
    const Message titles = untakenTitlesText(untakenTitleChars(document.settings, document.product), document.product);
    if (!titles.empty()) err << "vrqctl: " << path << ": " << renderUtf8(titles) << "\n";
}

void StderrNotifier::notify(const Message& title, const Message& text, NoticeIcon icon, bool) {
    err_ << "vrqctl: " << renderUtf8(title) << ": " << renderUtf8(text) << "\n";
    if (icon == NoticeIcon::Stop || icon == NoticeIcon::Exclamation) {
        ++errors;
        if (onError) onError();
    }
}

bool StderrNotifier::ask(const Message&, const Message& text) {
    err_ << "vrqctl: " << renderUtf8(Message(VRQ_TEXT("Ctl", "%1（いいえ）")).arg(text)) << "\n";
    return false;
}

bool RunLog::open(const std::string& path) {
    if (path.empty()) return true;
    std::error_code ec;
    const auto type = std::filesystem::status(std::filesystem::u8path(path), ec).type();
    if (type != std::filesystem::file_type::not_found && type != std::filesystem::file_type::regular &&
        type != std::filesystem::file_type::character)
        return false;
    file_.open(path, std::ios::app | std::ios::binary);
    return file_.is_open();
}

void RunLog::line(TrafficDirection dir, std::string_view bytes, DropReason why) {
    if (!file_.is_open() || failed_) return;
    std::string text = logLine(TrafficClock::now(), dir, bytes, why, device_);
    text += '\n';
    // One write per line, so lines of devices sharing the file never mix.
    file_.write(text.data(), static_cast<std::streamsize>(text.size()));
    file_.flush();
    failed_ = !file_;
}

}  // namespace vrq::ctl

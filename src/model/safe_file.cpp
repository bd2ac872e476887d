#include "model/safe_file.h"

#include <cstring>
#include <filesystem>
#include <string>

#include "platform/files.h"

namespace vrq {

namespace {

FileResult resultOf(const platform::FileOutcome& o) {
    FileProblem p = FileProblem::None;
    switch (o.status) {
    case platform::FileStatus::Ok: return {};
    case platform::FileStatus::CannotOpen: p = FileProblem::CannotOpen; break;
    case platform::FileStatus::NotRegular: p = FileProblem::NotRegular; break;
    case platform::FileStatus::TooLarge: p = FileProblem::TooLarge; break;
    case platform::FileStatus::ReadFailed: p = FileProblem::ReadFailed; break;
    case platform::FileStatus::WriteFailed: p = FileProblem::WriteFailed; break;
    }
    // The system's words for it, when it gave any.
    return {p, o.error != 0 ? std::string(std::strerror(o.error)) : std::string()};
}

// A failed save says whether there was an original that stays as it was.
FileResult replaced(const std::string& path, std::string_view bytes, bool privately) {
    std::error_code ec;
    const bool existed = std::filesystem::exists(std::filesystem::u8path(path), ec);
    FileResult r = resultOf(platform::replaceFileSynced(path, bytes, privately));
    r.newFile = !r && !existed;
    return r;
}

}  // namespace

FileResult writeFileAtomically(const std::string& path, std::string_view bytes) {
    return replaced(path, bytes, false);
}

FileResult writePrivateFileAtomically(const std::string& path, std::string_view bytes) {
    return replaced(path, bytes, true);
}

FileResult readRegularFile(const std::string& path, std::size_t cap, std::string& out) {
    return resultOf(platform::readRegularFileBounded(path, cap, out));
}

Message fileProblemText(const FileResult& r, const std::string& path, bool saving) {
    Text text{};
    switch (r.problem) {
    case FileProblem::None: return {};
    case FileProblem::CannotOpen: text = VRQ_TEXT("Files", "ファイルを開けません。\n%1"); break;
    case FileProblem::NotRegular:
        text = saving ? VRQ_TEXT("Files", "通常のファイルではないため保存できません。\n%1")
                      : VRQ_TEXT("Files", "通常のファイルではないため開けません。\n%1");
        break;
    case FileProblem::TooLarge: text = VRQ_TEXT("Files", "ファイルが大きすぎるため開けません。\n%1"); break;
    case FileProblem::ReadFailed: text = VRQ_TEXT("Files", "ファイルを読み込めません。\n%1"); break;
    case FileProblem::WriteFailed:
        text = r.newFile ? VRQ_TEXT("Files", "ファイルを保存できませんでした。\n%1")
                         : VRQ_TEXT("Files", "ファイルを保存できませんでした。元のファイルはそのままです。\n%1");
        break;
    case FileProblem::OtherModel: text = VRQ_TEXT("Files", "別の機種の設定ファイルのため開けません。\n%1"); break;
    case FileProblem::TooManyRecords:
        text = VRQ_TEXT("Files", "この機種の設定ファイルより長いため開けません。\n%1");
        break;
    case FileProblem::NotADocument: text = VRQ_TEXT("Files", "設定ファイルではないため開けません。\n%1"); break;
    }
    Message m = Message(text).arg(path);
    // The system's words (strerror) are shown as it gave them.
    if (!r.reason.empty()) return Message(VRQ_TEXT("Files", "%1\n(%2)")).arg(std::move(m)).arg(r.reason);
    return m;
}

std::string fileProblemReason(const FileResult& r) {
    switch (r.problem) {
    case FileProblem::NotRegular: return "not a regular file";
    case FileProblem::TooLarge: return "larger than any file of its kind";
    case FileProblem::OtherModel: return "a document of the other model";
    case FileProblem::TooManyRecords: return "more records than a document of this model";
    case FileProblem::NotADocument: return "not a settings document";
    default: return r.reason.empty() ? "failed" : r.reason;
    }
}

}  // namespace vrq

#include "model/safe_file.h"

#include <cstring>
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

}  // namespace

FileResult writeFileAtomically(const std::string& path, std::string_view bytes) {
    return resultOf(platform::replaceFileSynced(path, bytes));
}

FileResult writePrivateFileAtomically(const std::string& path, std::string_view bytes) {
    return resultOf(platform::replaceFileSynced(path, bytes, true));
}

FileResult readRegularFile(const std::string& path, std::size_t cap, std::string& out) {
    return resultOf(platform::readRegularFileBounded(path, cap, out));
}

std::string fileProblemText(const FileResult& r, const std::string& path, bool saving) {
    std::string text;
    switch (r.problem) {
    case FileProblem::None: return {};
    case FileProblem::CannotOpen: text = "ファイルを開けません。"; break;
    case FileProblem::NotRegular: text = "通常のファイルではないため開けません。"; break;
    case FileProblem::TooLarge: text = "ファイルが大きすぎるため開けません。"; break;
    case FileProblem::ReadFailed: text = "ファイルを読み込めません。"; break;
    case FileProblem::WriteFailed: text = "ファイルを保存できませんでした。元のファイルはそのままです。"; break;
    case FileProblem::OtherModel: text = "別の機種の設定ファイルのため開けません。"; break;
    case FileProblem::TooManyRecords: text = "この機種の設定ファイルより長いため開けません。"; break;
    case FileProblem::NotADocument: text = "設定ファイルではないため開けません。"; break;
    }
    if (saving && r.problem == FileProblem::NotRegular) text = "通常のファイルではないため保存できません。";
    text += "\n";
    text += path;
    if (!r.reason.empty()) text += "\n(" + r.reason + ")";
    return text;
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

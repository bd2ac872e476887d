#include "protocol/notifier.h"

namespace vrq {

void showSuccess(Notifier& n, std::string_view text) { n.notify(kSuccessTitle, text, NoticeIcon::None, true); }

void showError(Notifier& n, std::string_view text) { n.notify(kErrorTitle, text, NoticeIcon::Stop, true); }

void showWarning(Notifier& n, std::string_view text) {
    n.notify(kErrorTitle, text, NoticeIcon::Exclamation, true);
}

void RecordingNotifier::notify(std::string_view title, std::string_view text, NoticeIcon icon, bool) {
    notices.push_back({std::string(title), std::string(text), icon});
}

bool RecordingNotifier::ask(std::string_view, std::string_view text) {
    questions.emplace_back(text);
    if (answers.empty()) return true;
    const bool a = answers.front();
    answers.erase(answers.begin());
    return a;
}

Answer RecordingNotifier::askYesNoCancel(std::string_view title, std::string_view text) {
    if (choices.empty()) return ask(title, text) ? Answer::Yes : Answer::No;
    questions.emplace_back(text);
    const Answer a = choices.front();
    choices.erase(choices.begin());
    return a;
}

std::string overwriteQuestion(std::string_view path) {
    std::string text = "%1 は既に存在します。\n上書きしますか？";
    return text.replace(0, 2, path);
}

}  // namespace vrq

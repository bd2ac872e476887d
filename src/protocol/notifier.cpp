#include "protocol/notifier.h"

namespace vrq {

void showSuccess(Notifier& n, const Message& text) { n.notify(kSuccessTitle, text, NoticeIcon::None, true); }

void showError(Notifier& n, const Message& text) { n.notify(kErrorTitle, text, NoticeIcon::Stop, true); }

void showWarning(Notifier& n, const Message& text) {
    n.notify(kErrorTitle, text, NoticeIcon::Exclamation, true);
}

void RecordingNotifier::notify(const Message& title, const Message& text, NoticeIcon icon, bool) {
    notices.push_back({title.japanese(), text.japanese(), icon});
}

bool RecordingNotifier::ask(const Message&, const Message& text) {
    questions.push_back(text.japanese());
    if (answers.empty()) return true;
    const bool a = answers.front();
    answers.erase(answers.begin());
    return a;
}

Answer RecordingNotifier::askYesNoCancel(const Message& title, const Message& text) {
    if (choices.empty()) return ask(title, text) ? Answer::Yes : Answer::No;
    questions.push_back(text.japanese());
    const Answer a = choices.front();
    choices.erase(choices.begin());
    return a;
}

Message overwriteQuestion(std::string_view path) {
    return Message(VRQ_TEXT("Notices", "%1 は既に存在します。\n上書きしますか？")).arg(path);
}

}  // namespace vrq

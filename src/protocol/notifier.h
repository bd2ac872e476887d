#pragma once
// The operator notices. The programs show message boxes with a beep in the
// operator's language, vrqctl writes lines to stderr, tests record the
// Japanese text.

#include <string>
#include <string_view>
#include <vector>

#include "model/message.h"

namespace vrq {

enum class NoticeIcon { None, Stop, Exclamation, Question, Information };

enum class Answer { Yes, No, Cancel };

class Notifier {
public:
    virtual ~Notifier() = default;
    // A modal notice with one OK button; `beep` sounds before it is shown.
    virtual void notify(const Message& title, const Message& text, NoticeIcon icon, bool beep) = 0;
    // A yes/no question; true for yes. A question the program ends during
    // (a termination signal) is no, never yes.
    virtual bool ask(const Message& title, const Message& text) = 0;
    // A yes/no question with a way back; one the program ends during is
    // cancelled. Without a box to show, as yes/no.
    virtual Answer askYesNoCancel(const Message& title, const Message& text) {
        return ask(title, text) ? Answer::Yes : Answer::No;
    }
};

inline constexpr Text kSuccessTitle = VRQ_TEXT("Notices", "Success");
inline constexpr Text kErrorTitle = VRQ_TEXT("Notices", "Error");

void showSuccess(Notifier& n, const Message& text);
void showError(Notifier& n, const Message& text);
void showWarning(Notifier& n, const Message& text);

// "<path> は既に存在します。…" with the path placed as it is.
Message overwriteQuestion(std::string_view path);

// Records every notice; answers questions from a queue (yes when empty). A
// yes/no/cancel question takes its answer from `choices`, from `answers`
// when that is empty.
class RecordingNotifier : public Notifier {
public:
    struct Notice {
        std::string title, text;
        NoticeIcon icon;
    };
    void notify(const Message& title, const Message& text, NoticeIcon icon, bool) override;
    bool ask(const Message& title, const Message& text) override;
    Answer askYesNoCancel(const Message& title, const Message& text) override;

    std::vector<Notice> notices;
    std::vector<std::string> questions;
    std::vector<bool> answers;  // consumed front to back
    std::vector<Answer> choices;
};

}  // namespace vrq

#pragma once
// The operator notices. Texts are UTF-8; the programs show message boxes with a
// beep, vrqctl writes lines to stderr, tests record.

#include <string>
#include <string_view>
#include <vector>

namespace vrq {

enum class NoticeIcon { None, Stop, Exclamation, Question, Information };

enum class Answer { Yes, No, Cancel };

class Notifier {
public:
    virtual ~Notifier() = default;
    // A modal notice with one OK button; `beep` sounds before it is shown.
    virtual void notify(std::string_view title, std::string_view text, NoticeIcon icon, bool beep) = 0;
    // A yes/no question; true for yes. A question the program ends during
    // (a termination signal) is no, never yes.
    virtual bool ask(std::string_view title, std::string_view text) = 0;
    // A yes/no question with a way back; one the program ends during is
    // cancelled. Without a box to show, as yes/no.
    virtual Answer askYesNoCancel(std::string_view title, std::string_view text) {
        return ask(title, text) ? Answer::Yes : Answer::No;
    }
};

inline constexpr std::string_view kSuccessTitle = "Success";
inline constexpr std::string_view kErrorTitle = "Error";

void showSuccess(Notifier& n, std::string_view text);
void showError(Notifier& n, std::string_view text);
void showWarning(Notifier& n, std::string_view text);

// "<path> は既に存在します。…" as one text with the path filled in, so the
// English text places the path without translating anything inside it.
std::string overwriteQuestion(std::string_view path);

// Records every notice; answers questions from a queue (yes when empty). A
// yes/no/cancel question takes its answer from `choices`, from `answers`
// when that is empty.
class RecordingNotifier : public Notifier {
public:
    struct Notice {
        std::string title, text;
        NoticeIcon icon;
    };
    void notify(std::string_view title, std::string_view text, NoticeIcon icon, bool) override;
    bool ask(std::string_view title, std::string_view text) override;
    Answer askYesNoCancel(std::string_view title, std::string_view text) override;

    std::vector<Notice> notices;
    std::vector<std::string> questions;
    std::vector<bool> answers;  // consumed front to back
    std::vector<Answer> choices;
};

}  // namespace vrq

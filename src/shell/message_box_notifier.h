#pragma once
// Operator notices as modal message boxes with a beep before them.

#include "protocol/notifier.h"

class QWidget;

namespace vrq {

class MessageBoxNotifier : public Notifier {
public:
    void notify(std::string_view title, std::string_view text, NoticeIcon icon, bool beep) override;
    bool ask(std::string_view title, std::string_view text) override;
};

}  // namespace vrq

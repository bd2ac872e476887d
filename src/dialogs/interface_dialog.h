#pragma once
// "インターフェイスの設定": serial or TCP/IP. The choice is written to the ini
// file at once; choosing serial opens the port when none is open yet, also
// when serial was already the choice.

#include <QDialog>
#include <functional>
#include <string_view>

#include "model/console.h"

class QComboBox;

namespace vrq {

// One connection key written to this program's ini file at once.
void writeConnectionValue(Console& c, std::string_view key, std::string_view value);
void writeConnectionValue(Console& c, std::string_view key, int value);

class InterfaceDialog : public QDialog {
    Q_OBJECT
public:
    // `openSerial` opens the port of comPortIndex and sets serialPortOpen.
    InterfaceDialog(Console& c, std::function<void()> openSerial, QWidget* parent = nullptr);

    QComboBox* interfaceCombo() const { return combo_; }

private:
    void choose(int index);
    void showChoice();

    Console& c_;
    std::function<void()> openSerial_;
    QComboBox* combo_ = nullptr;
    bool justOpened_ = false;
};

}  // namespace vrq

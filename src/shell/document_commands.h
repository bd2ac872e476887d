#pragma once
// The file commands of the main window: New, Open, Save, Save As and the
// question asked before the program ends.

#include <functional>
#include <string>

#include "model/console.h"
#include "model/message.h"

class QWidget;

namespace vrq {

// Open and save file dialogs; an empty result means the operator cancelled.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::string chooseOpenFile() = 0;  // UTF-8 path of an existing file
    virtual std::string chooseSaveFile() = 0;  // UTF-8 path; overwriting was confirmed
};

// The platform's file dialogs with the console's captions and filters.
class QtFileChooser : public FileChooser {
public:
    explicit QtFileChooser(QWidget* parent) : parent_(parent) {}
    std::string chooseOpenFile() override;
    std::string chooseSaveFile() override;

private:
    QWidget* parent_;
};

class DocumentCommands {
public:
    // `showPath` puts a text where the main window shows the document path.
    DocumentCommands(Console& c, FileChooser& files, std::function<void(const std::string&)> showPath);

    void newDocument();
    void openDocument();
    // Both true when the document was written. A failed write tells the
    // operator, leaves the old file as it was and the document modified.
    bool saveDocument();
    bool saveDocumentAs();
    // True when the program may end: yes ends without saving, no saves
    // first, cancel stays. A save the operator asked for that does not happen
    // (cancelled or failed) keeps the program open, so the titles are not
    // lost; a question the program ends during is a cancel, never a save.
    bool confirmExit();

    // Runs once, when the document on screen needs no recovery copy any
    // more: it was saved, or the operator let it go (New, Open, or ending
    // without saving).
    void whenSettled(std::function<void()> settled) { settled_ = std::move(settled); }

private:
    bool runActive() const { return c_.reply.runActive; }
    bool ask(const char* question);
    void warn(const Message& text);
    bool save();
    bool saveAs();
    bool write(const std::string& path);
    void settle();

    Console& c_;
    FileChooser& files_;
    std::function<void(const std::string&)> showPath_;
    std::function<void()> settled_;
};

}  // namespace vrq

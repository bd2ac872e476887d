#include "glyph_ui/glyph_editor_dialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "dialogs/shift_jis.h"
#include "glyph_ui/glyph_grid_widget.h"
#include "glyphs/glyph_commands.h"
#include "glyphs/glyph_file.h"
#include "link/ui_language.h"
#include "model/product_names.h"
#include "protocol/notifier.h"
#include "protocol/run_target.h"
#include "protocol/send_path.h"

namespace vrq {

namespace {

constexpr Text kCantOpenText = VRQ_TEXT("GlyphEditorDialog", "Can't file open");
constexpr Text kNoFileText = VRQ_TEXT("GlyphEditorDialog", "Don't file open");

QPushButton* makeButton(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

QString FileDialogGlyphChooser::openFileName(QWidget* parent, const QString& title, const QString& filters) {
    QFileDialog d(parent, title, QString(), filters);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first() : QString();
}

QString FileDialogGlyphChooser::saveFileName(QWidget* parent, const QString& title, const QString& filters) {
    QFileDialog d(parent, title, QString(), filters);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first() : QString();
}

GlyphEditorDialog::GlyphEditorDialog(Console& c, GlyphSize size, GlyphFileChooser* chooser, QWidget* parent)
    : SettingDialog(c, parent, vrq::render(glyphGeometry(size).caption), vrq::render(glyphGeometry(size).peerCaption)),
      size_(size),
      chooser_(chooser ? chooser : &ownChooser_) {
    const GlyphGeometry& geo = glyphGeometry(size_);
    setObjectName("glyphEditorDialog");

    // Every editor opens on a blank glyph and no file.
    clearGlyphPattern(c.glyph);

    // The grid sits 12 pixels from the client origin: the mouse geometry counts from there.
    layout()->setContentsMargins(kGlyphGridOrigin, kGlyphGridOrigin, kGlyphGridOrigin, kGlyphGridOrigin);
    PreviewPanel* frame = addPreview(QSize(kGlyphGridWidth, kGlyphGridHeight));
    grid_ = new GlyphGridWidget(c, size_, frame);
    grid_->move(0, 0);
    connect(grid_, &GlyphGridWidget::pressed, this, [this] { changed_ = true; });

    auto* fileBox = new QWidget(this);
    auto* fileRows = new QVBoxLayout(fileBox);
    fileRows->setContentsMargins(0, 0, 0, 0);
    QPushButton* newButton = makeButton(tr("新規作成"), "newButton", fileBox);
    QPushButton* openButton = makeButton(tr("開く"), "openButton", fileBox);
    QPushButton* saveButton = makeButton(tr("保存"), "saveButton", fileBox);
    QPushButton* saveAsButton = makeButton(tr("名前をつけて保存"), "saveAsButton", fileBox);
    for (QPushButton* b : {newButton, openButton, saveButton, saveAsButton}) fileRows->addWidget(b);
    addControl(QString(), fileBox);

    auto* numberGroup = new QGroupBox(tr("登録番号"), this);
    auto* numberRow = new QHBoxLayout(numberGroup);
    numberCombo_ = new QComboBox(numberGroup);
    numberCombo_->setObjectName("glyphNumberCombo");
    numberCombo_->addItems(numberItems(1, geo.numbers, geo.numberWidth));
    numberCombo_->setMaxVisibleItems(16);
    QPushButton* readButton = makeButton(tr("リード"), "readButton", numberGroup);
    QPushButton* registerButton = makeButton(tr("登録"), "registerButton", numberGroup);
    numberRow->addWidget(numberCombo_);
    numberRow->addWidget(readButton);
    numberRow->addWidget(registerButton);
    addControl(QString(), numberGroup);

    addSlaveAddressRow();

    auto* sampleGroup = new QGroupBox(tr("サンプル"), this);
    auto* sampleRow = new QHBoxLayout(sampleGroup);
    sampleEdit_ = new QLineEdit(sampleGroup);
    sampleEdit_->setObjectName("sampleEdit");
    sampleEdit_->setMaxLength(2);
    QPushButton* sampleReadButton = makeButton(tr("リード"), "sampleReadButton", sampleGroup);
    sampleRow->addWidget(sampleEdit_);
    sampleRow->addWidget(sampleReadButton);
    addControl(QString(), sampleGroup);

    // The shared number may come from a larger editor or the insertion dialog.
    int& selected = c.dialog.selectedGlyph;
    if (selected < 0 || selected >= geo.numbers) selected = 0;
    select(numberCombo_, selected);
    connect(numberCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) console().dialog.selectedGlyph = i;
    });

    connect(newButton, &QPushButton::clicked, this, &GlyphEditorDialog::newGlyph);
    connect(openButton, &QPushButton::clicked, this, &GlyphEditorDialog::openGlyph);
    connect(saveButton, &QPushButton::clicked, this, &GlyphEditorDialog::saveGlyph);
    connect(saveAsButton, &QPushButton::clicked, this, &GlyphEditorDialog::saveGlyphAs);
    connect(registerButton, &QPushButton::clicked, this, &GlyphEditorDialog::registerGlyph);
    connect(readButton, &QPushButton::clicked, this, &GlyphEditorDialog::readSlot);
    connect(sampleReadButton, &QPushButton::clicked, this, &GlyphEditorDialog::readSample);
    connect(sampleEdit_, &QLineEdit::textChanged, this, &GlyphEditorDialog::sampleEdited);

    // The reply handler stores a read-back into the shared buffer and calls
    // this hook; only the editor of that size redraws.
    const char letter = geo.letter;
    c.glyphStored = [this, letter](char stored) {
        if (stored == letter) grid_->update();
    };
}

GlyphEditorDialog::~GlyphEditorDialog() { console().glyphStored = nullptr; }

QString GlyphEditorDialog::filters() const {
    // The size's own filter first, so the dialog opens on it.
    return tr("%1;;すべて(*.*)").arg(vrq::render(glyphGeometry(size_).filterText));
}

void GlyphEditorDialog::warn(const Message& text) {
    if (console().notifier) showWarning(*console().notifier, text);
}

void GlyphEditorDialog::error(const Message& text) {
    if (console().notifier) showError(*console().notifier, text);
}

void GlyphEditorDialog::mousePressEvent(QMouseEvent* e) {
    // A press on the dialog's background counts as a change, as on the grid.
    changed_ = true;
    SettingDialog::mousePressEvent(e);
}

void GlyphEditorDialog::newGlyph() {
    Console& c = console();
    if (c.reply.glyphReplyPending) return;
    if (changed_ && c.notifier &&
        !c.notifier->ask(VRQ_TEXT("GlyphEditorDialog", "新規作成"),
                         VRQ_TEXT("GlyphEditorDialog", "データを保存せずに新規作成しますか？")))
        return;
    clearGlyphPattern(c.glyph);
    currentFile_.clear();
    grid_->update();
    changed_ = false;
}

void GlyphEditorDialog::openGlyph() {
    Console& c = console();
    if (c.reply.glyphReplyPending) return;
    if (changed_ && c.notifier &&
        !c.notifier->ask(Message::plain(productTitle(c.product)),
                         VRQ_TEXT("GlyphEditorDialog", "データを保存せずに別のファイルを開きますか？"))) {
        return;
    }
    const QString path = chooser_->openFileName(this, tr("ファイルのオープン"), filters());
    if (path.isEmpty()) return;
    const std::string file = path.toStdString();
    bool damaged = false;
    const FileResult r = GlyphFile::read(file, c.glyph, size_, &damaged);
    if (!r) {
        warn(r.problem == FileProblem::CannotOpen ? Message(kCantOpenText) : Message(fileProblemText(r, file, false)));
        return;
    }
    currentFile_ = file;
    changed_ = false;
    grid_->update();
    if (damaged)
        warn(Message(VRQ_TEXT("GlyphEditorDialog",
                              "外字ファイルが壊れています。読めない文字は「0」（消灯）として読み込みました。\n%1"))
                 .arg(file));
}

void GlyphEditorDialog::saveGlyph() {
    if (console().reply.glyphReplyPending) return;
    if (currentFile_.empty()) {
        warn(kNoFileText);
        return;
    }
    if (const FileResult r = GlyphFile::write(currentFile_, console().glyph, size_); !r) {
        error(fileProblemText(r, currentFile_, true));
        return;
    }
    changed_ = false;
}

void GlyphEditorDialog::saveGlyphAs() {
    if (console().reply.glyphReplyPending) return;
    const QString chosen = chooser_->saveFileName(this, tr("ファイルの保存"), filters());
    if (chosen.isEmpty()) return;
    std::string file = chosen.toStdString();
    const std::string_view ext = glyphGeometry(size_).extension;
    if (!hasExtension(file, ext)) {
        file.append(ext);
        // The file dialog asked about the name as typed, not about this one.
        std::error_code ec;
        Console& c = console();
        if (std::filesystem::exists(std::filesystem::u8path(file), ec) && c.notifier &&
            !c.notifier->ask(Message::plain(productTitle(c.product)), overwriteQuestion(file)))
            return;
    }
    if (const FileResult r = GlyphFile::write(file, console().glyph, size_); !r) {
        error(fileProblemText(r, file, true));
        return;
    }
    currentFile_ = file;
    changed_ = false;
}

void GlyphEditorDialog::registerGlyph() {
    sendCommand(console(), glyphRegisterCommand(size_, console().dialog.selectedGlyph + 1, console().glyph));
}

void GlyphEditorDialog::sendRead(int code) {
    Console& c = console();
    if (!isLinked(c)) {
        error(kNotConnectedText);
        return;
    }
    if (c.reply.glyphReplyPending || !readAllowed(c)) return;
    c.reply.glyphReplyPending = true;
    sendCommand(c, glyphReadCommand(size_, code));
}

void GlyphEditorDialog::readSlot() { sendRead(glyphSlotCode(console().dialog.selectedGlyph + 1)); }

void GlyphEditorDialog::readSample() { sendRead(glyphSampleCode(sample_)); }

void GlyphEditorDialog::sampleEdited(const QString& text) {
    // The field holds at most two Shift-JIS bytes: one double-byte character.
    int stoppedAt = -1;
    const std::string bytes = shiftJisPrefix(text, 2, &stoppedAt);
    if (stoppedAt >= 0 && stoppedAt < text.size()) {
        const QString kept = text.left(stoppedAt);
        if (kept != text) {
            sampleEdit_->setText(kept);  // re-enters with the kept text
            return;
        }
    }
    sample_ = bytes.size() >= 2 ? bytes.substr(0, 2) : std::string();
}

void GlyphEditorDialog::reject() {
    // Close never asks; a read left unanswered must not block the next editor.
    console().reply.glyphReplyPending = false;
    SettingDialog::reject();
}

}  // namespace vrq

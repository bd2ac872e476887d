#include "dialogs/title_editor.h"

#include <algorithm>

#include <QComboBox>
#include <QList>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "dialogs/shift_jis.h"
#include "model/text_cell.h"
#include "protocol/notifier.h"
#include "protocol/send_path.h"
#include "protocol/title_chars.h"
#include "protocol/title_encode.h"

namespace vrq {
namespace {

constexpr int kPreviewRowBytes = kTitleLineMaxBytes;
const QChar kFullWidthSpace(0x3000);

// Fonts have no glyph for the placeholders of cells the code page cannot
// show; the preview marks them with the customary geta mark instead.
QString previewText(const QString& text) {
    QString out;
    for (const char32_t ch : text.toUcs4()) {
        if (placeholderCode(ch)) {
            out += QChar(0x3013);
        } else {
            out += QString::fromUcs4(&ch, 1);
        }
    }
    return out;
}

// Why a title cannot hold `ch`, whose code page bytes are `bytes`, naming
// it; empty when the device takes it. The rule is the one the send path and
// the check on opening a document use.
QString refusalOf(const QString& ch, const std::string& bytes) {
    const QString shown = previewText(ch);
    if (bytes.size() != 2) return TitleEditor::tr("「%1」は半角文字のため、タイトルに使えません。全角で入力してください").arg(shown);
    const auto code = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[0]) << 8 |
                                                 static_cast<unsigned char>(bytes[1]));
    if (takenTitleJis(code)) return {};
    const std::uint16_t jis = titleCharToJis(code);
    if (jis == 0) return TitleEditor::tr("「%1」はJISコードのない文字のため、タイトルに使えません").arg(shown);
    return TitleEditor::tr("「%1」（JIS %2）は機器が受け付けない文字のため、タイトルに使えません")
        .arg(shown, QStringLiteral("%1").arg(jis, 4, 16, QLatin1Char('0')).toUpper());
}

}  // namespace

TitleEditor::TitleEditor(Console& c, QWidget* parent)
    : SettingDialog(c, parent, tr("タイトルの設定"), tr("タイトルの設定 ")) {
    c.app.currentPage = std::clamp(c.app.currentPage, 0, kPages - 1);
    c.app.currentLine = std::clamp(c.app.currentLine, 0, kLines - 1);
    const bool single = c.single();

    if (!single) addPreview(QSize(470, 222), true)->setPainter([this](QPainter& p) { paintPreview(p); });
    pageCombo_ = addCombo(tr("ページ"), pageItems(), "pageCombo");
    select(pageCombo_, c.app.currentPage);
    if (!single) {
        lineCombo_ = addCombo(tr("ライン"), numberItems(1, kLines, 2), "lineCombo");
        select(lineCombo_, c.app.currentLine);
    }
    addSlaveAddressRow();

    if (single) {
        pageEdit_ = new QPlainTextEdit(this);
        pageEdit_->setObjectName("titleEdit");
        pageEdit_->setMinimumSize(440, 120);
        pageEdit_->setTabChangesFocus(true);
        addControl(tr("タイトル"), pageEdit_);
        connect(pageEdit_, &QPlainTextEdit::textChanged, this, [this] {
            if (!loading_) fieldEdited(pageEdit_->toPlainText(), pageEdit_->textCursor().position());
        });
    } else {
        lineEdit_ = new QLineEdit(this);
        lineEdit_->setObjectName("titleEdit");
        lineEdit_->setMinimumWidth(440);
        addControl(tr("タイトル"), lineEdit_);
        connect(lineEdit_, &QLineEdit::textEdited, this,
                [this](const QString& t) { fieldEdited(t, lineEdit_->cursorPosition()); });
    }
    reason_ = new QLabel(this);
    reason_->setObjectName("reasonLabel");
    reason_->setStyleSheet("color: #b00000");
    addControl(QString(), reason_);

    connect(pageCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0) return;
        console().app.currentPage = i;
        loadField();
        refreshPreview();
    });
    if (lineCombo_) {
        connect(lineCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
            if (i < 0) return;
            console().app.currentLine = i;
            loadField();
            refreshPreview();
        });
        connect(addButton(tr("ライン設定"), "lineSendButton"), &QPushButton::clicked, this, &TitleEditor::sendLine);
    }
    connect(addButton(tr("ページ設定"), "pageSendButton"), &QPushButton::clicked, this, &TitleEditor::sendPage);
    connect(addButton(tr("全設定"), "sendAllButton"), &QPushButton::clicked, this, &TitleEditor::sendAll);
    addProgress(kPages);
    loadField();

    // Japanese input is ready at once: the field has focus and takes input-method text.
    QWidget* field = single ? static_cast<QWidget*>(pageEdit_) : lineEdit_;
    field->setAttribute(Qt::WA_InputMethodEnabled, true);
    setFocusProxy(field);
    field->setFocus();
}

int TitleEditor::maxBytes() const { return console().single() ? kSingleTitleMaxBytes : kTitleLineMaxBytes; }

std::string TitleEditor::storedText() const {
    const Console& c = console();
    if (c.single()) return std::string(cellText(c.settings.singleTitleText[c.app.currentPage]));
    return std::string(cellText(c.settings.titleText[c.app.currentPage][c.app.currentLine]));
}

void TitleEditor::store(const std::string& bytes) {
    Console& c = console();
    if (c.single()) {
        setCell(c.settings.singleTitleText[c.app.currentPage], bytes);
    } else {
        setCell(c.settings.titleText[c.app.currentPage][c.app.currentLine], bytes);
    }
    c.app.documentModified = true;
}

void TitleEditor::loadField() {
    loading_ = true;
    ShiftJisText loaded = decodeShiftJis(storedText());
    accepted_ = loaded.text;
    acceptedBytes_ = std::move(loaded.bytes);
    if (pageEdit_) pageEdit_->setPlainText(accepted_);
    if (lineEdit_) lineEdit_->setText(accepted_);
    reason_->clear();
    loading_ = false;
}

void TitleEditor::fieldEdited(const QString& typed, int cursor) {
    // The edit replaced a middle part of the accepted text: the unchanged tail
    // starts at the cursor (that settles repeated characters), the unchanged
    // head is what both texts share before the change.
    const qsizetype typedSize = typed.size(), oldSize = accepted_.size();
    qsizetype tail = typedSize - std::clamp<qsizetype>(cursor, 0, typedSize);
    if (tail > oldSize || typed.right(tail) != accepted_.right(tail)) {
        tail = 0;
        while (tail < typedSize && tail < oldSize && typed[typedSize - 1 - tail] == accepted_[oldSize - 1 - tail]) ++tail;
    }
    qsizetype head = 0;
    while (head < typedSize - tail && head < oldSize - tail && typed[head] == accepted_[head]) ++head;
    // Never split a surrogate pair between the parts.
    if (head > 0 && typed[head - 1].isHighSurrogate()) --head;
    if (tail > 0 && typed[typedSize - tail].isLowSurrogate()) --tail;
    const QString inserted = typed.mid(head, typedSize - head - tail);

    const auto keptTail = acceptedBytes_.end() - tail;
    std::string kept;
    for (auto it = acceptedBytes_.begin(); it != acceptedBytes_.begin() + head; ++it) kept += *it;
    for (auto it = keptTail; it != acceptedBytes_.end(); ++it) kept += *it;
    const int budget = maxBytes() - static_cast<int>(kept.size());

    // Take the inserted characters in order while they fit; a line break
    // would split the title's record in the settings document, a character
    // without a code page 932 code cannot be stored, and one the device does
    // not take could never be sent. What is taken is shown as the code page
    // has it (〜 becomes ～).
    ShiftJisText taken;
    int used = 0;
    QString why;
    for (qsizetype i = 0; i < inserted.size();) {
        const qsizetype len = (inserted[i].isHighSurrogate() && i + 1 < inserted.size()) ? 2 : 1;
        const QString ch = inserted.mid(i, len);
        i += len;
        if (ch == "\r" || ch == "\n" || ch[0] == QChar::ParagraphSeparator || ch[0] == QChar::LineSeparator) continue;
        const std::optional<std::string> b = toShiftJis(ch);
        const QString refused = b ? refusalOf(ch, *b) : tr("「%1」はシフトJISにない文字のため、タイトルに使えません").arg(previewText(ch));
        if (!refused.isEmpty()) {
            if (why.isEmpty()) why = refused;  // the first one refused is named
            continue;
        }
        if (used + static_cast<int>(b->size()) > budget) {
            why = tr("タイトルは%1バイトまでです").arg(maxBytes());
            break;
        }
        used += static_cast<int>(b->size());
        ShiftJisText piece = decodeShiftJis(*b);
        taken.text += piece.text;
        for (std::string& unit : piece.bytes) taken.bytes.push_back(std::move(unit));
    }

    // A keystroke wholly refused leaves the text as it was, a selection it
    // would have replaced included.
    const qsizetype editAt = head;
    if (taken.text.isEmpty() && !why.isEmpty()) {
        head = oldSize;
        tail = 0;
    }
    QString text = accepted_.left(head) + taken.text + accepted_.right(tail);
    std::vector<std::string> units(acceptedBytes_.begin(), acceptedBytes_.begin() + head);
    units.insert(units.end(), taken.bytes.begin(), taken.bytes.end());
    units.insert(units.end(), acceptedBytes_.end() - tail, acceptedBytes_.end());
    std::string bytes;
    for (const std::string& u : units) bytes += u;
    if (bytes != storedText() || text != accepted_) {  // a wholly refused keystroke changes nothing
        // An over-long title from a damaged document may still be shortened step by step.
        const int limit = std::max(maxBytes(), static_cast<int>(storedText().size()) - 1);
        if (static_cast<int>(bytes.size()) <= limit) {
            accepted_ = text;
            acceptedBytes_ = std::move(units);
            store(bytes);
        }
    }
    reason_->setText(why);
    if (typed != accepted_) {
        loading_ = true;
        const int at = static_cast<int>(std::min(editAt + taken.text.size(), accepted_.size()));
        if (lineEdit_) {
            lineEdit_->setText(accepted_);
            lineEdit_->setCursorPosition(at);
        }
        if (pageEdit_) {
            pageEdit_->setPlainText(accepted_);
            QTextCursor cur = pageEdit_->textCursor();
            cur.setPosition(at);
            pageEdit_->setTextCursor(cur);
        }
        loading_ = false;
    }
    refreshPreview();
}

void TitleEditor::sendLine() {
    Console& c = console();
    if (c.reply.runActive) return;
    reason_->clear();  // it spoke of an earlier keystroke
    const std::optional<CommandLine> line = titleLineCommand(c.settings, c.app.currentPage, c.app.currentLine);
    if (!line) {
        if (c.notifier) showWarning(*c.notifier, kJisRefusedText);
        return;
    }
    sendCommand(c, *line);
}

void TitleEditor::sendPage() {
    Console& c = console();
    if (c.reply.runActive) return;
    reason_->clear();
    const std::optional<CommandLine> page = titlePageCommand(c.settings, c.app.currentPage, c.product);
    if (!page) {
        if (c.notifier) showWarning(*c.notifier, kJisRefusedText);
        return;
    }
    sendCommand(c, *page);
}

void TitleEditor::sendAll() {
    const bool single = console().single();
    if (!console().reply.runActive) reason_->clear();
    RunPlan plan;
    plan.steps = kPages;
    plan.periodMs = single ? 600 : 1000;
    plan.check = SendSequencer::ErrorCheck::BeforeStep;
    plan.step = [this](int page) {
        Console& c = console();
        const std::optional<CommandLine> cmd = titlePageCommand(c.settings, page, c.product);
        if (!cmd) return false;
        sendCommand(c, *cmd);
        return true;
    };
    plan.percent = [](int done) { return titlePercentText(done, kPages); };
    plan.blank = single ? "  " : "      ";
    plan.onRefused = [this] {
        if (console().notifier) showWarning(*console().notifier, kJisRefusedText);
    };
    // The multi-line editor may be closed mid-run, which ends the run.
    plan.closeEndsRun = !single;
    startRun(std::move(plan));
}

QStringList TitleEditor::previewTexts() const {
    const Console& c = console();
    const int page = c.app.currentPage;
    QStringList texts;
    texts << QStringLiteral("Page %1").arg(page + 1, 3, 10, QLatin1Char('0'));
    for (int l = 0; l < kLines; ++l) {
        const std::string_view bytes = cellText(c.settings.titleText[page][l]);
        const int fill = std::max(0, (kPreviewRowBytes - static_cast<int>(bytes.size())) / 2);
        texts << QStringLiteral("Line%1 = ").arg(l + 1, 2, 10, QLatin1Char('0')) + previewText(fromShiftJis(bytes)) +
                     QString(fill, kFullWidthSpace);
    }
    return texts;
}

void TitleEditor::paintPreview(QPainter& p) {
    const QStringList texts = previewTexts();
    // Titles are the operator's: never translated.
    PreviewPanel::dataAt(p, 80, 1, texts[0]);
    for (int l = 1; l <= kLines; ++l) PreviewPanel::dataAt(p, 20, 20 * l, texts[l]);
}

}  // namespace vrq

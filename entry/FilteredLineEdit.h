#pragma once
// A text box whose every way in passes one character rule: typed keys
// (control characters such as Ctrl+V included), pasting from the clipboard
// (context menu, Shift+Insert, the middle button), drag and drop and input
// methods. Refused text inserts nothing and shows the rule's message; accepted
// text goes in as the rule maps it (a name's letters in capitals) and never
// beyond the length limit.

#include <QClipboard>
#include <QLineEdit>
#include <optional>
#include <string_view>

#include "entry/InputValidation.h"
#include "entry/KeyFilters.h"

namespace velmora {

class Messenger;

struct CharacterRule {
    KeyFilterResult (*filter)(char16_t code);
    std::string_view message;  // shown when text arrives that the rule refuses
    MessageIcon icon;
};

// txtName: letters (shown in capitals) and spaces.
inline constexpr CharacterRule kNameRule{FilterNameKey, kLettersOnlyMessage, MessageIcon::Information};
// The degree and minute boxes: digits only.
inline constexpr CharacterRule kNumberRule{FilterNumberKey, kNumbersOnlyMessage, MessageIcon::Error};

// The character code a key press produces, as a key-press hook sees it:
// Ctrl+A … Ctrl+Z give 1 … 26, other keys the first character of their text.
// Keys that produce no character (arrows, Home, Delete, function keys) and
// Alt combinations (menu mnemonics) give nothing.
std::optional<char16_t> KeyCharacterCode(int key, Qt::KeyboardModifiers modifiers, const QString& text);

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    FilteredLineEdit(const CharacterRule& rule, Messenger& messenger, QWidget* parent = nullptr);

    // The text as it would be inserted, or nothing when any character of it
    // is refused. Line breaks and other control characters are refused here
    // even where a typed Enter or Backspace is accepted.
    std::optional<QString> MapText(const QString& text) const;

    // Inserts `text` at the cursor (over the selection) as a paste does:
    // either all of it, mapped and cut to the length limit, or, when the rule
    // refuses any character, none of it with the rule's message. Returns
    // whether it was accepted.
    bool InsertFiltered(const QString& text);

public slots:
    void FilteredPaste();  // the clipboard's text through InsertFiltered

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PasteFrom(QClipboard::Mode mode);
    void Refuse(std::string_view message);

    CharacterRule rule_;
    Messenger& messenger_;
};

}  // namespace velmora

#pragma once
// A text box whose every way in passes one character rule: typed keys,
// pasting from the clipboard (Ctrl+V, the context menu, Shift+Insert, the
// middle button), drag and drop and input methods. Text goes in character by
// character: the accepted ones as the rule maps them (a name's Latin letters
// in capitals), never beyond the length limit; a refused one is left out and
// shows the rule's message once. Shortcuts (Ctrl and Alt combinations) and
// keys that type nothing (arrows, Home, End, Delete, Tab) are not typing and
// never set off the message.

#include <QClipboard>
#include <QLineEdit>
#include <optional>
#include <string_view>

#include "birth/InputValidation.h"
#include "birth/KeyFilters.h"

namespace velmora {

class Messenger;

struct CharacterRule {
    KeyFilter filter;
    std::string_view message;  // shown when text arrives that the rule refuses
    MessageIcon icon;
};

// txtName: letters and marks of any script (Latin shown in capitals), spaces,
// hyphens and apostrophes.
inline constexpr CharacterRule kNameRule{FilterNameKey, kLettersOnlyMessage, MessageIcon::Information};
// The degree and minute boxes: digits only.
inline constexpr CharacterRule kNumberRule{FilterNumberKey, kNumbersOnlyMessage, MessageIcon::Error};

// The character a key press types, as the key filter sees it: the first
// character of the key's text; Ctrl+H a Backspace (8), Ctrl+M an Enter (13).
// Other Ctrl combinations (select all, copy, cut, paste, undo), Alt
// combinations (menu mnemonics) and keys that produce no character (arrows,
// Home, End, Delete, Tab, function keys) give nothing.
std::optional<char32_t> KeyCharacterCode(int key, Qt::KeyboardModifiers modifiers, const QString& text);

// What a rule makes of a text: the accepted characters as the rule maps them,
// and whether any was refused (line breaks and other control characters are
// refused here even where a typed Enter or Backspace is accepted).
struct MappedText {
    QString accepted;
    bool refused = false;
};

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    FilteredLineEdit(const CharacterRule& rule, Messenger& messenger, QWidget* parent = nullptr);

    MappedText MapText(const QString& text) const;

    // Inserts `text` at the cursor (over the selection) as a paste does: its
    // accepted characters, mapped and cut to the length limit; when the rule
    // refused any, the rule's message once. Returns whether all were accepted.
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

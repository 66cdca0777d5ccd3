#include "entry/FilteredLineEdit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

#include "services/Messenger.h"

namespace velmora {

namespace {

constexpr char32_t kFirstPrintable = 32;
constexpr char32_t kBackspaceCode = 8;
constexpr char32_t kEnterCode = 13;

bool IsEditingKey(int key) {
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Insert:
        return true;
    default:
        return false;
    }
}

bool IsAltCombination(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::MetaModifier)) &&
           !modifiers.testFlag(Qt::ControlModifier);
}

// Text the base class would insert: any character that is not a control one.
bool IsTypedText(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= kFirstPrintable && c.unicode() != 127; });
}

}  // namespace

std::optional<char32_t> KeyCharacterCode(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::MetaModifier);
    if (control && !alt) {
        // The two control keys that edit as keys do; the others are shortcuts.
        if (key == Qt::Key_H) return kBackspaceCode;
        if (key == Qt::Key_M) return kEnterCode;
        return std::nullopt;
    }
    if (IsEditingKey(key) || text.isEmpty()) return std::nullopt;
    // Alt+letter belongs to the menus; Ctrl+Alt (AltGr) still types characters.
    if (IsAltCombination(modifiers)) return std::nullopt;
    return text.toUcs4().front();
}

FilteredLineEdit::FilteredLineEdit(const CharacterRule& rule, Messenger& messenger, QWidget* parent)
    : QLineEdit(parent), rule_(rule), messenger_(messenger) {}

MappedText FilteredLineEdit::MapText(const QString& text) const {
    MappedText mapped;
    mapped.accepted.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const KeyFilterResult result = c < kFirstPrintable ? KeyFilterResult{} : rule_.filter(c);
        if (result.Accepted()) {
            mapped.accepted.append(QString::fromUcs4(&*result.accepted, 1));
        } else {
            mapped.refused = true;
        }
    }
    return mapped;
}

bool FilteredLineEdit::InsertFiltered(const QString& text) {
    const MappedText mapped = MapText(text);
    if (!mapped.accepted.isEmpty()) insert(mapped.accepted);  // replaces the selection and stops at maxLength()
    if (mapped.refused) Refuse(rule_.message);
    return !mapped.refused;
}

void FilteredLineEdit::FilteredPaste() { PasteFrom(QClipboard::Clipboard); }

void FilteredLineEdit::PasteFrom(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    const QString text = QGuiApplication::clipboard()->text(mode);
    if (!text.isEmpty()) InsertFiltered(text);
}

void FilteredLineEdit::Refuse(std::string_view message) {
    messenger_.Show(window(), QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())),
                    rule_.icon);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    // Ctrl+V and Shift+Insert: the clipboard through the rule.
    if (event->matches(QKeySequence::Paste)) {
        FilteredPaste();
        event->accept();
        return;
    }
    const std::optional<char32_t> code = KeyCharacterCode(event->key(), event->modifiers(), event->text());
    if (!code) {
        // An Alt combination's character is a mnemonic, never typed: the base
        // class would insert it, so it goes on to the window unseen.
        if (IsAltCombination(event->modifiers()) && IsTypedText(event->text())) {
            event->ignore();
            return;
        }
        // Shortcuts and keys without a character: cursor movement, Delete,
        // select all, copy, cut, undo; the base class ignores the rest.
        QLineEdit::keyPressEvent(event);
        return;
    }
    const KeyFilterResult result = rule_.filter(*code);
    if (!result.Accepted()) {
        event->accept();
        Refuse(result.refusal);
        return;
    }
    // Hand the base class a plain key: Ctrl+H is a Backspace, Ctrl+M an Enter,
    // and a lower-case letter arrives as its capital.
    const Qt::KeyboardModifiers plain =
        event->modifiers() & ~(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const char32_t accepted = *result.accepted;
    int key = event->key();
    if (accepted == kBackspaceCode) key = Qt::Key_Backspace;
    if (accepted == kEnterCode && key != Qt::Key_Enter) key = Qt::Key_Return;
    QKeyEvent plainEvent(event->type(), key, plain, QString::fromUcs4(&accepted, 1), event->isAutoRepeat(),
                         static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&plainEvent);
    event->setAccepted(plainEvent.isAccepted());
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // Where the system has a selection clipboard, the middle button pastes it.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (rect().contains(event->position().toPoint())) {
            deselect();
            setCursorPosition(cursorPositionAt(event->position().toPoint()));
            PasteFrom(QClipboard::Selection);
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard Paste would insert the clipboard unchecked: send it through
    // the rule. The entry is the one wired to QLineEdit::paste, whatever its
    // (translated) caption.
    // Qt wires it by name or by member pointer, depending on the version.
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            // A submenu (inserting Unicode control characters) would bypass the rule.
            menu->removeAction(action);
            continue;
        }
        const bool byName = disconnect(action, SIGNAL(triggered()), this, SLOT(paste()));
        const bool byPointer = disconnect(action, &QAction::triggered, this, &QLineEdit::paste);
        if (byName || byPointer) connect(action, &QAction::triggered, this, &FilteredLineEdit::FilteredPaste);
    }
    menu->popup(event->globalPos());
    event->accept();
}

void FilteredLineEdit::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (event->source() == this || !data || !data->hasText()) {
        QLineEdit::dropEvent(event);  // moving text inside this box: it passed the rule already
        return;
    }
    const MappedText mapped = MapText(data->text());
    // Tell the user once the drag is over, not in the middle of it.
    if (mapped.refused) QTimer::singleShot(0, this, [this] { Refuse(rule_.message); });
    if (mapped.accepted.isEmpty()) {
        event->ignore();
        return;
    }
    QMimeData mappedData;
    mappedData.setText(mapped.accepted);
    QDropEvent mappedEvent(event->position(), event->possibleActions(), &mappedData, event->buttons(),
                           event->modifiers(), event->type());
    mappedEvent.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&mappedEvent);
    event->setDropAction(mappedEvent.dropAction());
    event->setAccepted(mappedEvent.isAccepted());
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    const MappedText mapped = MapText(event->commitString());
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(mapped.accepted, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->setAccepted(filtered.isAccepted());
    if (mapped.refused) Refuse(rule_.message);
}

}  // namespace velmora

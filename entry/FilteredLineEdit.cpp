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

#include "shell/Messenger.h"

namespace velmora {

namespace {

constexpr char16_t kFirstPrintable = 32;
constexpr char16_t kBackspaceCode = 8;
constexpr char16_t kEnterCode = 13;

bool IsEditingKey(int key) {
    switch (key) {
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

}  // namespace

std::optional<char16_t> KeyCharacterCode(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::MetaModifier);
    if (control && !alt && key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<char16_t>(key - Qt::Key_A + 1);
    if (IsEditingKey(key) || text.isEmpty()) return std::nullopt;
    // Alt+letter belongs to the menus; Ctrl+Alt (AltGr) still types characters.
    if (alt && !control) return std::nullopt;
    return text.front().unicode();
}

FilteredLineEdit::FilteredLineEdit(const CharacterRule& rule, Messenger& messenger, QWidget* parent)
    : QLineEdit(parent), rule_(rule), messenger_(messenger) {}

std::optional<QString> FilteredLineEdit::MapText(const QString& text) const {
    QString mapped;
    mapped.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() < kFirstPrintable) return std::nullopt;
        const KeyFilterResult result = rule_.filter(c.unicode());
        if (!result.Accepted()) return std::nullopt;
        mapped.append(QChar(*result.accepted));
    }
    return mapped;
}

bool FilteredLineEdit::InsertFiltered(const QString& text) {
    const std::optional<QString> mapped = MapText(text);
    if (!mapped) {
        Refuse(rule_.message);
        return false;
    }
    insert(*mapped);  // replaces the selection and stops at maxLength()
    return true;
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
    const std::optional<char16_t> code = KeyCharacterCode(event->key(), event->modifiers(), event->text());
    if (!code) {
        // Keys without a character: cursor movement, Delete, Shift+Insert.
        if (event->matches(QKeySequence::Paste)) {
            FilteredPaste();
            event->accept();
            return;
        }
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
    const char16_t accepted = *result.accepted;
    int key = event->key();
    if (accepted == kBackspaceCode) key = Qt::Key_Backspace;
    if (accepted == kEnterCode && key != Qt::Key_Enter) key = Qt::Key_Return;
    QKeyEvent plainEvent(event->type(), key, plain, QString(QChar(accepted)), event->isAutoRepeat(),
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
    const std::optional<QString> mapped = MapText(data->text());
    if (!mapped) {
        event->ignore();
        // Tell the user once the drag is over, not in the middle of it.
        QTimer::singleShot(0, this, [this] { Refuse(rule_.message); });
        return;
    }
    QMimeData mappedData;
    mappedData.setText(*mapped);
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
    const std::optional<QString> mapped = MapText(event->commitString());
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(mapped.value_or(QString()), event->replacementStart(),
                             event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->setAccepted(filtered.isAccepted());
    if (!mapped) Refuse(rule_.message);
}

}  // namespace velmora

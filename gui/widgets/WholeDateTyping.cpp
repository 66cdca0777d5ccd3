#include "widgets/WholeDateTyping.h"

#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace velmora {

QDateTime ReadTypedDateTime(const QString& typed, const QString& format) {
    const QString text = typed.simplified();
    if (text.isEmpty()) return {};
    const QLocale locale;
    const QString withTime[] = {format,
                                QStringLiteral("yyyy-MM-dd HH:mm"),
                                QStringLiteral("yyyy-MM-dd HH:mm:ss"),
                                QStringLiteral("yyyy-MM-ddTHH:mm"),
                                QStringLiteral("yyyy-MM-ddTHH:mm:ss"),
                                QStringLiteral("d MMM yyyy HH:mm"),
                                QStringLiteral("d MMMM yyyy HH:mm"),
                                locale.dateTimeFormat(QLocale::ShortFormat),
                                locale.dateTimeFormat(QLocale::LongFormat)};
    for (const QString& f : withTime) {
        const QDateTime read = locale.toDateTime(text, f);
        if (read.isValid()) return read;
    }
    const QString dateOnly[] = {QStringLiteral("yyyy-MM-dd"), QStringLiteral("d MMM yyyy"),
                                QStringLiteral("d MMMM yyyy"), locale.dateFormat(QLocale::ShortFormat),
                                locale.dateFormat(QLocale::LongFormat)};
    for (const QString& f : dateOnly) {
        const QDate read = locale.toDate(text, f);
        if (read.isValid()) return QDateTime(read, QTime(0, 0));
    }
    return {};
}

WholeDateTyping::WholeDateTyping(QDateTimeEdit* box)
    : QObject(box), box_(box), edit_(box->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)) {
    box->installEventFilter(this);
}

void WholeDateTyping::Finish(bool keep) {
    if (!typing_) return;
    typing_ = false;
    const QDateTime read = keep ? ReadTypedDateTime(typed_, box_->displayFormat()) : QDateTime();
    typed_.clear();
    if (read.isValid()) box_->setDateTime(QDateTime(read.date(), read.time(), box_->timeSpec()));
    // The box's own text again, also when the value did not change.
    edit_->setText(box_->locale().toString(box_->dateTime(), box_->displayFormat()));
}

bool WholeDateTyping::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || !edit_) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        Finish(true);
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (event->type() == QEvent::ShortcutOverride) {
        // Enter may be a shortcut of the page ("show this moment"): the date
        // typed is read before it acts.
        if (typing_ && enter) Finish(true);
        return false;
    }
    const QString text = key->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint() &&
                           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    QLineEdit* edit = edit_;
    if (!typing_) {
        if (!printable || edit->text().isEmpty() || edit->selectedText() != edit->text()) return false;
        typing_ = true;
        typed_ = text;
        edit->setText(typed_);
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        Finish(false);
        return true;
    }
    if (key->key() == Qt::Key_Backspace) {
        typed_.chop(1);
        edit->setText(typed_);
        return true;
    }
    if (printable) {
        typed_ += text;
        edit->setText(typed_);
        return true;
    }
    Finish(true);  // Enter, Tab, an arrow: the date as typed, then the key as usual
    return false;
}

}  // namespace velmora

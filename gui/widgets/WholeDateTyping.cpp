#include "widgets/WholeDateTyping.h"

#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace velmora {

namespace {

// A year written with two digits ("12/3/26", as some locales' short form
// writes it), which Qt reads as 19yy: 00-68 are 2000-2068 and 69-99 are
// 1969-1999, the rule of POSIX strptime's %y.
QDate WithCentury(const QDate& date, const QString& format) {
    const bool twoDigits = format.contains(QStringLiteral("yy")) && !format.contains(QStringLiteral("yyyy"));
    return twoDigits && date.isValid() && date.year() < 1969 ? date.addYears(100) : date;
}

}  // namespace

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
        if (read.isValid()) return QDateTime(WithCentury(read.date(), f), read.time());
    }
    const QString dateOnly[] = {QStringLiteral("yyyy-MM-dd"), QStringLiteral("d MMM yyyy"),
                                QStringLiteral("d MMMM yyyy"), locale.dateFormat(QLocale::ShortFormat),
                                locale.dateFormat(QLocale::LongFormat)};
    for (const QString& f : dateOnly) {
        const QDate read = WithCentury(locale.toDate(text, f), f);
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
    // The box reads its text as it changes and may have taken a part typed
    // on the way: the value before the typing unless a whole date was read.
    box_->setDateTime(read.isValid() ? QDateTime(read.date(), read.time(), box_->timeSpec()) : before_);
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
        before_ = box_->dateTime();
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

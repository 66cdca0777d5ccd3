#include "entry/NumberListTyping.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>

namespace velmora {

namespace {

constexpr qsizetype kLongestNumber = 9;  // digits kept at most; an int holds them

// "05" and "5" are the same number; "0" and "" begin every number.
QString WithoutLeadingZeros(const QString& digits) {
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == QLatin1Char('0')) ++first;
    return digits.mid(first);
}

}  // namespace

NumberListTyping::NumberListTyping(QComboBox* list, const KeyTimer* timer)
    : QObject(list), list_(list), timer_(timer) {
    list->installEventFilter(this);
    // The popup and its view are built when first needed; until then the
    // list's own keys are all there is to watch.
    if (list->findChild<QAbstractItemView*>()) WatchView();
}

void NumberListTyping::WatchView() {
    if (viewWatched_) return;
    list_->view()->installEventFilter(this);
    viewWatched_ = true;
}

qint64 NumberListTyping::Now() const {
    if (timer_) return timer_->Milliseconds();
    // The steady clock since the epoch of QElapsedTimer's reference.
    QElapsedTimer steady;
    steady.start();
    return steady.msecsSinceReference();
}

int NumberListTyping::ItemOf(const QString& digits) const {
    const QString number = WithoutLeadingZeros(digits);
    for (int i = 0; i < list_->count(); ++i)
        if (WithoutLeadingZeros(list_->itemText(i)) == number) return i;
    return -1;
}

bool NumberListTyping::BeginsAnItem(const QString& digits) const {
    const QString number = WithoutLeadingZeros(digits);
    for (int i = 0; i < list_->count(); ++i)
        if (WithoutLeadingZeros(list_->itemText(i)).startsWith(number)) return true;
    return false;
}

void NumberListTyping::Type(QChar digit) {
    const qint64 now = Now();
    const bool continues = !typed_.isEmpty() && now - lastKey_ <= kPauseMs && typed_.size() < kLongestNumber;
    lastKey_ = now;
    QString candidate = continues ? typed_ + digit : QString(digit);
    if (ItemOf(candidate) < 0 && !BeginsAnItem(candidate) && continues) candidate = QString(digit);
    const int item = ItemOf(candidate);
    typed_ = item >= 0 || BeginsAnItem(candidate) ? candidate : QString();
    if (item < 0) return;
    list_->setCurrentIndex(item);
    if (list_->view()->isVisible()) list_->view()->setCurrentIndex(list_->model()->index(item, list_->modelColumn()));
}

bool NumberListTyping::eventFilter(QObject* watched, QEvent* event) {
    // The popup is made ready to be shown before any key reaches its view.
    if (event->type() == QEvent::ChildPolished && watched == list_) WatchView();
    if (event->type() != QEvent::KeyPress || list_->isEditable()) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers chord = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (key->text().size() != 1 || !key->text()[0].isDigit() || key->text()[0].unicode() > u'9' ||
        (key->modifiers() & chord))
        return QObject::eventFilter(watched, event);
    Type(key->text()[0]);
    return true;  // not Qt's search of the items' texts
}

}  // namespace velmora

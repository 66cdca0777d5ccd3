#pragma once
// Digits typed into a selection-only list of numbers select the number typed,
// as a spin box would: "2" selects 2, "2" then "3" within a second 23, "1980"
// 1980, "0" then "5" 5. Qt's own keyboard search matches the items' texts
// instead, so that "2" found 20 after 12. Digits that begin no item's number
// wait for the next; a digit after a pause of more than a second starts a
// new number. Arrows, Home, End, Page keys, letters and the mouse work as the
// list's own.

#include <QObject>
#include <QString>

class QComboBox;
class QEvent;

namespace velmora {

// Milliseconds from any fixed start; tests set the time between keys.
class KeyTimer {
public:
    virtual ~KeyTimer() = default;
    virtual qint64 Milliseconds() const = 0;
};

class NumberListTyping : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kPauseMs = 1000;  // digits closer than this make one number

    // Watches `list` (and its popup's view, once there is one) from now on;
    // owned by the list.
    // `timer` must outlive the list; nothing gives the monotonic clock.
    NumberListTyping(QComboBox* list, const KeyTimer* timer = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Type(QChar digit);
    int ItemOf(const QString& digits) const;      // the item showing that number, or -1
    bool BeginsAnItem(const QString& digits) const;
    qint64 Now() const;
    void WatchView();

    QComboBox* list_;
    const KeyTimer* timer_;
    QString typed_;
    qint64 lastKey_ = 0;
    bool viewWatched_ = false;
};

}  // namespace velmora

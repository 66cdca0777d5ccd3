#pragma once
// A date (or date and time) box that takes a whole date typed over it. A
// QDateTimeEdit edits one section at a time: with all its text selected
// (Ctrl+A, or Tab into it) the keys of "2026-12-03 17:59" would land in the
// year section and be lost. Here, typing over the whole text replaces it:
// the keys go into the box as typed, and Enter, Tab or leaving the box reads
// the text as a date in the box's own format (or ISO 8601, or the
// locale's); a text that is no date restores the box's value.

#include <QDateTime>
#include <QObject>
#include <QString>

class QDateTimeEdit;
class QLineEdit;

namespace velmora {

// The date and time `text` names in `format` (the box's display format), in
// ISO 8601 ("2026-12-03", "2026-12-03 17:59", "2026-12-03T17:59:00") or in
// the locale's short or long form; invalid when it names none. A date alone
// is at 00:00; a two-digit year 00-68 is 2000-2068, 69-99 is 1969-1999.
QDateTime ReadTypedDateTime(const QString& text, const QString& format);

class WholeDateTyping : public QObject {
    Q_OBJECT
public:
    // Watches `box` (and is deleted with it).
    explicit WholeDateTyping(QDateTimeEdit* box);

    bool Typing() const { return typing_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Finish(bool keep);

    QDateTimeEdit* box_;
    QLineEdit* edit_;  // the box's own text
    bool typing_ = false;
    QString typed_;
    QDateTime before_;  // the box's value when the typing began
};

}  // namespace velmora

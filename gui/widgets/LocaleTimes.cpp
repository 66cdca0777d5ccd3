#include "widgets/LocaleTimes.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

#include "services/LanguageChoice.h"

namespace velmora {

namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;

QString DatePart(const QDate& date) { return ShownDigits(QLocale().toString(date, QStringLiteral("d MMM yyyy"))); }

// The locale's short clock ("HH:mm", "h:mm AP"), with its seconds when asked.
QString TimePart(const QTime& time, bool seconds) {
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("[:.]?s+")));  // some locales' short form has seconds
    if (seconds) {
        const qsizetype minutes = format.lastIndexOf(QStringLiteral("mm"));
        if (minutes >= 0) format.insert(minutes + 2, QStringLiteral(":ss"));
    }
    return ShownDigits(QLocale().toString(time, format));
}

}  // namespace

QString LocaleMoment(double jdUT, int offsetSeconds, MomentPrecision precision) {
    const double step = precision == MomentPrecision::Second ? 1000.0 : 60000.0;
    const double ms = (jdUT - kUnixEpochJulianDay) * 86400000.0 + offsetSeconds * 1000.0;
    const auto rounded = static_cast<qint64>(std::llround(ms / step) * static_cast<qint64>(step));
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(rounded, Qt::UTC);
    return DatePart(local.date()) + QLatin1Char(' ') + TimePart(local.time(), precision == MomentPrecision::Second);
}

QString LocaleMoment(const CivilMoment& m) {
    return DatePart(QDate(m.year, m.month, m.day)) + QLatin1Char(' ') + TimePart(QTime(m.hour, m.minute), false);
}

QString LocaleDate(const CivilMoment& m) { return DatePart(QDate(m.year, m.month, m.day)); }

MomentWriter LocaleMomentWriter() {
    return [](double jdUT, int offsetSeconds, MomentPrecision precision) {
        return LocaleMoment(jdUT, offsetSeconds, precision).toStdString();
    };
}

}  // namespace velmora

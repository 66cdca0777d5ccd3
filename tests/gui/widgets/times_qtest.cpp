// Dates and times as the windows write and read them: a Julian Date on a
// place's clock in the person's locale, to the minute or to the second, a
// dasha's day, a date typed whole into a date box, and the date box's keys.
//
// The Julian Dates are published ones: JD 2451545.0 is 2000 January 1.5 UT
// and JD 2436116.31 is 1957 October 4.81 UT (Meeus, Astronomical Algorithms,
// 2nd ed., chapter 7 and its example 7.a, the launch of Sputnik 1); 0.81 of
// a day is 19 h 26 min 24 s.

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QLocale>
#include <QtTest>

#include "widgets/LocaleTimes.h"
#include "widgets/WholeDateTyping.h"

using namespace velmora;

namespace {

constexpr double kJ2000 = 2451545.0;        // 2000-01-01 12:00 UT
constexpr double kSputnik = 2436116.31;     // 1957-10-04 19:26:24 UT
constexpr double kSecond = 1.0 / 86400.0;

// Sets the locale the windows write in for as long as it lives.
struct InLocale {
    explicit InLocale(const QString& name) { QLocale::setDefault(QLocale(name)); }
    ~InLocale() { QLocale::setDefault(QLocale::c()); }
};

}  // namespace

class TimesTest : public QObject {
    Q_OBJECT
private slots:
    void aMomentOnAPlacesClock_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("jdUT");
        QTest::addColumn<int>("offsetSeconds");
        QTest::addColumn<bool>("toTheSecond");
        QTest::addColumn<QString>("shown");  // a pattern: the 12-hour forms differ in their space before PM
        QTest::newRow("J2000 in Greenwich") << "en_GB" << kJ2000 << 0 << false << "1 Jan 2000 12:00";
        QTest::newRow("Sputnik, minute") << "en_GB" << kSputnik << 0 << false << "4 Oct 1957 19:26";
        QTest::newRow("Sputnik, second") << "en_GB" << kSputnik << 0 << true << "4 Oct 1957 19:26:24";
        QTest::newRow("Sputnik in India, next day") << "en_GB" << kSputnik << 19800 << false << "5 Oct 1957 00:56";
        QTest::newRow("Sputnik in New York") << "en_GB" << kSputnik << -18000 << false << "4 Oct 1957 14:26";
        QTest::newRow("12-hour clock") << "en_US" << kSputnik << 0 << false << "4 Oct 1957 7:26\\s?PM";
        QTest::newRow("12-hour clock, second") << "en_US" << kSputnik << 0 << true << "4 Oct 1957 7:26:24\\s?PM";
        QTest::newRow("German month") << "de_DE" << kSputnik << 0 << false << "4 Okt\\.? 1957 19:26";
        // Rounded, not cut: 12:00:45 is 12:01 to the minute.
        QTest::newRow("rounded up to the minute") << "en_GB" << kJ2000 + 45 * kSecond << 0 << false << "1 Jan 2000 12:01";
        QTest::newRow("kept to the second") << "en_GB" << kJ2000 + 45 * kSecond << 0 << true << "1 Jan 2000 12:00:45";
        QTest::newRow("cut down to the minute") << "en_GB" << kJ2000 + 20 * kSecond << 0 << false << "1 Jan 2000 12:00";
        // 1999-12-31 23:59:40 rounds into the next day, month and year.
        QTest::newRow("rounded into the new year") << "en_GB" << kJ2000 - 0.5 - 20 * kSecond << 0 << false
                                                   << "1 Jan 2000 00:00";
        QTest::newRow("the old year to the second") << "en_GB" << kJ2000 - 0.5 - 20 * kSecond << 0 << true
                                                     << "31 Dec 1999 23:59:40";
    }

    void aMomentOnAPlacesClock() {
        QFETCH(QString, locale);
        QFETCH(double, jdUT);
        QFETCH(int, offsetSeconds);
        QFETCH(bool, toTheSecond);
        QFETCH(QString, shown);
        InLocale in(locale);
        const QString text =
            LocaleMoment(jdUT, offsetSeconds, toTheSecond ? MomentPrecision::Second : MomentPrecision::Minute);
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(shown)).match(text).hasMatch(),
                 qPrintable(text));
        // The rows' writer writes the same.
        QCOMPARE(QString::fromStdString(LocaleMomentWriter()(
                     jdUT, offsetSeconds, toTheSecond ? MomentPrecision::Second : MomentPrecision::Minute)),
                 text);
    }

    void aDashasDayAndMoment_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("moment");
        // 29 February only in a leap year of the Gregorian calendar (2000 is one, 1900 is not).
        QTest::newRow("leap day") << "en_GB" << 2000 << 2 << 29 << "29 Feb 2000" << "29 Feb 2000 07:05";
        QTest::newRow("far future") << "en_GB" << 2399 << 12 << 31 << "31 Dec 2399" << "31 Dec 2399 07:05";
        QTest::newRow("12-hour clock") << "en_US" << 1901 << 1 << 1 << "1 Jan 1901" << "1 Jan 1901 7:05\\s?AM";
    }

    void aDashasDayAndMoment() {
        QFETCH(QString, locale);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, date);
        QFETCH(QString, moment);
        InLocale in(locale);
        const CivilMoment m{year, month, day, 7, 5};
        QCOMPARE(LocaleDate(m), date);
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(moment)).match(LocaleMoment(m)).hasMatch(),
                 qPrintable(LocaleMoment(m)));
    }

    void aWholeTypedDate_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDateTime>("read");  // invalid: no date
        const QString boxFormat = QStringLiteral("yyyy-MM-dd HH:mm");
        const QDateTime evening(QDate(2026, 12, 3), QTime(17, 59));
        QTest::newRow("the box's own form") << "2026-12-03 17:59" << evening;
        QTest::newRow("blanks around and between") << "  2026-12-03    17:59 " << evening;
        QTest::newRow("ISO with T") << "2026-12-03T17:59" << evening;
        QTest::newRow("ISO with seconds") << "2026-12-03T17:59:30" << QDateTime(QDate(2026, 12, 3), QTime(17, 59, 30));
        QTest::newRow("day, month name, year") << "3 Dec 2026 17:59" << evening;
        QTest::newRow("full month name") << "3 December 2026 17:59" << evening;
        QTest::newRow("a date alone is midnight") << "2026-12-03" << QDateTime(QDate(2026, 12, 3), QTime(0, 0));
        QTest::newRow("a named date alone") << "3 Dec 2026" << QDateTime(QDate(2026, 12, 3), QTime(0, 0));
        QTest::newRow("30 February") << "2026-02-30" << QDateTime();
        QTest::newRow("hour 24") << "2026-12-03 24:00" << QDateTime();
        QTest::newRow("a word") << "tomorrow" << QDateTime();
        QTest::newRow("nothing") << "" << QDateTime();
    }

    void aWholeTypedDate() {
        QFETCH(QString, typed);
        QFETCH(QDateTime, read);
        InLocale in(QStringLiteral("en_GB"));
        QCOMPARE(ReadTypedDateTime(typed, QStringLiteral("yyyy-MM-dd HH:mm")), read);
    }

    void theLocalesShortFormIsRead_data() {
        // en_US writes 3 December 2026 as "12/3/26" (en_GB would read it as
        // the 12th of March, or not at all). A two-digit year follows POSIX
        // strptime's %y: 69-99 are 1969-1999, 00-68 are 2000-2068.
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("read");
        QTest::newRow("this century") << "12/3/26" << QDate(2026, 12, 3);
        QTest::newRow("the last year of 20yy") << "12/3/68" << QDate(2068, 12, 3);
        QTest::newRow("the first year of 19yy") << "12/3/69" << QDate(1969, 12, 3);
        QTest::newRow("the last century") << "5/1/99" << QDate(1999, 5, 1);
        QTest::newRow("with a time") << "12/3/26 5:59 PM" << QDate(2026, 12, 3);
    }

    void theLocalesShortFormIsRead() {
        QFETCH(QString, typed);
        QFETCH(QDate, read);
        InLocale in(QStringLiteral("en_US"));
        QCOMPARE(ReadTypedDateTime(typed, QStringLiteral("yyyy-MM-dd HH:mm")).date(), read);
    }

    void keysInTheDateBox_data() {
        QTest::addColumn<QString>("keys");  // typed over the whole text; "\b" a Backspace
        QTest::addColumn<int>("ending");    // the key that ends the typing (0: leaving the box)
        QTest::addColumn<QDateTime>("shown");
        const QDateTime before(QDate(1999, 5, 1), QTime(0, 0), Qt::UTC);
        const QDateTime evening(QDate(2026, 12, 3), QTime(17, 59), Qt::UTC);
        QTest::newRow("Enter") << "2026-12-03 17:59" << int(Qt::Key_Return) << evening;
        QTest::newRow("Tab") << "2026-12-03 17:59" << int(Qt::Key_Tab) << evening;
        QTest::newRow("leaving the box") << "2026-12-03 17:59" << 0 << evening;
        QTest::newRow("a slip mended with Backspace") << "2026-12-04\b3 17:59" << int(Qt::Key_Return) << evening;
        QTest::newRow("Escape keeps the value") << "2026-12-03 17:59" << int(Qt::Key_Escape) << before;
        QTest::newRow("no date keeps the value") << "2026-13-03 17:59" << int(Qt::Key_Return) << before;
        QTest::newRow("outside the box's range") << "1700-01-01 00:00" << int(Qt::Key_Return)
                                                 << QDateTime(QDate(1800, 1, 1), QTime(0, 0), Qt::UTC);
    }

    void keysInTheDateBox() {
        // The transits' box: a UTC clock from 1800 to 2399, the whole text
        // selected (as after Ctrl+A or Tab into it).
        QFETCH(QString, keys);
        QFETCH(int, ending);
        QFETCH(QDateTime, shown);
        InLocale in(QStringLiteral("en_GB"));
        QWidget window;
        auto* box = new QDateTimeEdit(&window);
        box->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
        box->setTimeSpec(Qt::UTC);
        box->setDateTimeRange(QDateTime(QDate(1800, 1, 1), QTime(0, 0), Qt::UTC),
                              QDateTime(QDate(2399, 12, 31), QTime(23, 59), Qt::UTC));
        box->setDateTime(QDateTime(QDate(1999, 5, 1), QTime(0, 0), Qt::UTC));
        auto* typing = new WholeDateTyping(box);
        auto* other = new QLineEdit(&window);
        other->move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setFocus();
        box->selectAll();
        for (const QChar key : keys) {
            if (key == QLatin1Char('\b'))
                QTest::keyClick(box, Qt::Key_Backspace);
            else
                QTest::keyClick(box, key.toLatin1());
        }
        QVERIFY(typing->Typing());
        // The keys stand in the box as typed, not spread over its sections.
        QCOMPARE(box->findChild<QLineEdit*>()->text().size(), keys.size() - 2 * keys.count(QLatin1Char('\b')));
        if (ending == 0)
            other->setFocus();
        else
            QTest::keyClick(box, Qt::Key(ending));
        QVERIFY(!typing->Typing());
        QCOMPARE(box->dateTime(), shown);
        QCOMPARE(box->findChild<QLineEdit*>()->text(), shown.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    }
};

QTEST_MAIN(TimesTest)
#include "times_qtest.moc"

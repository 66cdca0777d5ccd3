// The windows in Hindi, Tamil, Telugu and Kannada: the language the program
// starts in, the Language menu switching every open window at once and back
// to English exactly as it was, no control clipping its text in any
// language, and the charts' cells holding each language's names. Run under
// the Noto fonts of the four scripts (tests/gui/fonts/noto.conf).

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "presentation/ChartDiagram.h"
#include "presentation/Glossary.h"
#include "result/ChartPainter.h"
#include "services/LanguageChoice.h"
#include "shell/MDI.h"
#include "tests/gui/Screenshots.h"
#include "tests/gui/shell/OpenWindows.h"

using namespace velmora;
using velmora::testing::Program;
using velmora::testing::Window;

Q_DECLARE_METATYPE(velmora::Language)

namespace {

QString Plain(QString text) { return text.remove(QLatin1Char('&')); }

// The first control of the window whose text does not fit it, or empty.
QString Clipped(const QWidget* window) {
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty()) continue;
        if (button->sizeHint().width() > button->width() || button->sizeHint().height() > button->height())
            return button->objectName() + QStringLiteral(": ") + button->text();
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty()) continue;
        if (label->wordWrap()) {
            // Its lines at its width stand in its height.
            if (label->heightForWidth(label->contentsRect().width()) > label->contentsRect().height())
                return label->objectName() + QStringLiteral(": ") + label->text();
            continue;
        }
        if (label->text().contains(QLatin1Char('\n'))) continue;
        const QFontMetrics metrics(label->font());
        if (metrics.horizontalAdvance(Plain(label->text())) > label->contentsRect().width())
            return label->objectName() + QStringLiteral(": ") + label->text();
    }
    return {};
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
private slots:
    void startsInTheKeptOrTheSystemsLanguage_data() {
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Language>("language");
        QTest::newRow("LANG=hi_IN.UTF-8") << QString() << QStringLiteral("hi_IN.UTF-8") << Language::Hindi;
        QTest::newRow("LANG=ta_IN") << QString() << QStringLiteral("ta_IN") << Language::Tamil;
        QTest::newRow("LANG=de_DE.UTF-8") << QString() << QStringLiteral("de_DE.UTF-8") << Language::English;
        QTest::newRow("nothing set") << QString() << QString() << Language::English;
        QTest::newRow("chosen Kannada under Hindi") << QStringLiteral("kn") << QStringLiteral("hi_IN.UTF-8")
                                                    << Language::Kannada;
        QTest::newRow("chosen English under Telugu") << QStringLiteral("en") << QStringLiteral("te_IN.UTF-8")
                                                     << Language::English;
        QTest::newRow("a kept code no longer known") << QStringLiteral("xx") << QStringLiteral("te_IN")
                                                     << Language::Telugu;
    }
    void startsInTheKeptOrTheSystemsLanguage() {
        QFETCH(QString, kept);
        QFETCH(QString, locale);
        QFETCH(Language, language);
        QCOMPARE(StartingLanguage(kept, locale), language);
    }

    void theSystemsMessagesLocaleIsPosixs() {
        const struct {
            const char *all, *messages, *lang, *locale;
        } cases[] = {
            {"", "", "hi_IN.UTF-8", "hi_IN.UTF-8"},
            {"", "ta_IN.UTF-8", "hi_IN.UTF-8", "ta_IN.UTF-8"},
            {"kn_IN", "ta_IN.UTF-8", "hi_IN.UTF-8", "kn_IN"},
        };
        for (const auto& c : cases) {
            qputenv("LC_ALL", c.all);
            qputenv("LC_MESSAGES", c.messages);
            qputenv("LANG", c.lang);
            QCOMPARE(SystemMessagesLocale(), QString::fromUtf8(c.locale));
        }
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
        qunsetenv("LANG");
    }

    void theLanguageChosenRetitlesTheOpenWindows_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("file");    // the main window's File menu
        QTest::addColumn<QString>("dashas");  // the dasha page's title, before the name
        QTest::addColumn<QString>("back");    // the Back button
        QTest::newRow("hi") << Language::Hindi << QStringLiteral("फ़ाइल(&F)") << QStringLiteral("दशाएँ - ")
                            << QStringLiteral("पीछे(&B)");
        QTest::newRow("ta") << Language::Tamil << QStringLiteral("கோப்பு(&F)") << QStringLiteral("தசைகள் - ")
                            << QStringLiteral("பின்செல்(&B)");
        QTest::newRow("te") << Language::Telugu << QStringLiteral("ఫైల్(&F)") << QStringLiteral("దశలు - ")
                            << QStringLiteral("వెనుకకు(&B)");
        QTest::newRow("kn") << Language::Kannada << QStringLiteral("ಕಡತ(&F)") << QStringLiteral("ದಶೆಗಳು - ")
                            << QStringLiteral("ಹಿಂದೆ(&B)");
    }
    void theLanguageChosenRetitlesTheOpenWindows() {
        QFETCH(Language, language);
        QFETCH(QString, file);
        QFETCH(QString, dashas);
        QFETCH(QString, back);
        LanguageChoice choice(Language::English);
        Program program;
        QWidget* page = program.Open(Window::Dashas);
        MDI* main = program.shell.MainWindow();
        auto* fileMenu = main->findChild<QMenu*>(QStringLiteral("mnuFile"));
        const QString englishTitle = page->windowTitle();
        QVERIFY(englishTitle.startsWith(QStringLiteral("Dashas - ")));
        QCOMPARE(fileMenu->title(), QStringLiteral("&File"));

        choice.Choose(language);
        QCOMPARE(LanguageChoice::Current(), language);
        QCOMPARE(fileMenu->title(), file);
        QVERIFY2(page->windowTitle().startsWith(dashas), qPrintable(page->windowTitle()));
        QCOMPARE(main->cmdBack->text(), back);
        const QString code = QString::fromUtf8(InfoOf(language).code.data(), static_cast<qsizetype>(InfoOf(language).code.size()));
        QVERIFY(main->findChild<QAction*>(QStringLiteral("mnuLanguage_") + code)->isChecked());
        // The input form, behind the main window, follows too.
        QCOMPARE(program.shell.InputForm()->findChild<QMenu*>(QStringLiteral("mnuHelp"))->title(),
                 main->findChild<QMenu*>(QStringLiteral("mnuHelp"))->title());
        QVERIFY(main->findChild<QMenu*>(QStringLiteral("mnuHelp"))->title() != QStringLiteral("&Help"));

        choice.Choose(Language::English);
        QCOMPARE(page->windowTitle(), englishTitle);
        QCOMPARE(fileMenu->title(), QStringLiteral("&File"));
        QCOMPARE(main->cmdBack->text(), QStringLiteral("&Back"));
        QCOMPARE(main->windowTitle(), QStringLiteral("Velmora v1.25"));
    }

    void theLanguageMenuChoosesForTheProgram() {
        LanguageChoice choice(Language::English);
        Program program;
        program.Open(Window::Main);
        MDI* main = program.shell.MainWindow();
        QSignalSpy changed(&choice, &LanguageChoice::Changed);
        main->findChild<QAction*>(QStringLiteral("mnuLanguage_te"))->trigger();
        QCOMPARE(choice.Chosen(), Language::Telugu);
        QCOMPARE(changed.count(), 1);
        main->findChild<QAction*>(QStringLiteral("mnuLanguage_en"))->trigger();
        QCOMPARE(choice.Chosen(), Language::English);
        QCOMPARE(changed.count(), 2);
    }

    void noControlClipsItsTextInAnyLanguage() {
        LanguageChoice choice(Language::English);
        Program program;
        program.Open(Window::Main, true);
        MDI* main = program.shell.MainWindow();
        for (const LanguageInfo& info : kLanguages) {
            choice.Choose(info.language);
            QCoreApplication::processEvents();
            const QString clipped = Clipped(main);
            // The strips stand above the frame's area, which covers none of them.
            QVERIFY2(main->picCommands->geometry().bottom() < main->area->geometry().top(), info.code.data());
            QVERIFY2(clipped.isEmpty(), qPrintable(QString::fromUtf8(info.code.data(), 2) + QStringLiteral(": ") + clipped));
            // The menu bar's titles all stand in the window.
            QVERIFY2(main->menuBar()->sizeHint().width() <= main->width(), info.code.data());
            velmora::testing::SaveScreenshot(main->grab(),
                                             QStringLiteral("main-") + QLatin1String(info.code.data(), 2));
        }
    }

    // The PDF of each language writes the chart's names in the script's Noto
    // font, embedded. A sign's short name written with plain letters (no
    // vowel sign, which the PDF's text layer gives back out of order) is
    // read back from the file: Capricorn's (मकर, மக, మకర, ಮಕರ, glossary).
    void thePdfShowsTheScriptInItsNotoFont_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("font");
        QTest::newRow("hi") << Language::Hindi << QStringLiteral("मकर") << QStringLiteral("NotoSansDevanagari");
        QTest::newRow("ta") << Language::Tamil << QStringLiteral("மக") << QStringLiteral("NotoSansTamil");
        QTest::newRow("te") << Language::Telugu << QStringLiteral("మకర") << QStringLiteral("NotoSansTelugu");
        QTest::newRow("kn") << Language::Kannada << QStringLiteral("ಮಕರ") << QStringLiteral("NotoSansKannada");
    }
    void thePdfShowsTheScriptInItsNotoFont() {
        QFETCH(Language, language);
        QFETCH(QString, sign);
        QFETCH(QString, font);
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        const QString pdffonts = QStandardPaths::findExecutable(QStringLiteral("pdffonts"));
        if (pdftotext.isEmpty() || pdffonts.isEmpty()) QSKIP("pdftotext and pdffonts (poppler-utils) are not installed");
        LanguageChoice choice(language);
        Program program;
        program.Open(Window::Main);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
        program.captured.files.answers = {pdf};
        program.shell.MainWindow()->findChild<QAction*>(QStringLiteral("mnuExportPdf"))->trigger();
        QVERIFY(program.captured.messenger.shown.empty());
        const auto run = [](const QString& tool, const QStringList& arguments) {
            QProcess process;
            process.start(tool, arguments);
            process.waitForFinished(60000);
            return QString::fromUtf8(process.readAllStandardOutput());
        };
        const QString text = run(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        QVERIFY2(text.contains(sign), qPrintable(text.left(400)));
        QVERIFY2(run(pdffonts, {pdf}).contains(font), qPrintable(run(pdffonts, {pdf})));
    }

    // Every house holding the ten bodies retrograde, under their longest
    // names: each language's cells take text no smaller than three quarters
    // of the English, at the designed size of the result form's chart.
    void theCellsHoldEachLanguagesNames() {
        PlacedPoints points;
        for (int body = 0; body < kBodyCount; ++body) {
            points.signs[static_cast<std::size_t>(body)] = body;
            points.retrograde[static_cast<std::size_t>(body)] = body < 9;
        }
        const ChartDiagram diagram = MakeChartDiagram(points);
        const QRectF area(0, 0, 360, 360);
        for (const ChartStyle style : {ChartStyle::South, ChartStyle::North}) {
            for (const bool shortLabels : {false, true}) {
                ChartPaint how;
                how.style = style;
                how.shortLabels = shortLabels;
                LanguageChoice english(Language::English);
                const double englishPixels = ChartTextPixels(diagram, how, area);
                for (const LanguageInfo& info : kLanguages) {
                    LanguageChoice choice(info.language);
                    const double pixels = ChartTextPixels(diagram, how, area);
                    QVERIFY2(pixels >= 0.75 * englishPixels,
                             qPrintable(QStringLiteral("%1: %2 px against English %3 px")
                                            .arg(QLatin1String(info.code.data(), 2))
                                            .arg(pixels)
                                            .arg(englishPixels)));
                }
            }
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_qtest.moc"

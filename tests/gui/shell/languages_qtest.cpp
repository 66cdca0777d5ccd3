// The windows in Hindi, Tamil, Telugu and Kannada: the language the program
// starts in, the Language menu switching every open window at once and back
// to English exactly as it was, no control clipping its text in any
// language, and the charts' cells holding each language's names; every
// window and page written in the language, its dates in the language's month
// names and, when chosen, its digits. Run under the Noto fonts of the four
// scripts (tests/gui/fonts/noto.conf).

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QTableWidget>
#include <QTextEdit>
#include <QLabel>
#include <QMenu>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "presentation/ChartDiagram.h"
#include "engine/NameTables.h"
#include "presentation/Glossary.h"
#include "result/ChartPainter.h"
#include "result/ChartView.h"
#include "result/PrintDocument.h"
#include "result/frmDisplay.h"
#include "services/LanguageChoice.h"
#include "services/Messenger.h"
#include "services/SystemMonthNames.h"
#include "shell/MDI.h"
#include "widgets/LocaleTimes.h"
#include "tests/gui/Screenshots.h"
#include "tests/gui/shell/OpenWindows.h"

using namespace velmora;
using velmora::testing::Program;
using velmora::testing::Window;

Q_DECLARE_METATYPE(velmora::Language)
Q_DECLARE_METATYPE(velmora::testing::Window)

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
    // A table's cell cut (with an ellipsis, or plainly where the table wraps
    // instead): its text, wrapped at its column's width where the table
    // wraps, wider than the column or taller than the row.
    for (const QTableWidget* table : window->findChildren<QTableWidget*>()) {
        if (!table->isVisibleTo(window)) continue;
        const int margins = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column) {
                const QTableWidgetItem* item = table->item(row, column);
                if (!item || item->text().isEmpty()) continue;
                // The view's font, unless the item has one of its own.
                const QFontMetrics metrics(item->data(Qt::FontRole).isValid() ? item->font() : table->font());
                const int width = table->columnWidth(column) - margins;
                const QRect needed = metrics.boundingRect(QRect(0, 0, width, 1 << 20),
                                                          Qt::AlignLeft | (table->wordWrap() ? Qt::TextWordWrap : 0),
                                                          item->text());
                if (needed.width() > width || needed.height() > table->rowHeight(row))
                    return table->objectName() + QStringLiteral(": ") + item->text();
            }
    }
    return {};
}

// Each language's script, as the Unicode Standard's blocks lay them out
// (Blocks.txt: Devanagari 0900..097F, Tamil 0B80..0BFF, Telugu 0C00..0C7F,
// Kannada 0C80..0CFF).
struct Script {
    Language language;
    char16_t first, last;
    char16_t zero;  // the block's digit zero, nine more following it
};
constexpr Script kScripts[] = {
    {Language::Hindi, 0x0900, 0x097F, 0x0966},
    {Language::Tamil, 0x0B80, 0x0BFF, 0x0BE6},
    {Language::Telugu, 0x0C00, 0x0C7F, 0x0C66},
    {Language::Kannada, 0x0C80, 0x0CFF, 0x0CE6},
};

const Script& ScriptOf(Language language) {
    for (const Script& script : kScripts)
        if (script.language == language) return script;
    qFatal("no script for the language");
}

bool InScript(const QString& text, Language language) {
    const Script& script = ScriptOf(language);
    return std::any_of(text.begin(), text.end(),
                       [&](QChar c) { return c.unicode() >= script.first && c.unicode() <= script.last; });
}

bool HasLatinLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80 && c.isLetter(); });
}

QString CodeOf(Language language) {
    const std::string_view code = InfoOf(language).code;
    return QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size()));
}

// The texts the window writes itself: its buttons', its frames' titles and
// the captions of its controls (labels with a buddy), each with the text it
// shows now. A frame titled with a chart's own name (a varga's) is left out:
// the chart's terms follow the glossary.
std::vector<std::pair<QPointer<QObject>, QString>> OwnTexts(const QWidget* window) {
    std::vector<std::pair<QPointer<QObject>, QString>> texts;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (!button->text().isEmpty()) texts.emplace_back(button, button->text());
    for (QGroupBox* box : window->findChildren<QGroupBox*>())
        if (!box->title().isEmpty() && box->objectName() != QLatin1String("fraChart"))
            texts.emplace_back(box, box->title());
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() && !label->text().isEmpty()) texts.emplace_back(label, label->text());
    return texts;
}

QString TextNow(QObject* object) {
    if (auto* button = qobject_cast<QAbstractButton*>(object)) return button->text();
    if (auto* box = qobject_cast<QGroupBox*>(object)) return box->title();
    if (auto* label = qobject_cast<QLabel*>(object)) return label->text();
    return {};
}

// The windows laid out anew after a change of texts, as the event loop does
// before the person sees them: a layout's request can post another.
void Settle() {
    for (int round = 0; round < 4; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
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

    // The input form in each language: the introduction names the button as
    // the button itself is written, and the month list takes the language's
    // month names (CLDR 42, gregorian wide format: March is मार्च, மார்ச்,
    // మార్చి, ಮಾರ್ಚ್); back in English, the form's own names.
    void theInputFormSpeaksTheLanguage_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("march");
        QTest::newRow("hi") << Language::Hindi << QStringLiteral("मार्च");
        QTest::newRow("ta") << Language::Tamil << QStringLiteral("மார்ச்");
        QTest::newRow("te") << Language::Telugu << QStringLiteral("మార్చి");
        QTest::newRow("kn") << Language::Kannada << QStringLiteral("ಮಾರ್ಚ್");
    }
    void theInputFormSpeaksTheLanguage() {
        QFETCH(Language, language);
        QFETCH(QString, march);
        LanguageChoice choice(Language::English);
        Program program;
        QWidget* form = program.shell.InputForm();
        auto* month = form->findChild<QComboBox*>(QStringLiteral("cboMonth"));
        auto* intro = form->findChild<QLabel*>(QStringLiteral("lblDescription"));
        auto* analyze = form->findChild<QPushButton*>(QStringLiteral("cmdRashi"));
        QVERIFY(month && intro && analyze);
        const int chosen = month->currentIndex();
        choice.Choose(language);
        QCOMPARE(month->itemText(2), march);
        QCOMPARE(month->currentIndex(), chosen);
        const QString button = QString(analyze->text()).remove(QRegularExpression(QStringLiteral("\\(&.\\)|&")));
        QVERIFY2(intro->text().contains(QLatin1Char('"') + button + QLatin1Char('"')), qPrintable(intro->text()));
        QVERIFY2(!HasLatinLetter(QString(intro->text()).remove(QStringLiteral("Velmora"))), qPrintable(intro->text()));
        choice.Choose(Language::English);
        QCOMPARE(month->itemText(2), QStringLiteral("March"));
        QVERIFY(intro->text().contains(QStringLiteral("\"Analyze My Graha Arudha\"")));
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

    // Every window and page, opened in English and switched to each
    // language: each text it writes itself is in the language's script (none
    // left in English), no control clips its text, and back in English every
    // text is as it was.
    void everyWindowSpeaksTheLanguageAndClipsNothing_data() {
        QTest::addColumn<Window>("window");
        QTest::newRow("input form") << Window::Input;
        QTest::newRow("result form") << Window::Main;
        QTest::newRow("nakshatras, dasha, navamsa") << Window::Vargas;
        QTest::newRow("about") << Window::About;
        QTest::newRow("chart options") << Window::ChartOptions;
        QTest::newRow("shodasavarga") << Window::Shodasavarga;
        QTest::newRow("bhavas") << Window::Bhavas;
        QTest::newRow("dashas") << Window::Dashas;
        QTest::newRow("ashtakavarga") << Window::Ashtakavarga;
        QTest::newRow("panchanga") << Window::Panchanga;
        QTest::newRow("transits") << Window::Transits;
        QTest::newRow("match") << Window::Match;
        QTest::newRow("birth time") << Window::BirthTime;
        QTest::newRow("positions") << Window::Positions;
        QTest::newRow("jaimini") << Window::Jaimini;
        QTest::newRow("strengths") << Window::Strengths;
        QTest::newRow("yogas") << Window::Yogas;
    }
    void everyWindowSpeaksTheLanguageAndClipsNothing() {
        QFETCH(Window, window);
        LanguageChoice choice(Language::English);
        Program program;
        QWidget* shown = program.Open(window);
        QVERIFY(shown);
        QWidget* top = shown->window();
        top->show();
        Settle();
        const auto english = OwnTexts(top);
        const QString englishTitle = top->windowTitle();
        for (const Script& script : kScripts) {
            choice.Choose(script.language);
            Settle();
            const QString code = CodeOf(script.language);
            // A page's title (the program's own title names the program).
            if (!englishTitle.startsWith(QStringLiteral("Velmora")))
                QVERIFY2(InScript(top->windowTitle(), script.language), qPrintable(code + QStringLiteral(": ") + top->windowTitle()));
            for (const auto& [object, text] : english) {
                if (!object || !HasLatinLetter(text)) continue;
                const QString now = TextNow(object);
                QVERIFY2(InScript(now, script.language),
                         qPrintable(code + QStringLiteral(": ") + object->objectName() + QStringLiteral(" still \"") +
                                    now + QLatin1Char('"')));
            }
            const QString clipped = Clipped(top);
            QVERIFY2(clipped.isEmpty(), qPrintable(code + QStringLiteral(": ") + clipped));
            velmora::testing::SaveScreenshot(top->grab(), top->objectName() + QLatin1Char('-') + code);
        }
        choice.Choose(Language::English);
        Settle();
        QCOMPARE(top->windowTitle(), englishTitle);
        for (const auto& [object, text] : english)
            if (object) QCOMPARE(TextNow(object), text);
    }

    // The result form opened in a language writes its positions there from
    // the start: the rows' names and the signs in the values by the
    // glossary (PyJHora's lists), the chart's signs described alike; in
    // English the values keep the engine's three-letter signs ("Sag").
    void theResultFormsPositionsAreInTheLanguage() {
        for (const LanguageInfo& info : kLanguages) {
            const QString code = CodeOf(info.language);
            LanguageChoice choice(info.language);
            Program program;
            QWidget* shown = program.Open(Window::Main);
            QVERIFY(shown);
            auto* form = shown->window()->findChild<frmDisplay*>();
            QVERIFY(form);
            const Glossary& glossary = GlossaryOf(info.language);
            for (int i = 0; i < kBodyCount; ++i) {
                const std::string_view name = PositionRowCaption(glossary, i);
                QCOMPARE(form->PlanetName[static_cast<std::size_t>(i)]->text(),
                         QString::fromUtf8(name.data(), qsizetype(name.size())));
                const QString value = form->planet[static_cast<std::size_t>(i)]->text();
                bool englishSign = false;
                for (std::string_view sign : kSignNames)
                    englishSign = englishSign || value.contains(QLatin1String(sign.data(), qsizetype(sign.size())));
                QVERIFY2(englishSign == (info.language == Language::English), qPrintable(code + QStringLiteral(": ") + value));
            }
            for (int k = 0; k < kSignCount; ++k) {
                const std::string_view sign = glossary.signs[static_cast<std::size_t>(k)];
                QCOMPARE(form->signLabels[static_cast<std::size_t>(k)]->accessibleDescription(),
                         QString::fromUtf8(sign.data(), qsizetype(sign.size())));
            }
        }
    }

    // The report's rules stay in English: in another language a note above
    // the report says so, and in English the report is as it always was.
    void theReportSaysItIsInEnglish() {
        LanguageChoice choice(Language::English);
        Program program;
        program.Open(Window::Main);
        frmDisplay* display = program.shell.MainWindow()->Display();
        const QString english = display->RTB->toPlainText();
        QVERIFY(!english.isEmpty());
        for (const Script& script : kScripts) {
            choice.Choose(script.language);
            const QString shown = display->RTB->toPlainText();
            const QString note = frmDisplay::ReportInEnglishNote();
            QVERIFY(InScript(note, script.language));
            QVERIFY2(shown.startsWith(note + QChar::ParagraphSeparator) || shown.startsWith(note + QLatin1Char('\n')),
                     qPrintable(shown.left(120)));
            QVERIFY(shown.endsWith(english));  // the rules themselves untouched
        }
        choice.Choose(Language::English);
        QCOMPARE(display->RTB->toPlainText(), english);
    }

    // The months of the dates the windows write, in each language, as the
    // Unicode CLDR writes them (common/main/hi.xml, ta.xml, te.xml, kn.xml:
    // the Gregorian calendar's months, format, wide; January and March).
    void datesAreWrittenInTheLanguagesMonthNames_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("january");
        QTest::addColumn<QString>("march");
        QTest::newRow("hi") << Language::Hindi << QStringLiteral("जनवरी") << QStringLiteral("मार्च");
        QTest::newRow("ta") << Language::Tamil << QStringLiteral("ஜனவரி") << QStringLiteral("மார்ச்");
        QTest::newRow("te") << Language::Telugu << QStringLiteral("జనవరి") << QStringLiteral("మార్చి");
        QTest::newRow("kn") << Language::Kannada << QStringLiteral("ಜನವರಿ") << QStringLiteral("ಮಾರ್ಚ್");
    }
    void datesAreWrittenInTheLanguagesMonthNames() {
        QFETCH(Language, language);
        QFETCH(QString, january);
        QFETCH(QString, march);
        const MonthNames system = SystemMonthNames();
        LanguageChoice choice(Language::English);
        Program program;
        program.Open(Window::Main);
        frmDisplay* display = program.shell.MainWindow()->Display();
        const QString englishDate = display->lblDOB->text();
        QVERIFY(englishDate.startsWith(QString::fromStdString(system[2]) + QLatin1Char('/')));  // the sample: March

        choice.Choose(language);
        const MonthNames months = SystemMonthNames();
        QCOMPARE(QString::fromStdString(months[0]), january);
        QCOMPARE(QString::fromStdString(months[2]), march);
        // The result form's date of birth, and the dates of the pages and the print.
        QVERIFY2(display->lblDOB->text().startsWith(march + QLatin1Char('/')), qPrintable(display->lblDOB->text()));
        QVERIFY(LocaleDate(CivilMoment{1980, 3, 5, 0, 0}).contains(QStringLiteral("1980")));
        QVERIFY2(InScript(LocaleDate(CivilMoment{1980, 3, 5, 0, 0}), language),
                 qPrintable(LocaleDate(CivilMoment{1980, 3, 5, 0, 0})));
        const PrintDocument print(display->ShownChart(), months);
        QVERIFY2(print.HeaderText().contains(march), qPrintable(print.HeaderText()));

        // English again: the system's month names, the date as before.
        choice.Choose(Language::English);
        QCOMPARE(display->lblDOB->text(), englishDate);
        QCOMPARE(SystemMonthNames(), system);
    }

    // Native digits: each language's own, from the Unicode Standard's code
    // charts (Devanagari U+0966..096F, Tamil U+0BE6..0BEF, Telugu
    // U+0C66..0C6F, Kannada U+0CE6..0CEF); English keeps Western digits.
    void nativeDigitsAreTheScriptsOwn_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("written");
        QTest::newRow("hi") << Language::Hindi << QStringLiteral("१६ ०९ १९८०");
        QTest::newRow("ta") << Language::Tamil << QStringLiteral("௧௬ ௦௯ ௧௯௮௦");
        QTest::newRow("te") << Language::Telugu << QStringLiteral("౧౬ ౦౯ ౧౯౮౦");
        QTest::newRow("kn") << Language::Kannada << QStringLiteral("೧೬ ೦೯ ೧೯೮೦");
        QTest::newRow("en") << Language::English << QStringLiteral("16 09 1980");
    }
    void nativeDigitsAreTheScriptsOwn() {
        QFETCH(Language, language);
        QFETCH(QString, written);
        const QString western = QStringLiteral("16 09 1980");
        QCOMPARE(DigitsOf(language, true, western), written);
        QCOMPARE(DigitsOf(language, false, western), western);  // the default: Western Arabic
    }

    // The Native digits choice of the Language menu: applied at once to the
    // open windows, undone at once, and Western digits by default.
    void theNativeDigitsChoiceAppliesAtOnce() {
        LanguageChoice choice(Language::Hindi);
        Program program;
        program.Open(Window::Main);
        MDI* main = program.shell.MainWindow();
        frmDisplay* display = main->Display();
        const QString western = display->lblDOB->text();
        QVERIFY(western.contains(QStringLiteral("1980")));  // Western digits by default
        QAction* digits = main->findChild<QAction*>(QStringLiteral("mnuNativeDigits"));
        QVERIFY(digits && digits->isCheckable() && !digits->isChecked());
        QSignalSpy chosen(&choice, &LanguageChoice::NativeDigitsChanged);
        digits->trigger();
        QCOMPARE(chosen.count(), 1);
        QVERIFY(choice.NativeDigits());
        const QString native = display->lblDOB->text();
        QVERIFY2(native.contains(QStringLiteral("१९८०")) && !native.contains(QLatin1Char('1')), qPrintable(native));
        QVERIFY(!display->Hno[0]->text().contains(QLatin1Char('1')));
        QVERIFY(LocaleDate(CivilMoment{1980, 3, 5, 0, 0}).contains(QStringLiteral("१९८०")));
        digits->trigger();
        QVERIFY(!choice.NativeDigits());
        QCOMPARE(display->lblDOB->text(), western);
        // English writes Western digits whatever the choice.
        choice.ChooseNativeDigits(true);
        choice.Choose(Language::English);
        QVERIFY(display->lblDOB->text().contains(QStringLiteral("1980")));
    }

    // A page's table filled from the chart follows the choice too: the
    // numbers of its cells in the language's digits, none Western left
    // (the panchanga's moments, the bhavas' cusps, the karakas' degrees,
    // the argala's houses).
    void aPagesTableFollowsTheNativeDigits_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("language");
        QTest::newRow("panchanga, ta") << Window::Panchanga << "tblPanchanga" << 1 << int(Language::Tamil);
        QTest::newRow("bhava cusps, hi") << Window::Bhavas << "tblCusps" << 1 << int(Language::Hindi);
        QTest::newRow("karakas, te") << Window::Jaimini << "tblKarakas" << 2 << int(Language::Telugu);
        QTest::newRow("argala, kn") << Window::Jaimini << "tblArgala" << 2 << int(Language::Kannada);
    }
    void aPagesTableFollowsTheNativeDigits() {
        QFETCH(Window, window);
        QFETCH(QString, table);
        QFETCH(int, column);
        QFETCH(int, language);
        LanguageChoice choice(static_cast<Language>(language));
        Program program;
        auto* cellsOf = qobject_cast<QTableWidget*>(program.Open(window)->findChild<QTableWidget*>(table));
        QVERIFY(cellsOf && cellsOf->rowCount() > 0);
        const auto cells = [cellsOf, column] {
            QString all;
            for (int r = 0; r < cellsOf->rowCount(); ++r)
                if (const QTableWidgetItem* item = cellsOf->item(r, column)) all += item->text() + QLatin1Char('\n');
            return all;
        };
        const QString western = cells();
        QVERIFY2(std::any_of(western.begin(), western.end(), [](QChar c) { return c.isDigit() && c.unicode() < 0x80; }),
                 qPrintable(western));
        choice.ChooseNativeDigits(true);
        const QString native = cells();
        QVERIFY2(std::none_of(native.begin(), native.end(), [](QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }),
                 qPrintable(native));
        const char16_t zero = ScriptOf(static_cast<Language>(language)).zero;
        QVERIFY2(std::any_of(native.begin(), native.end(), [zero](QChar c) { return c.unicode() >= zero && c.unicode() <= zero + 9; }),
                 qPrintable(native));
        choice.ChooseNativeDigits(false);
        QCOMPARE(cells(), western);
    }

    // The messages the birth data's checks give in English are shown in the
    // language; a text the box does not know (a file's name) as it is.
    void checkMessagesAreShownInTheLanguage() {
        for (const Script& script : kScripts) {
            LanguageChoice choice(script.language);
            QVERIFY(InScript(MessageInLanguage(QStringLiteral("Please Enter Name")), script.language));
            QVERIFY(InScript(MessageInLanguage(QStringLiteral("Please Enter Correct Date Or Month!")), script.language));
            QCOMPARE(MessageInLanguage(QStringLiteral("/tmp/x.velmora")), QStringLiteral("/tmp/x.velmora"));
        }
        LanguageChoice english(Language::English);
        QCOMPARE(MessageInLanguage(QStringLiteral("Please Enter Name")), QStringLiteral("Please Enter Name"));
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
        // The document's title, in its information dictionary, in the language.
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        if (!pdfinfo.isEmpty()) {
            const QString info = run(pdfinfo, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf});
            QString title;
            for (const QString& line : info.split(QLatin1Char('\n')))
                if (line.startsWith(QStringLiteral("Title:"))) title = line;
            QVERIFY2(title.startsWith(QStringLiteral("Title:")) && InScript(title, language), qPrintable(info.left(200)));
            QVERIFY(!title.contains(QStringLiteral("Velmora chart of")));
        }
    }

    // The Jaimini page's karakas and argalas and the Bhavas page's heading
    // in the language chosen (the karakas' names the phrase table's,
    // unreviewed), and in English again as before.
    void theJaiminiAndBhavasTextsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("atmakaraka");
        QTest::addColumn<QString>("bhavas");
        QTest::newRow("hi") << int(Language::Hindi) << QStringLiteral("(आत्मकारक)") << QStringLiteral("भाव: ");
        QTest::newRow("ta") << int(Language::Tamil) << QStringLiteral("(ஆத்மகாரகன்)") << QStringLiteral("பாவங்கள்: ");
        QTest::newRow("te") << int(Language::Telugu) << QStringLiteral("(ఆత్మకారకుడు)") << QStringLiteral("భావాలు: ");
        QTest::newRow("kn") << int(Language::Kannada) << QStringLiteral("(ಆತ್ಮಕಾರಕ)") << QStringLiteral("ಭಾವಗಳು: ");
    }
    void theJaiminiAndBhavasTextsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, atmakaraka);
        QFETCH(QString, bhavas);
        LanguageChoice choice(Language::English);
        Program program;
        QWidget* jaimini = program.Open(Window::Jaimini);
        auto* karakas = jaimini->findChild<QTableWidget*>(QStringLiteral("tblKarakas"));
        auto* argala = jaimini->findChild<QTableWidget*>(QStringLiteral("tblArgala"));
        auto* summary = program.Open(Window::Bhavas)->findChild<QLabel*>(QStringLiteral("lblSummary"));
        QVERIFY(karakas && argala && summary && karakas->rowCount() > 0 && argala->rowCount() == 12);
        const QString englishKaraka = karakas->item(0, 0)->text(), englishSummary = summary->text();
        const QString englishPlanet = karakas->item(0, 1)->text();
        QVERIFY2(englishKaraka.endsWith(QStringLiteral("(Atmakaraka)")), qPrintable(englishKaraka));
        QVERIFY2(englishSummary.startsWith(QStringLiteral("Bhavas: ")), qPrintable(englishSummary));
        QStringList englishArgala;
        for (int row = 0; row < 12; ++row) englishArgala << argala->item(row, 2)->text();
        choice.Choose(static_cast<Language>(language));
        QVERIFY2(karakas->item(0, 0)->text().endsWith(atmakaraka), qPrintable(karakas->item(0, 0)->text()));
        // Each karaka's planet the glossary's.
        for (int row = 0; row < karakas->rowCount(); ++row)
            QVERIFY2(InScript(karakas->item(row, 1)->text(), static_cast<Language>(language)) &&
                         !HasLatinLetter(karakas->item(row, 1)->text()),
                     qPrintable(karakas->item(row, 1)->text()));
        QVERIFY2(summary->text().startsWith(bhavas), qPrintable(summary->text()));
        // Each point's house: the point and its sign the glossary's.
        auto* points = program.Open(Window::Bhavas)->findChild<QTableWidget*>(QStringLiteral("tblBhavas"));
        QVERIFY(points && points->rowCount() == kBodyCount);
        for (int row = 0; row < kBodyCount; ++row)
            for (int column : {0, 1})
                QVERIFY2(InScript(points->item(row, column)->text(), static_cast<Language>(language)),
                         qPrintable(points->item(row, column)->text()));
        for (int row = 0; row < 12; ++row)
            QVERIFY2(InScript(argala->item(row, 2)->text(), static_cast<Language>(language)) &&
                         !HasLatinLetter(argala->item(row, 2)->text()),
                     qPrintable(argala->item(row, 2)->text()));
        choice.Choose(Language::English);
        QCOMPARE(karakas->item(0, 0)->text(), englishKaraka);
        QCOMPARE(karakas->item(0, 1)->text(), englishPlanet);
        QCOMPARE(summary->text(), englishSummary);
        for (int row = 0; row < 12; ++row) QCOMPARE(argala->item(row, 2)->text(), englishArgala[row]);
    }

    // The Match page: the kootas under the glossary's names (the Sanskrit
    // forms, docs/glossary.md, unreviewed), their reasons, the Nadi and
    // Bhakoot lines and the Mars dosha's lines in the language with no
    // English word left, and in English again as before.
    void theMatchPageSpeaksTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("maitri");  // the fifth koota
        QTest::newRow("hi") << int(Language::Hindi) << QStringLiteral("ग्रह मैत्री");
        QTest::newRow("ta") << int(Language::Tamil) << QStringLiteral("கிரக மைத்ரம்");
        QTest::newRow("te") << int(Language::Telugu) << QStringLiteral("గ్రహమైత్రి");
        QTest::newRow("kn") << int(Language::Kannada) << QStringLiteral("ಗ್ರಹಮೈತ್ರಿ");
    }
    void theMatchPageSpeaksTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, maitri);
        LanguageChoice choice(Language::English);
        Program program;
        QWidget* page = program.Open(Window::Match);
        QVERIFY(page);
        auto* kootas = page->findChild<QTableWidget*>(QStringLiteral("tblKootas"));
        auto* doshas = page->findChild<QLabel*>(QStringLiteral("lblDoshas"));
        QVERIFY(kootas && doshas);
        const QString englishDoshas = doshas->text();
        QStringList englishReasons;
        for (int row = 0; row < 8; ++row) englishReasons << kootas->item(row, 3)->text();
        QCOMPARE(kootas->item(4, 0)->text(), QStringLiteral("Graha Maitri"));
        choice.Choose(static_cast<Language>(language));
        QCOMPARE(kootas->item(4, 0)->text(), maitri);
        for (int row = 0; row < 8; ++row) {
            const QString reason = kootas->item(row, 3)->text();
            QVERIFY2(InScript(reason, static_cast<Language>(language)) && !HasLatinLetter(reason), qPrintable(reason));
        }
        // The Mars dosha's lines: each chart's summary and three reasons, the pair's.
        const QStringList lines = doshas->text().split(QLatin1Char('\n'));
        QVERIFY(lines.size() >= 9);
        for (const QString& line : lines.mid(lines.size() - 9) + lines.mid(0, 2))
            QVERIFY2(InScript(line, static_cast<Language>(language)) && !HasLatinLetter(line), qPrintable(line));
        choice.Choose(Language::English);
        QCOMPARE(doshas->text(), englishDoshas);
        for (int row = 0; row < 8; ++row) QCOMPARE(kootas->item(row, 3)->text(), englishReasons[row]);
        QCOMPARE(kootas->item(4, 0)->text(), QStringLiteral("Graha Maitri"));
    }

    // What a screen reader says of a chart's houses, in each language: the
    // sign and the bodies by the glossary's names (PyJHora's Hindi list:
    // मेष Aries, बुध Mercury), retrograde and transiting in the language's
    // words, and in English as before.
    void theChartsHousesAreSpokenInTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("house1");
        QTest::newRow("en") << int(Language::English)
                            << QStringLiteral("Aries, house 1: Mercury retrograde, Ascendant, transiting Sun");
        QTest::newRow("hi") << int(Language::Hindi) << QStringLiteral("मेष, भाव 1: बुध वक्री, लग्न, गोचर सूर्य");
    }
    void theChartsHousesAreSpokenInTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, house1);
        PlacedPoints points;
        points.signs.fill(5);
        points.signs[2] = 0;  // Mercury in Aries, retrograde, with the ascendant
        points.signs[9] = 0;
        points.retrograde[2] = true;
        ChartDiagram diagram = MakeChartDiagram(points);
        diagram.cells[0].entries.push_back({.number = 0, .transit = true});  // the transiting Sun beside it
        LanguageChoice choice(static_cast<Language>(language));
        ChartView view(QStringLiteral("chart"), diagram, ChartStyle::South);
        QString spoken = view.HouseSpot(1)->accessibleName();
        QCOMPARE(spoken, house1);
        for (const LanguageInfo& info : kLanguages) {
            LanguageChoice other(info.language);
            view.SetChart(QStringLiteral("chart"), diagram);
            spoken = view.HouseSpot(1)->accessibleName();
            const std::string_view aries = GlossaryOf(info.language).signs[0];
            QVERIFY2(spoken.startsWith(QString::fromUtf8(aries.data(), qsizetype(aries.size()))), qPrintable(spoken));
            const std::string_view mercury = GlossaryOf(info.language).pointNames[2];
            QVERIFY2(spoken.contains(QString::fromUtf8(mercury.data(), qsizetype(mercury.size()))), qPrintable(spoken));
        }
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

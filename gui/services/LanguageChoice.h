#pragma once
// The language the windows speak, one for the whole program: the system's
// (LANG=hi_IN.UTF-8 starts in Hindi) until one is chosen in the Language
// menu, and then the one kept in the preferences. Choosing installs the
// language's translations, built into the program: velmora_<code>.qm, the
// windows' texts, and qtbase_<code>.qm, Qt's own texts of its dialogs and
// buttons, which Debian's Qt translations lack for these languages) and every open window follows at
// once: Qt sends each a LanguageChange, the texts set through
// widgets/Translated are set again, and the charts are drawn anew with the
// glossary of the language.

#include <QLocale>
#include <QObject>
#include <QString>
#include <QTranslator>
#include <memory>
#include <vector>

#include "presentation/Glossary.h"
#include "text/Language.h"

namespace velmora {

class LanguageChoice : public QObject {
    Q_OBJECT
public:
    explicit LanguageChoice(Language language = Language::English, QObject* parent = nullptr);
    ~LanguageChoice() override;

    Language Chosen() const { return language_; }
    // Makes `language` the windows' language; Changed tells when it changed.
    void Choose(Language language);

    // Numbers and dates written in the language's own digits (०१२, ௦௧௨,
    // ౦౧౨, ೦೧೨) instead of the Western Arabic ones the four languages'
    // locales write by default. Applied at once, as a change of language is.
    bool NativeDigits() const { return nativeDigits_; }
    void ChooseNativeDigits(bool native);

    // The language whose translations are installed now (English when none
    // is): what a window reads its chart terms in.
    static Language Current();
    // The choice made last (main's; a test's), which the Language menus
    // make; none before one is made.
    static LanguageChoice* Instance();

    // The locale the windows write dates and numbers in: the system's for
    // English (as before any language was chosen), else the language's
    // (kLanguages: hi_IN, ta_IN, te_IN, kn_IN), whose month names they use.
    static QLocale WindowLocale();

    // True while a choice removes and installs its translators: each sends
    // a LanguageChange of its own, and only the one sent when all are in
    // place (by Choose) is worth setting the windows' texts for.
    static bool Settling();

signals:
    void Changed(velmora::Language language);
    void NativeDigitsChanged(bool native);

private:
    void Install();

    Language language_;
    bool nativeDigits_ = false;
    std::vector<std::unique_ptr<QTranslator>> translators_;
};

// The chart's terms in the windows' language.
inline const Glossary& WindowTerms() { return GlossaryOf(LanguageChoice::Current()); }

// `text` with its Western Arabic digits written in the windows' language's
// own digits when that is chosen (LanguageChoice::NativeDigits), by the
// command line's rule (WithDigits: the digits of an ID such as "D10" stay);
// as it is otherwise, and always in English.
QString ShownDigits(QString text);
// The same for a language and a choice given.
QString DigitsOf(Language language, bool native, QString text);

// The language to start in: the one kept (a code, empty when none was
// chosen), else the system locale's (a POSIX name as LANG gives it).
Language StartingLanguage(const QString& kept, const QString& systemLocale);

// The locale the system's messages are in, as POSIX reads it: LC_ALL, else
// LC_MESSAGES, else LANG (the first of them set and not empty).
QString SystemMessagesLocale();

}  // namespace velmora

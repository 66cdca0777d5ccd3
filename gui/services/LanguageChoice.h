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

#include <QObject>
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

    // The language whose translations are installed now (English when none
    // is): what a window reads its chart terms in.
    static Language Current();
    // The choice made last (main's; a test's), which the Language menus
    // make; none before one is made.
    static LanguageChoice* Instance();

signals:
    void Changed(velmora::Language language);

private:
    void Install();

    Language language_;
    std::vector<std::unique_ptr<QTranslator>> translators_;
};

// The chart's terms in the windows' language.
inline const Glossary& WindowTerms() { return GlossaryOf(LanguageChoice::Current()); }

// The language to start in: the one kept (a code, empty when none was
// chosen), else the system locale's (a POSIX name as LANG gives it).
Language StartingLanguage(const QString& kept, const QString& systemLocale);

// The locale the system's messages are in, as POSIX reads it: LC_ALL, else
// LC_MESSAGES, else LANG (the first of them set and not empty).
QString SystemMessagesLocale();

}  // namespace velmora

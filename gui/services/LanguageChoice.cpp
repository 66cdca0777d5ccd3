#include "services/LanguageChoice.h"

#include <QApplication>

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>

#include "presentation/LocalFormat.h"

namespace velmora {

namespace {

Language installed = Language::English;
bool nativeDigitsShown = false;
bool settling = false;
LanguageChoice* instance = nullptr;

// The locale QLocale() gave before a language was chosen: English goes back to it.
const QLocale& StartingLocale() {
    static const QLocale starting;
    return starting;
}

QLocale LocaleOf(Language language) {
    if (language == Language::English) return StartingLocale();
    const std::string_view name = InfoOf(language).locale;
    return QLocale(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

// The digit zero of each language's script (Unicode blocks Devanagari,
// Tamil, Telugu, Kannada: U+0966, U+0BE6, U+0C66, U+0CE6); nine more follow it.
// The windows' font with the language's script font first, so that its
// letters are shaped by a font that has them; the desktop's font again for
// English. Nothing changes without an application (velmora-cli's tests).
void UseScriptFont(Language language) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    static const QStringList desktop = QGuiApplication::font().families();
    QFont font = QGuiApplication::font();
    QStringList families = desktop;
    if (const std::string_view script = InfoOf(language).fontFamily; !script.empty())
        families.prepend(QString::fromUtf8(script.data(), static_cast<qsizetype>(script.size())));
    if (font.families() == families) return;
    font.setFamilies(families);
    // Through QApplication, every window takes the font at once, before the
    // LanguageChange that refills them: their tables are then sized by the
    // script's font, not the one it replaces.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setFont(font);
    else
        QGuiApplication::setFont(font);
}

}  // namespace

LanguageChoice::LanguageChoice(Language language, QObject* parent) : QObject(parent), language_(language) {
    instance = this;
    Install();
}

LanguageChoice::~LanguageChoice() {
    if (instance == this) instance = nullptr;
    installed = Language::English;
    nativeDigitsShown = false;
    QLocale::setDefault(StartingLocale());
    settling = true;
    for (const auto& translator : translators_) QCoreApplication::removeTranslator(translator.get());
    settling = false;
    if (QCoreApplication* app = QCoreApplication::instance(); app && !translators_.empty()) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(app, &change);
    }
}

void LanguageChoice::ChooseNativeDigits(bool native) {
    if (native == nativeDigits_) return;
    nativeDigits_ = native;
    nativeDigitsShown = native;
    // The windows write their numbers again as they do for a new language.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(app, &change);
    }
    emit NativeDigitsChanged(native);
}

QLocale LanguageChoice::WindowLocale() { return LocaleOf(installed); }

bool LanguageChoice::Settling() { return settling; }

LanguageChoice* LanguageChoice::Instance() { return instance; }

void LanguageChoice::Choose(Language language) {
    if (language == language_) return;
    language_ = language;
    Install();
    emit Changed(language);
}

Language LanguageChoice::Current() { return installed; }

void LanguageChoice::Install() {
    // The current language is set first: removing and installing a
    // translator sends the windows the LanguageChange they redraw on, and
    // one more is sent once every translator is in place.
    installed = language_;
    nativeDigitsShown = nativeDigits_;
    StartingLocale();
    QLocale::setDefault(LocaleOf(language_));
    UseScriptFont(language_);
    settling = true;
    for (const auto& translator : translators_) QCoreApplication::removeTranslator(translator.get());
    translators_.clear();
    if (language_ != Language::English) {
        const std::string_view code = InfoOf(language_).code;
        for (const char* file : {"velmora_", "qtbase_"}) {
            auto translator = std::make_unique<QTranslator>();
            const QString path = QStringLiteral(":/i18n/") + QLatin1String(file) +
                                 QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())) +
                                 QStringLiteral(".qm");
            if (!translator->load(path)) continue;
            QCoreApplication::installTranslator(translator.get());
            translators_.push_back(std::move(translator));
        }
    }
    settling = false;
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(app, &change);
    }
}

QString DigitsOf(Language language, bool native, QString text) {
    if (!native || language == Language::English) return text;
    // The command line's rule, so that both write a number alike: IDs such
    // as "D10" and "A2" keep their digits.
    return QString::fromStdString(WithDigits(text.toStdString(), language, Digits::Native));
}

QString ShownDigits(QString text) { return DigitsOf(installed, nativeDigitsShown, std::move(text)); }

Language StartingLanguage(const QString& kept, const QString& systemLocale) {
    if (const std::optional<Language> language = LanguageOfCode(kept.toStdString())) return *language;
    return LanguageOfLocale(systemLocale.toStdString());
}

QString SystemMessagesLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const QString value = qEnvironmentVariable(variable); !value.isEmpty()) return value;
    return {};
}

}  // namespace velmora

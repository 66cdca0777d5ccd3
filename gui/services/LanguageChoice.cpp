#include "services/LanguageChoice.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>

namespace velmora {

namespace {

Language installed = Language::English;
LanguageChoice* instance = nullptr;

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
    QGuiApplication::setFont(font);
}

}  // namespace

LanguageChoice::LanguageChoice(Language language, QObject* parent) : QObject(parent), language_(language) {
    instance = this;
    Install();
}

LanguageChoice::~LanguageChoice() {
    if (instance == this) instance = nullptr;
    for (const auto& translator : translators_) QCoreApplication::removeTranslator(translator.get());
    installed = Language::English;
}

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
    // translator sends the windows the LanguageChange they redraw on.
    installed = language_;
    UseScriptFont(language_);
    for (const auto& translator : translators_) QCoreApplication::removeTranslator(translator.get());
    translators_.clear();
    if (language_ == Language::English) return;
    const std::string_view code = InfoOf(language_).code;
    for (const char* file : {"velmora_", "qtbase_"}) {
        auto translator = std::make_unique<QTranslator>();
        const QString path = QStringLiteral(":/i18n/") + QLatin1String(file) +
                             QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())) + QStringLiteral(".qm");
        if (!translator->load(path)) continue;
        QCoreApplication::installTranslator(translator.get());
        translators_.push_back(std::move(translator));
    }
}

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

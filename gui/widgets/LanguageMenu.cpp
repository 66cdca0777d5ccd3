#include "widgets/LanguageMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "services/LanguageChoice.h"
#include "widgets/Translated.h"

namespace velmora {

void AddLanguageMenu(QMenuBar* bar) {
    LanguageChoice* choice = LanguageChoice::Instance();
    if (!choice) return;
    QMenu* menu = bar->addMenu(QString());
    Translate(menu, QT_TRANSLATE_NOOP("Velmora", "&Language"));
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(menu);
    for (const LanguageInfo& info : kLanguages) {
        // Each language under its own name, with the English name beside the others.
        QString caption = QString::fromUtf8(info.nativeName.data(), static_cast<qsizetype>(info.nativeName.size()));
        if (info.language != Language::English)
            caption += QStringLiteral(" (") +
                       QString::fromUtf8(info.englishName.data(), static_cast<qsizetype>(info.englishName.size())) +
                       QStringLiteral(")");
        QAction* action = menu->addAction(caption);
        action->setObjectName(QStringLiteral("mnuLanguage_") +
                              QString::fromUtf8(info.code.data(), static_cast<qsizetype>(info.code.size())));
        action->setCheckable(true);
        action->setChecked(choice->Chosen() == info.language);
        group->addAction(action);
        const Language language = info.language;
        QObject::connect(action, &QAction::triggered, choice, [choice, language] { choice->Choose(language); });
        QObject::connect(choice, &LanguageChoice::Changed, action,
                         [action, language](Language chosen) { action->setChecked(chosen == language); });
    }
    menu->addSeparator();
    QAction* digits = menu->addAction(QString());
    Translate(digits, QT_TRANSLATE_NOOP("Velmora", "Native &digits"));
    digits->setObjectName(QStringLiteral("mnuNativeDigits"));
    digits->setCheckable(true);
    digits->setChecked(choice->NativeDigits());
    QObject::connect(digits, &QAction::toggled, choice, [choice](bool native) { choice->ChooseNativeDigits(native); });
    QObject::connect(choice, &LanguageChoice::NativeDigitsChanged, digits,
                     [digits](bool native) { digits->setChecked(native); });
}

}  // namespace velmora

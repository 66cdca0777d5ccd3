#include "widgets/Manual.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "services/Messenger.h"
#include "widgets/ChartPageParts.h"
#include "widgets/ScreenFit.h"
#include "widgets/Translated.h"

namespace velmora {

namespace {

constexpr const char* kInstalled = "/../share/doc/velmora/manual/index.html";
constexpr const char* kBuildTree = "/../manual/index.html";

}  // namespace

QString ManualIndex() {
    QStringList candidates;
    if (const QString dir = qEnvironmentVariable("VELMORA_MANUAL_DIR"); !dir.isEmpty())
        candidates << QDir(dir).filePath(QStringLiteral("index.html"));
    const QString bin = QCoreApplication::applicationDirPath();
    candidates << bin + QLatin1String(kInstalled) << bin + QLatin1String(kBuildTree);
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile()) return QFileInfo(candidate).canonicalFilePath();
    return {};
}

ManualWindow::ManualWindow(const QString& index, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ManualWindow"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Velmora Manual"), TextRole::WindowTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* column = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* back = Translated(new QPushButton(this), QT_TRANSLATE_NOOP("Velmora", "&Back"));
    back->setObjectName(QStringLiteral("cmdBack"));
    auto* forward = Translated(new QPushButton(this), QT_TRANSLATE_NOOP("Velmora", "&Forward"));
    forward->setObjectName(QStringLiteral("cmdForward"));
    auto* home = Translated(new QPushButton(this), QT_TRANSLATE_NOOP("Velmora", "&Contents"));
    home->setObjectName(QStringLiteral("cmdContents"));
    row->addWidget(back);
    row->addWidget(forward);
    row->addWidget(home);
    row->addStretch(1);
    column->addLayout(row);
    browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("browser"));
    Translate(browser, QT_TRANSLATE_NOOP("Velmora", "Manual"), TextRole::AccessibleName);
    browser->setOpenExternalLinks(true);
    browser->setSource(QUrl::fromLocalFile(index));
    column->addWidget(browser, 1);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, browser, &QTextBrowser::home);
    SetPageKeys(this, {back, forward, home, browser});
    browser->setFocus(Qt::OtherFocusReason);
    FitOnScreen(this, QSize(900, 900));
}

void ShowManual(Messenger& messenger, QWidget* over) {
    static QPointer<ManualWindow> shown;
    if (!shown) {
        const QString index = ManualIndex();
        if (index.isEmpty()) {
            messenger.Show(over,
                           Tr(QT_TRANSLATE_NOOP("Velmora", "The manual is not installed: it belongs in %1."))
                               .arg(QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1String(kInstalled))),
                           MessageIcon::Error);
            return;
        }
        shown = new ManualWindow(index);
    }
    shown->show();
    shown->raise();
    shown->activateWindow();
}

}  // namespace velmora

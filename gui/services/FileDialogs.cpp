#include "services/FileDialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>

#include "services/SettingsFile.h"

namespace velmora {

namespace {

const QString kLastFolderKey = QStringLiteral("lastFolder");

QSettings Settings() { return QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")); }

}  // namespace

QString StartingFolder() {
    if (SettingsSetAside().isEmpty()) {
        const QString kept = Settings().value(kLastFolderKey).toString();
        if (!kept.isEmpty() && QFileInfo(kept).isDir()) return kept;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void RememberFolderOf(const QString& path) {
    if (path.isEmpty() || !SettingsSetAside().isEmpty()) return;
    Settings().setValue(kLastFolderKey, QFileInfo(path).absolutePath());
}

QString StartingPath(const QString& suggested) {
    if (QFileInfo(suggested).isAbsolute()) return suggested;
    return QDir(StartingFolder()).filePath(suggested);
}

QString SuggestedFileName(const QString& personName, const QString& suffix) {
    QString name = personName.simplified().toLower();
    for (qsizetype i = 0; i < name.size(); ++i)
        if (i == 0 || name[i - 1] == QLatin1Char(' ')) name[i] = name[i].toUpper();
    if (name.isEmpty()) name = QStringLiteral("Birth");
    return name + suffix;
}

QString AskFileToSave(FileDialogs& files, QWidget* parent, const QString& caption, const QString& personName,
                      const QString& suffix, const QString& filter) {
    QString path = files.SaveFile(parent, caption, SuggestedFileName(personName, suffix), filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += suffix;
    return path;
}

QString QtFileDialogs::OpenFile(QWidget* parent, const QString& caption, const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(parent, caption, StartingFolder(), filter);
    RememberFolderOf(path);
    return path;
}

QString QtFileDialogs::SaveFile(QWidget* parent, const QString& caption, const QString& suggested,
                                const QString& filter) {
    const QString path = QFileDialog::getSaveFileName(parent, caption, StartingPath(suggested), filter);
    RememberFolderOf(path);
    return path;
}

namespace {

void PutPrintFirst(QPrintPreviewDialog& preview) {
    QToolBar* bar = preview.findChild<QToolBar*>();
    if (!bar) return;
    const QList<QAction*> actions = bar->actions();
    for (QAction* action : actions) {
        if (action->shortcut() != QKeySequence(QKeySequence::Print) &&
            action->text().remove(QLatin1Char('&')) != QStringLiteral("Print"))
            continue;
        bar->removeAction(action);
        bar->insertAction(actions.first(), action);
        bar->insertSeparator(actions.first());
        return;
    }
}

void FitPreviewOnScreen(QPrintPreviewDialog& preview, QWidget* parent) {
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // Room for the title bar and borders the desktop adds.
    const QRect available = screen->availableGeometry().adjusted(8, 40, -8, -8);
    const QSize size = QSize(900, 1000).boundedTo(available.size());
    preview.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available));
}

}  // namespace

void PreparePrintPreview(QPrintPreviewDialog& preview, QWidget* parent) {
    preview.setWindowTitle(QCoreApplication::translate("Velmora", "Print Preview - Velmora"));
    // The preview's tool bar is wider than a small screen: what it cannot
    // show goes behind its "»", which must never be Print.
    PutPrintFirst(preview);
    FitPreviewOnScreen(preview, parent);
}

bool QtFileDialogs::PrintWithPreview(QWidget* parent, const std::function<void(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    PreparePrintPreview(preview, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* target) { paint(*target); });
    return preview.exec() == QDialog::Accepted;
}

}  // namespace velmora

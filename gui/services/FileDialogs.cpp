#include "services/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace velmora {

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
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString QtFileDialogs::SaveFile(QWidget* parent, const QString& caption, const QString& suggested,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

bool QtFileDialogs::PrintWithPreview(QWidget* parent, const std::function<void(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Print Preview - Velmora"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* target) { paint(*target); });
    return preview.exec() == QDialog::Accepted;
}

}  // namespace velmora

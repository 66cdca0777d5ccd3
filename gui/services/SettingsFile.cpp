#include "services/SettingsFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include "text/Quoted.h"

namespace velmora {

QString SettingsSetAside() {
    // The files QSettings reads for this organisation and program, in each
    // configuration folder: its own and the organisation's.
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        for (const QString& name : {QStringLiteral("/Velmora/Velmora.conf"), QStringLiteral("/Velmora.conf")}) {
            const QFileInfo file(folder + name);
            if (file.exists() && !file.isFile())
                return QCoreApplication::translate(
                           "Velmora", QT_TRANSLATE_NOOP("Velmora", "The settings file %1 is not a regular file: "
                                                                   "Velmora keeps no recent birth files until it is one."))
                    .arg(QString::fromStdString(Quoted(file.filePath().toStdString())));
        }
    }
    return {};
}

}  // namespace velmora

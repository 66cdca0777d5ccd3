#include "entry/BirthFileActions.h"

#include <QStringList>

#include "birthfile/BirthFile.h"
#include "services/FileDialogs.h"
#include "services/Messenger.h"
#include "text/Quoted.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"

namespace velmora {

namespace {

QString BirthFileFilter() { return Tr(QT_TRANSLATE_NOOP("Velmora", "Velmora birth files (*.velmora);;All files (*)")); }

}  // namespace

std::optional<FormFields> ReadBirthFileShowing(const QString& path, Messenger& messenger, QWidget* over) {
    const BirthFileRead read = ReadBirthFile(path.toStdString());
    if (!read.Ok()) {
        messenger.Show(over, FromUtf8(read.error), MessageIcon::Error);
        return std::nullopt;
    }
    return read.fields;
}

bool WriteBirthFileAsking(const QString& path, const FormFields& fields, Messenger& messenger, QWidget* over) {
    BirthFileSave save = WriteBirthFile(path.toStdString(), fields);
    if (save.readOnly) {
        const QString question = Tr(QT_TRANSLATE_NOOP("Velmora", "%1 is read-only. Replace it with this birth all the same?"))
                                     .arg(FromUtf8(Quoted(path.toStdString())));
        if (messenger.Choose(over, question, {Tr(QT_TRANSLATE_NOOP("Velmora", "&Replace It"))}) != 0) return false;
        save = WriteBirthFile(path.toStdString(), fields, true);
    }
    if (!save.Ok()) {
        messenger.Show(over, FromUtf8(save.error), MessageIcon::Error);
        return false;
    }
    if (!save.notice.empty()) messenger.Show(over, FromUtf8(save.notice), MessageIcon::Information);
    return true;
}

QString AskBirthFileToOpen(FileDialogs& files, QWidget* over) {
    return files.OpenFile(over, Tr(QT_TRANSLATE_NOOP("Velmora", "Open Birth Data")), BirthFileFilter());
}

QString AskBirthFileToSave(FileDialogs& files, QWidget* over, const QString& personName) {
    return AskFileToSave(files, over, Tr(QT_TRANSLATE_NOOP("Velmora", "Save Birth Data")), personName,
                         QLatin1String(kBirthFileSuffix.data()), BirthFileFilter());
}

}  // namespace velmora

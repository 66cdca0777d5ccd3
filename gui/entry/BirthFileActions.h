#pragma once
// A birth file opened or saved from a window: the file dialogs, the
// messages (a refused file, a read-only one, a notice), nothing changed on a
// failure. The form puts the fields in and keeps the Recent list.

#include <QString>

#include <optional>

#include "birth/FormFields.h"

class QWidget;

namespace velmora {

class FileDialogs;
class Messenger;

// The birth a file holds, read whole and checked; a refused file is a
// message over `over` and nothing.
std::optional<FormFields> ReadBirthFileShowing(const QString& path, Messenger& messenger, QWidget* over);

// Writes `fields` whole or not at all; a read-only file is replaced only
// when the person says so. True when written.
bool WriteBirthFileAsking(const QString& path, const FormFields& fields, Messenger& messenger, QWidget* over);

// "Open Birth Data" and "Save Birth Data": the file chosen, or empty for
// Cancel. A saved file without a suffix takes ".velmora".
QString AskBirthFileToOpen(FileDialogs& files, QWidget* over);
QString AskBirthFileToSave(FileDialogs& files, QWidget* over, const QString& personName);

}  // namespace velmora

#pragma once
// The dialogs that choose where a birth or a chart is read from or goes to:
// opening and saving files, and printing with a preview. They go through this
// interface so that tests answer them instead of blocking on a dialog.

#include <QString>
#include <functional>

class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace velmora {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The file chosen to read, or an empty text for Cancel. `filter` as
    // QFileDialog takes it ("Velmora birth files (*.velmora)").
    virtual QString OpenFile(QWidget* parent, const QString& caption, const QString& filter) = 0;
    // The file chosen to write (an existing one confirmed), or empty for
    // Cancel. `suggested` is the path offered first.
    virtual QString SaveFile(QWidget* parent, const QString& caption, const QString& suggested,
                             const QString& filter) = 0;
    // Shows the pages `paint` draws on a printer, and prints them when the
    // person asks to. False when nothing was printed.
    virtual bool PrintWithPreview(QWidget* parent, const std::function<void(QPrinter&)>& paint) = 0;
};

// The file name offered for a person's birth or chart: "ASHA RAO" and
// ".velmora" give "Asha Rao.velmora"; no name gives "Birth.velmora".
QString SuggestedFileName(const QString& personName, const QString& suffix);

// The file chosen to write a person's birth or chart to, offering
// SuggestedFileName(personName, suffix); a name chosen without a suffix gets
// `suffix`. Empty for Cancel.
QString AskFileToSave(FileDialogs& files, QWidget* parent, const QString& caption, const QString& personName,
                      const QString& suffix, const QString& filter);

// The folder a file dialog opens in: the one a file was last opened from or
// saved to, kept per user between starts ("lastFolder"); the Documents folder
// (else the home folder) until then, or when that folder is gone.
QString StartingFolder();
// Keeps the folder of `path` (a file chosen in a dialog) as the next
// StartingFolder.
void RememberFolderOf(const QString& path);
// Where a save dialog starts: `suggested` itself when it names a folder,
// else that file name in StartingFolder().
QString StartingPath(const QString& suggested);

// The preview's title, Print first on its tool bar (so that a narrow screen
// never hides it) and its place inside the screen's available area.
void PreparePrintPreview(QPrintPreviewDialog& preview, QWidget* parent);

// The real ones: QFileDialog and QPrintPreviewDialog; the file dialogs open in
// StartingFolder() and keep the folder of the file chosen.
class QtFileDialogs : public FileDialogs {
public:
    QString OpenFile(QWidget* parent, const QString& caption, const QString& filter) override;
    QString SaveFile(QWidget* parent, const QString& caption, const QString& suggested,
                     const QString& filter) override;
    bool PrintWithPreview(QWidget* parent, const std::function<void(QPrinter&)>& paint) override;
};

}  // namespace velmora

#pragma once
// Stand-ins for the message boxes and the browser: they record what the
// windows ask for, so no test blocks on a dialog or starts a browser.

#include <QPrinter>
#include <QString>
#include <QUrl>
#include <deque>
#include <vector>

#include "services/FileDialogs.h"
#include "services/ChartStyleChoice.h"
#include "services/Clock.h"
#include "services/Messenger.h"
#include "services/Preferences.h"
#include "services/Services.h"
#include "services/WebLinks.h"

namespace velmora::testing {

struct ShownMessage {
    QString text;
    MessageIcon icon;
};

class CapturingMessenger : public Messenger {
public:
    void Show(QWidget*, const QString& text, MessageIcon icon) override { shown.push_back({text, icon}); }
    int Choose(QWidget*, const QString& text, const QStringList& choices) override {
        asked.push_back({text, choices});
        return answer;
    }
    std::vector<ShownMessage> shown;
    struct Question {
        QString text;
        QStringList choices;
    };
    std::vector<Question> asked;
    int answer = -1;  // what Choose answers: a choice's index, or -1 for Cancel
};

class CapturingWebOpener : public WebOpener {
public:
    bool Open(const QUrl& url) override {
        opened.push_back(url);
        return browser;
    }
    std::vector<QUrl> opened;
    bool browser = true;  // false: as if no browser could be started
};

// Answers each file dialog with the next path queued (empty: Cancel), and
// prints a preview into `printedPdf` when that is set.
class CapturingFileDialogs : public FileDialogs {
public:
    QString OpenFile(QWidget*, const QString& caption, const QString& filter) override {
        asked.push_back({caption, filter, {}});
        return Next();
    }
    QString SaveFile(QWidget*, const QString& caption, const QString& suggested, const QString& filter) override {
        asked.push_back({caption, filter, suggested});
        return Next();
    }
    bool PrintWithPreview(QWidget*, const std::function<void(QPrinter&)>& paint) override {
        ++previews;
        if (printedPdf.isEmpty()) return false;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printedPdf);
        paint(printer);
        return true;
    }
    struct Dialog {
        QString caption, filter, suggested;
    };
    std::vector<Dialog> asked;
    std::deque<QString> answers;
    int previews = 0;
    QString printedPdf;

private:
    QString Next() {
        if (answers.empty()) return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// The form's kept choices, in memory: a test starts as a first start does.
class MemoryPreferences : public Preferences {
public:
    bool PrecisePositions() const override { return precise; }
    void SetPrecisePositions(bool value) override { precise = value; }
    ChartStyle KeptChartStyle() const override { return chartStyle; }
    void KeepChartStyle(ChartStyle style) override { chartStyle = style; }
    ChartOptions KeptChartOptions() const override { return chartOptions; }
    void KeepChartOptions(const ChartOptions& options) override { chartOptions = options; }
    DashaSystem KeptDashaSystem() const override { return dashaSystem; }
    void KeepDashaSystem(DashaSystem system) override { dashaSystem = system; }
    DashaYear KeptDashaYear() const override { return dashaYear; }
    void KeepDashaYear(DashaYear year) override { dashaYear = year; }
    AshtakavargaReading KeptAshtakavargaReading() const override { return ashtakavargaReading; }
    void KeepAshtakavargaReading(AshtakavargaReading reading) override { ashtakavargaReading = reading; }
    bool KeptAshtakavargaReduced() const override { return ashtakavargaReduced; }
    void KeepAshtakavargaReduced(bool reduced) override { ashtakavargaReduced = reduced; }
    KarakaScheme KeptKarakaScheme() const override { return karakaScheme; }
    void KeepKarakaScheme(KarakaScheme scheme) override { karakaScheme = scheme; }
    QStringList KeptRecentBirthFiles() const override { return recentBirthFiles; }
    void KeepRecentBirthFiles(const QStringList& files) override { recentBirthFiles = files; }
    QStringList recentBirthFiles;
    bool precise = true;
    ChartStyle chartStyle = ChartStyle::South;
    ChartOptions chartOptions;
    DashaSystem dashaSystem = DashaSystem::Vimshottari;
    DashaYear dashaYear = DashaYear::Julian;
    AshtakavargaReading ashtakavargaReading = AshtakavargaReading::Raman;
    bool ashtakavargaReduced = false;
    KarakaScheme karakaScheme = kDefaultKarakaScheme;
};

// A clock stopped on one day.
class FixedClock : public Clock {
public:
    CalendarDate Today() const override { return today; }
    CalendarDate today{2026, 12, 9};
};

struct CapturedServices {
    CapturingMessenger messenger;
    CapturingWebOpener web;
    CapturingFileDialogs files;
    FixedClock clock;
    ChartStyleChoice chartStyle;
    MemoryPreferences preferences;
    Services services{messenger, web, files, clock, chartStyle, preferences};
};

}  // namespace velmora::testing

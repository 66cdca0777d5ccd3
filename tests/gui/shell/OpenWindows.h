#pragma once
// Every window of the program, opened as a person opens it, for the window
// tests: the input form, the main window with the result form, each page of
// the Chart menu, the About box and the chart options.

#include <QAction>
#include <QCheckBox>
#include <QString>
#include <memory>

#include "entry/ChartOptionsDialog.h"
#include "entry/frmMain.h"
#include "result/AshtakavargaPage.h"
#include "result/frmDisplay.h"
#include "result/frmVargas.h"
#include "shell/MDI.h"
#include "shell/Shell.h"
#include "shell/frmAbout.h"
#include "tests/gui/entry/CaptureServices.h"
#include "tests/support/BangaloreForm.h"

namespace velmora::testing {

enum class Window { Input, Main, Vargas, About, Shodasavarga, Bhavas, Dashas, Ashtakavarga, Panchanga, Transits,
                    Match, ChartOptions, BirthTime, Positions, Jaimini, Strengths, Yogas };

// A name and a place longer than any line of the windows, in Devanagari and Tamil.
inline const QString kLongName = QString::fromUtf8(
    "श्रीनिवास रामानुजन "
    "अय्यंगार वेंकटरमण "
    "सुब्रह्मण्यम शर्मा");
inline const QString kLongPlace = QString::fromUtf8(
    "திருவனந்தபுரம் "
    "காஞ்சிபுரம் "
    "மயிலாடுதுறை "
    "திருச்சிராப்பள்ளி");

// The program with a chart computed, as far as `which` needs: the sample
// birth (classic), or with `longTexts` the same birth computed precisely
// for a person whose name and place are kLongName and kLongPlace.
struct Program {
    CapturedServices captured;
    Shell shell{captured.services, [](int) {}};
    std::unique_ptr<frmAbout> about;
    std::unique_ptr<ChartOptionsDialog> options;

    QWidget* Open(Window which, bool longTexts = false) {
        shell.Start();
        FormFields fields = BangaloreForm();
        if (longTexts) {
            fields.Name = kLongName.toStdString();
            fields.City = fields.State = fields.Country = kLongPlace.toStdString();
        }
        // The pages of time and houses need precise positions.
        if (longTexts || which == Window::Bhavas || which == Window::Panchanga || which == Window::Transits ||
            which == Window::BirthTime || which == Window::Strengths)
            fields.Mode = ComputationMode::Precise;
        shell.InputForm()->SetFields(fields);
        if (which == Window::Input) return shell.InputForm();
        if (which == Window::About) {
            about = std::make_unique<frmAbout>(captured.services.web, shell.InputForm());
            about->show();
            return about.get();
        }
        if (which == Window::ChartOptions) {
            options = std::make_unique<ChartOptionsDialog>(ChartOptions{}, shell.InputForm());
            options->show();
            return options.get();
        }
        shell.InputForm()->AnalyzeChart();
        MDI* main = shell.MainWindow();
        if (!main) qFatal("the sample birth gives no chart");
        if (which == Window::Main) return main;
        if (which == Window::Vargas) {
            main->Display()->ShowVargas();
            return main->Display()->Vargas();
        }
        struct Page {
            Window window;
            const char* action;
            const char* page;
        };
        static const Page pages[] = {{Window::Shodasavarga, "mnuVargas", "frmShodasavarga"},
                                     {Window::Bhavas, "mnuBhavas", "frmBhavas"},
                                     {Window::Dashas, "actDashas", "frmDashas"},
                                     {Window::Ashtakavarga, "mnuAshtakavarga", "AshtakavargaPage"},
                                     {Window::Panchanga, "mnuPanchanga", "frmPanchanga"},
                                     {Window::Transits, "mnuTransits", "frmTransits"},
                                     {Window::BirthTime, "mnuBirthTime", "BirthTimePage"},
                                     {Window::Positions, "mnuPositions", "frmPositions"},
                                     {Window::Jaimini, "mnuJaimini", "frmJaimini"},
                                     {Window::Strengths, "mnuStrengths", "StrengthsPage"},
                                     {Window::Yogas, "mnuYogas", "frmYogas"},
                                     {Window::Match, "mnuMatchWith", "MatchPage"}};
        for (const Page& page : pages) {
            if (page.window != which) continue;
            if (which == Window::Match) {
                captured.files.answers.push_back(QStringLiteral(VELMORA_SOURCE_DIR "/docs/example.velmora"));
                captured.messenger.answer = 0;  // this chart's person is the bride
            }
            main->findChild<QAction*>(QLatin1String(page.action))->trigger();
            auto* shown = main->findChild<QWidget*>(QLatin1String(page.page));
            // The ashtakavarga with its reduced tables, its tallest form.
            if (auto* ashtakavarga = qobject_cast<AshtakavargaPage*>(shown)) ashtakavarga->chkReduced->setChecked(true);
            return shown;
        }
        return nullptr;
    }
};

}  // namespace velmora::testing

#include "result/frmPanchanga.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "chart/Panchanga.h"
#include "presentation/ChartNotes.h"
#include "presentation/TimeLabels.h"
#include "result/RowsTable.h"
#include "result/SunriseChoice.h"
#include "widgets/ChartPageParts.h"
#include "widgets/LocaleTimes.h"
#include "widgets/ScreenFit.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"
#include "services/LanguageChoice.h"

namespace velmora {

frmPanchanga::frmPanchanga(const Chart& chart, QWidget* parent) : QWidget(parent, Qt::Window), chart_(chart) {
    setObjectName(QStringLiteral("frmPanchanga"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Panchanga at birth - %1"), TextRole::WindowTitle, {FromUtf8(chart.birth.name)});
    auto* column = new QVBoxLayout(this);

    cboSunrise = AddSunriseChoice(column, this);

    tblPanchanga = MakeRowsTable(QStringLiteral("tblPanchanga"), QString(), this);
    Translate(tblPanchanga, QT_TRANSLATE_NOOP("Velmora", "Panchanga"), TextRole::AccessibleName);
    column->addWidget(tblPanchanga, 1);
    lblNote = AddPageNote(column, this);

    connect(cboSunrise, &QComboBox::currentIndexChanged, this, &frmPanchanga::Fill);
    SetPageKeys(this, {cboSunrise, tblPanchanga, lblNote});
    Fill();
    OnLanguageChange(this, [this] { Fill(); });
    FitOnScreen(this, QSize(760, 330));
}

void frmPanchanga::Fill() {
    const PanchangaOutcome outcome = ComputePanchanga(chart_, SunriseChosen(cboSunrise));
    if (!outcome.panchanga) {
        FillRows(tblPanchanga, {});
        tblPanchanga->setEnabled(false);
        cboSunrise->setEnabled(false);
        lblNote->setText(FromUtf8(RefusalIn(outcome.refusal, LanguageChoice::Current())) + QLatin1Char('.'));
    } else {
        FillRows(tblPanchanga, PanchangaRows(*outcome.panchanga, chart_.utcOffsetSeconds, LocaleMomentWriter(),
                                             LanguageChoice::Current()));
        lblNote->setText(Tr(QT_TRANSLATE_NOOP("Velmora", "Moments on the birth's clock (UTC%1), to the second: each is "
                                                         "solved to half a second. The weekday runs from sunrise to "
                                                         "sunrise: a birth before sunrise belongs to the day before; on "
                                                         "a date the Sun does not rise, the day begins at local "
                                                         "midnight."))
                             .arg(FromUtf8(chart_.birth.utcOffset)));
    }
    lblNote->setAccessibleName(lblNote->text());
}

}  // namespace velmora

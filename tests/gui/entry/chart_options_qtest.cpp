// The precise chart's choices on the input form: a button (Alt+Y) opening
// their dialog, the choices in one line beside it, both disabled in classic
// mode; what the dialog accepts is in the form's fields and kept per user,
// a classic form's fields carry the defaults, and a birth file's choices
// come onto the form.

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QCheckBox>
#include <QtTest>

#include "entry/ChartOptionsDialog.h"
#include "entry/frmMain.h"
#include "tests/gui/entry/CaptureServices.h"

using namespace velmora;
using velmora::testing::CapturedServices;

class ChartOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void buttonAndLineFollowThePreciseBox();
    void theDialogsChoicesAreTheFormsAndKept();
    void aBirthFilesChoicesComeOntoTheForm();
};

void ChartOptionsTest::buttonAndLineFollowThePreciseBox() {
    CapturedServices s;
    s.preferences.chartOptions.houses = HouseSystem::Placidus;  // kept from an earlier start
    frmMain form(s.services);
    auto* button = form.findChild<QPushButton*>(QStringLiteral("cmdChartOptions"));
    auto* line = form.findChild<QLabel*>(QStringLiteral("lblChartOptions"));
    auto* precise = form.findChild<QCheckBox*>(QStringLiteral("chkPrecise"));
    QVERIFY(button && line && precise);
    QCOMPARE(button->text(), QStringLiteral("A&yanamsa and Houses\u2026"));
    QCOMPARE(button->accessibleName(), QStringLiteral("Ayanamsa and Houses"));
    QCOMPARE(line->text(), QStringLiteral("Lahiri, apparent positions, placidus houses"));
    QCOMPARE(button->accessibleDescription(), line->text());
    QVERIFY(button->isEnabled());
    precise->setChecked(false);
    QVERIFY(!button->isEnabled());
    QVERIFY(!line->isEnabled());
    QCOMPARE(form.Fields().Options, ChartOptions{});  // classic: the defaults
    precise->setChecked(true);
    QVERIFY(button->isEnabled());
    QCOMPARE(form.Fields().Options.houses, HouseSystem::Placidus);
    // Tab reaches the button after the node box.
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.findChild<QCheckBox*>(QStringLiteral("chkTrueNode"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button);
}

void ChartOptionsTest::theDialogsChoicesAreTheFormsAndKept() {
    CapturedServices s;
    frmMain form(s.services);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.findChild<QPushButton*>(QStringLiteral("cmdChartOptions"))->click();
    auto* dialog = form.findChild<ChartOptionsDialog*>();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(!dialog->dateCustom->isEnabled());
    dialog->cboAyanamsa->setCurrentIndex(static_cast<int>(AyanamsaKind::Custom));
    QVERIFY(dialog->dateCustom->isEnabled() && dialog->spinCustom->isEnabled());
    dialog->dateCustom->setDate(QDate(1900, 1, 1));
    dialog->spinCustom->setValue(22.46);
    dialog->cboPositions->setCurrentIndex(1);
    dialog->cboHouses->setCurrentIndex(static_cast<int>(HouseSystem::Sripati));
    for (QWidget* w : {static_cast<QWidget*>(dialog->cboAyanamsa), static_cast<QWidget*>(dialog->cboPositions),
                       static_cast<QWidget*>(dialog->cboHouses)})
        QVERIFY(!w->accessibleName().isEmpty());
    dialog->accept();

    const ChartOptions chosen = form.Fields().Options;
    QCOMPARE(AyanamsaText(chosen), std::string("custom:1900-01-01:22.46"));
    QCOMPARE(chosen.positions, PositionKind::True);
    QCOMPARE(chosen.houses, HouseSystem::Sripati);
    QCOMPARE(s.preferences.chartOptions, chosen);
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("lblChartOptions"))->text(),
             QStringLiteral("Custom (1900-01-01:22.46), true positions, sripati houses"));

    // Cancel changes nothing.
    form.findChild<QPushButton*>(QStringLiteral("cmdChartOptions"))->click();
    QTRY_VERIFY(form.findChildren<ChartOptionsDialog*>().size() == 1);
    auto* again = form.findChildren<ChartOptionsDialog*>().last();
    QCOMPARE(again->Options(), chosen);
    again->cboHouses->setCurrentIndex(0);
    again->reject();
    QCOMPARE(form.Fields().Options, chosen);
}

void ChartOptionsTest::aBirthFilesChoicesComeOntoTheForm() {
    CapturedServices s;
    frmMain form(s.services);
    FormFields fields = form.Fields();
    fields.Mode = ComputationMode::Precise;
    fields.Options.ayanamsa = AyanamsaKind::TruePushya;
    fields.Options.houses = HouseSystem::Equal;
    form.SetFields(fields);
    QCOMPARE(form.Fields().Options, fields.Options);
    QCOMPARE(s.preferences.chartOptions, ChartOptions{});  // a file's choices are the file's, not kept
}

QTEST_MAIN(ChartOptionsTest)
#include "chart_options_qtest.moc"

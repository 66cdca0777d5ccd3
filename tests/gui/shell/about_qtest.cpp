// The About box: its texts and icon, its two links, and that it blocks the
// window it was opened from until OK.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "widgets/LinkLabel.h"
#include "shell/frmAbout.h"
#include "tests/gui/entry/CaptureServices.h"

using namespace velmora;
using velmora::testing::CapturedServices;

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void textsIconAndLayout();
    void linksOpenTheirPageOnce_data();
    void linksOpenTheirPageOnce();
    void blocksItsWindowUntilOk();
};

void AboutTest::textsIconAndLayout() {
    CapturedServices s;
    QMainWindow owner;
    frmAbout about(s.web, &owner);
    QCOMPARE(about.windowTitle(), QStringLiteral("Velmora v" VELMORA_VERSION));
    QCOMPARE(about.lblTitle->text(), QStringLiteral("Velmora v" VELMORA_VERSION));
    QVERIFY(about.lblDescription->text().startsWith(
        QStringLiteral("Velmora calculates the arudha for the different houses in your natal chart.")));
    QCOMPARE(about.lblHomePage->text(), QStringLiteral("Click here to visit ") + WebPageAddress(WebPage::Home).toString());
    QCOMPARE(about.lblBrandOffer->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. Get "
                            "this software fully branded for your website."));
    QCOMPARE(about.lblCoBrand->text(), QStringLiteral("Click here for more details."));
    QCOMPARE(about.cmdOK->text(), QStringLiteral("OK"));
    // The licence and the ephemeris the program is built on.
    QVERIFY(about.lblLicence->text().contains(QStringLiteral("GNU Affero General Public License, version 3 or")));
    QVERIFY(about.lblLicence->text().contains(QStringLiteral("Swiss Ephemeris")));
    QVERIFY(about.lblLicence->text().contains(QStringLiteral("GeoNames (geonames.org)")));
    QVERIFY(!about.picIcon->pixmap().isNull());
    QCOMPARE(about.Line1->frameShape(), QFrame::HLine);
    QCOMPARE(about.parentWidget(), &owner);

    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    // The offer stands above its link; the line between the texts and OK.
    QVERIFY(about.lblBrandOffer->geometry().bottom() < about.lblCoBrand->y());
    QVERIFY(about.lblCoBrand->geometry().bottom() < about.lblLicence->y());
    QVERIFY(about.lblLicence->geometry().bottom() < about.Line1->y());
    QVERIFY(about.Line1->geometry().bottom() < about.cmdOK->y());
    QVERIFY(about.cmdOK->isDefault());
}

void AboutTest::linksOpenTheirPageOnce_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("lblHomePage click") << "lblHomePage" << int(WebPage::Home) << false;
    QTest::newRow("lblCoBrand click") << "lblCoBrand" << int(WebPage::BrandedEdition) << false;
    QTest::newRow("lblHomePage space") << "lblHomePage" << int(WebPage::Home) << true;
    QTest::newRow("lblCoBrand space") << "lblCoBrand" << int(WebPage::BrandedEdition) << true;
}

void AboutTest::linksOpenTheirPageOnce() {
    QFETCH(QString, name);
    QFETCH(int, page);
    QFETCH(bool, byKeyboard);
    CapturedServices s;
    frmAbout about(s.web, nullptr);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* link = about.findChild<LinkLabel*>(name);
    QVERIFY(link);
    QVERIFY(link->focusPolicy() & Qt::TabFocus);
    if (byKeyboard) {
        QTest::keyClick(link, Qt::Key_Space);
    } else {
        QTest::mouseClick(link, Qt::LeftButton);
    }
    QCOMPARE(s.web.opened.size(), std::size_t{1});
    QCOMPARE(s.web.opened[0], WebPageAddress(WebPage(page)));
    QVERIFY(about.isVisible());  // a link leaves the box open
    QCOMPARE(about.result(), 0);
}

void AboutTest::blocksItsWindowUntilOk() {
    CapturedServices s;
    QMainWindow owner;
    auto* behind = new QPushButton(QStringLiteral("behind"), &owner);
    owner.setCentralWidget(behind);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    int behindClicks = 0;
    connect(behind, &QPushButton::clicked, this, [&behindClicks] { ++behindClicks; });

    frmAbout about(s.web, &owner);
    // Clicks on the window beneath go the way a real click goes, through the
    // window system, where modality applies.
    auto clickBehind = [&owner, behind] {
        QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {}, behind->mapTo(&owner, behind->rect().center()));
    };
    // Looked at while the box is up; checked once it is closed again.
    bool inspected = false, wasActiveModal = false, wasModal = false, stayedUp = false;
    int clicksWhileUp = -1;
    QTimer::singleShot(0, this, [&] {
        inspected = true;
        wasActiveModal = QApplication::activeModalWidget() == &about;
        wasModal = about.isModal();
        clickBehind();
        clicksWhileUp = behindClicks;
        stayedUp = about.isVisible();
        QTest::mouseClick(about.cmdOK, Qt::LeftButton);
        if (about.isVisible()) about.reject();  // never leave the test waiting
    });
    const int result = about.exec();
    QVERIFY(inspected);
    QVERIFY(wasActiveModal);
    QVERIFY(wasModal);
    QVERIFY(stayedUp);
    QCOMPARE(clicksWhileUp, 0);  // the window beneath took no input
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!about.isVisible());
    QVERIFY(owner.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    clickBehind();
    QCOMPARE(behindClicks, 1);
}

QTEST_MAIN(AboutTest)
#include "about_qtest.moc"

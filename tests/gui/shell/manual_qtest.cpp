// The manual in the program: F1 on either window opens it from the build
// (as from an installation), with no network; every picture it shows is one
// the build made of the real windows, and every link inside it leads
// somewhere.

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

#include "tests/gui/Screenshots.h"
#include "tests/gui/shell/OpenWindows.h"
#include "widgets/Manual.h"

using namespace velmora;
using velmora::testing::Program;
using velmora::testing::Window;

namespace {

const QString kManual = QStringLiteral(VELMORA_BINARY_DIR "/manual");

QString ManualText() {
    QFile index(kManual + QStringLiteral("/index.html"));
    return index.open(QIODevice::ReadOnly) ? QString::fromUtf8(index.readAll()) : QString();
}

QStringList All(const QString& pattern, const QString& text) {
    QStringList found;
    for (const QRegularExpressionMatch& m : QRegularExpression(pattern).globalMatch(text)) found << m.captured(1);
    return found;
}

ManualWindow* ShownManual() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* manual = qobject_cast<ManualWindow*>(window); manual && manual->isVisible()) return manual;
    return nullptr;
}

}  // namespace

class ManualTest : public QObject {
    Q_OBJECT
private slots:
    void f1OpensTheManual_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("input form") << int(Window::Input);
        QTest::newRow("main window") << int(Window::Main);
    }

    void f1OpensTheManual() {
        QFETCH(int, which);
        Program program;
        QWidget* window = program.Open(Window(which));
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_F1);
        ManualWindow* manual = ShownManual();
        QVERIFY(manual);
        QCOMPARE(manual->browser->source(), QUrl::fromLocalFile(QFileInfo(kManual + QStringLiteral("/index.html")).canonicalFilePath()));
        QCOMPARE(manual->browser->documentTitle(), QStringLiteral("Velmora Manual"));
        QVERIFY(manual->browser->toPlainText().contains(QStringLiteral("Your first chart")));
        // Nothing was asked of the browser or said as an error.
        QVERIFY(program.captured.web.opened.empty());
        QVERIFY(program.captured.messenger.shown.empty());
        velmora::testing::SaveScreenshot(manual->grab(), QStringLiteral("manual"));
        manual->close();
    }

    void everyPictureIsOneOfTheBuild() {
        const QString text = ManualText();
        QVERIFY(!text.isEmpty());
        const QStringList pictures = All(QStringLiteral("<img src=\"([^\"]+)\""), text);
        // The input form, the options, the result window in both styles and
        // the eight pages.
        QCOMPARE(pictures.size(), 12);
        for (const QString& picture : pictures) {
            QVERIFY2(picture.startsWith(QStringLiteral("images/")), qPrintable(picture));  // in the manual, not on the web
            const QImage image(kManual + QLatin1Char('/') + picture);
            QVERIFY2(!image.isNull(), qPrintable(picture));
            QVERIFY2(image.width() >= 300 && image.height() >= 150, qPrintable(picture));
        }
    }

    void everyLinkInsideLeadsSomewhere() {
        const QString text = ManualText();
        const QStringList anchors = All(QStringLiteral("id=\"([^\"]+)\""), text);
        const QStringList links = All(QStringLiteral("href=\"([^\"]+)\""), text);
        QVERIFY(links.size() >= 10);
        for (const QString& link : links) {
            if (link.startsWith(QStringLiteral("https://"))) continue;  // opened in the browser when asked
            QVERIFY2(link.startsWith(QLatin1Char('#')) && anchors.contains(link.mid(1)), qPrintable(link));
        }
    }
};

QTEST_MAIN(ManualTest)
#include "manual_qtest.moc"

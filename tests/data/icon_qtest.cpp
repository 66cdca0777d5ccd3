// The icon a desktop shows in its menu (data/icons, the SVG the hicolor PNGs
// are rendered from) is the drawing the program gives its own windows
// (shell/AppIcon.cpp): the two are compared pixel by pixel, so a change to
// one without the other fails here.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

#include <algorithm>
#include <cstdlib>

#include "shell/AppIcon.h"

class IconTest : public QObject {
    Q_OBJECT

private slots:
    void svgIsTheProgramsDrawing_data();
    void svgIsTheProgramsDrawing();
};

namespace {

const QString kSvg = QStringLiteral(VELMORA_SOURCE_DIR "/data/icons/org.velmora.Velmora.svg");

QImage RenderSvg(int size) {
    QSvgRenderer svg(kSvg);
    if (!svg.isValid()) return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

// The largest difference of one colour channel or alpha between two pixels.
int ChannelDifference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)),
                     std::abs(qAlpha(a) - qAlpha(b))});
}

}  // namespace

// From 32 pixels the program's lines are 1/32 of the icon wide, as in the
// SVG; at 16 it keeps them one whole pixel, so that size is left out.
void IconTest::svgIsTheProgramsDrawing_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("32") << 32;
    QTest::newRow("48") << 48;
    QTest::newRow("64") << 64;
}

void IconTest::svgIsTheProgramsDrawing() {
    QFETCH(int, size);
    const QImage svg = RenderSvg(size).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!svg.isNull(), qPrintable(kSvg));
    const QImage drawn =
        velmora::VelmoraIcon().pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(drawn.size(), QSize(size, size));

    // Antialiasing may round an edge pixel differently; a changed colour,
    // shape or position changes whole lines of pixels.
    int different = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (ChannelDifference(svg.pixel(x, y), drawn.pixel(x, y)) > 40) ++different;
    QVERIFY2(different <= size * size / 100,
             qPrintable(QStringLiteral("%1 of %2 pixels differ").arg(different).arg(size * size)));
}

QTEST_MAIN(IconTest)
#include "icon_qtest.moc"

// velmora-icons: renders the scalable icon into the PNG sizes of the hicolor
// theme, as OUTDIR/NxN/apps/NAME.png. The build runs it, so the PNGs always
// come from the one SVG in data/icons and no picture is kept in the sources.
//
//   velmora-icons ICON.svg OUTDIR NAME SIZE...

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    // Painting into images needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: velmora-icons ICON.svg OUTDIR NAME SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "velmora-icons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        bool number = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&number);
        if (!number || size < 1 || size > 4096) {
            std::fprintf(stderr, "velmora-icons: not a size: %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        const QString dir = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = out.filePath(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!out.mkpath(dir) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "velmora-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

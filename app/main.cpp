#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Velmora v1.25"));
    window.setWindowTitle(QStringLiteral("Velmora v1.25"));
    window.show();
    return app.exec();
}

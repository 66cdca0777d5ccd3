#pragma once
// Saves a window's picture for people to look at: into VELMORA_SCREENSHOT_DIR,
// or build/screenshots by default, as NAME.png (NAME@2x.png when scaled).

#include <QDir>
#include <QPixmap>
#include <QString>

namespace velmora::testing {

// The file written, or an empty string when it could not be saved.
inline QString SaveScreenshot(const QPixmap& picture, const QString& name) {
    QString dir = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    if (dir.isEmpty()) dir = QStringLiteral(VELMORA_BINARY_DIR "/screenshots");
    if (!QDir().mkpath(dir)) return {};
    const qreal ratio = picture.devicePixelRatio();
    const QString suffix = ratio == 1.0 ? QString() : QStringLiteral("@%1x").arg(ratio);
    const QString file = QDir(dir).filePath(name + suffix + QStringLiteral(".png"));
    if (!picture.save(file)) return {};
    qInfo("saved %s", qPrintable(file));
    return file;
}

}  // namespace velmora::testing

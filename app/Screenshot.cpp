#include "Screenshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

int writeScreenshot(QWidget* window, const QString& path)
{
    if (!window || path.isEmpty())
        return 2;
    QDir().mkpath(QFileInfo(path).absolutePath());
    // The widget's own rendering comes first: a screen grab clips at the screen's edge and, on the
    // offscreen platform, misses what OpenGL drew.
    QPixmap pixmap = window->grab();
    if (pixmap.isNull()) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            pixmap = screen->grabWindow(window->winId(), 0, 0, -1, -1);
    }
    if (pixmap.isNull())
        return 2;
    return pixmap.save(path, "PNG") ? 0 : 2;
}

void saveScreenshot(QWidget* window, const QString& path)
{
    QCoreApplication::exit(writeScreenshot(window, path));
}

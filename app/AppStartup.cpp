#include "AppStartup.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

QString appFontFamily()
{
    return QStringLiteral("Microsoft YaHei UI");
}

void substituteAppFontFamily()
{
    const QStringList installed = QFontDatabase().families();
    if (installed.contains(appFontFamily(), Qt::CaseInsensitive))
        return;
    for (const QString& candidate : {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")}) {
        if (installed.contains(candidate, Qt::CaseInsensitive)) {
            QFont::insertSubstitution(appFontFamily(), candidate);
            return;
        }
    }
}

QString themeDirectory()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/health-theme");
}

bool isInteractivePlatform()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

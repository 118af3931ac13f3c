#include "AppStartup.h"

#include "core/KIVQtLib.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

QString appFontFamily()
{
    return QStringLiteral("Microsoft YaHei UI");
}

namespace {

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

} // namespace

void applyAppGlobalConfig()
{
    substituteAppFontFamily();
    KIVQtLib::KIVGlobalConfig config;
    config.fontFamily = appFontFamily();
    config.buttonFadeEnabled = false;
    config.buttonFadeDuration = 140;
    KIVQtLib::kivSetGlobalConfig(config);
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

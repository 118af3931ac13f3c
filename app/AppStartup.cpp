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

// The family the program draws with: the app's own where installed, else the first installed stand-in,
// which also becomes its substitute for styles that name it. Naming the stand-in in the global
// configuration spares the font matcher a search for the missing family on every font a page makes.
QString installedAppFontFamily()
{
    const QStringList installed = QFontDatabase().families();
    if (installed.contains(appFontFamily(), Qt::CaseInsensitive))
        return appFontFamily();
    for (const QString& candidate : {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")}) {
        if (installed.contains(candidate, Qt::CaseInsensitive)) {
            QFont::insertSubstitution(appFontFamily(), candidate);
            return candidate;
        }
    }
    return appFontFamily();
}

} // namespace

void applyAppGlobalConfig()
{
    KIVQtLib::KIVGlobalConfig config;
    config.fontFamily = installedAppFontFamily();
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

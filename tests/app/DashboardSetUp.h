#pragma once

#include "AppStartup.h"
#include "core/KIVQtLib.h"

#include <QFile>
#include <QString>

// The framework, resources, font configuration and health theme as the program sets them up; false when the
// theme does not load.
inline bool setUpDashboard()
{
    Q_INIT_RESOURCE(carevix);
    KIVQtLib::init();
    applyAppGlobalConfig();
    return KIVQtLib::kivLoadThemeDir(QFile::encodeName(QStringLiteral(CAREVIX_THEME_DIR)).constData());
}

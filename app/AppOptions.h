#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// What the command line asks of one run; every field keeps its default when its option is absent or malformed.
struct AppOptions
{
    QString screenshotPath;
    QSize size{1440, 900};
    int page = 0;
    QString patientId;
    bool english = false;
    bool drawer = false;
};

// Page names compared without regard to case; any other text is the overview (0).
int pageIndexFromName(const QString& name);

// Reads the words after the program name. Pure: no application object is needed.
AppOptions parseOptions(const QStringList& arguments);

#pragma once

#include <QString>

class QWidget;

// Writes the window to path as PNG, making the path's folder first. Returns 0 on success and 2 when
// nothing could be grabbed or written.
int writeScreenshot(QWidget* window, const QString& path);

// writeScreenshot, then ends the event loop with its code.
void saveScreenshot(QWidget* window, const QString& path);

#pragma once

#include <QString>

// The font family the dashboard asks for by name.
QString appFontFamily();

// The framework's global configuration of the dashboard. Where its font family is not installed, the
// family is first mapped to an installed one that holds the dashboard's Chinese, so no text shows as boxes.
void applyAppGlobalConfig();

// The theme folder beside the executable.
QString themeDirectory();

// False on the headless platforms, where a modal message box would wait for ever.
bool isInteractivePlatform();

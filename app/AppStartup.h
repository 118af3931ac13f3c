#pragma once

#include <QString>

// The font family the dashboard asks for by name.
QString appFontFamily();

// Where the family is not installed, maps it to the first installed font that holds the dashboard's
// Chinese, so that no text is drawn as boxes. Call before the family is applied.
void substituteAppFontFamily();

// The theme folder beside the executable.
QString themeDirectory();

// False on the headless platforms, where a modal message box would wait for ever.
bool isInteractivePlatform();

#pragma once

// The library's free functions: start-up, the control registry, process-wide flags, and thin
// forwards to the resource manager and the language manager.

#include "ControlInfo.h"
#include "StyleTypes.h"
#include "theme/KIVGlobalConfig.h"

#include <QString>
#include <QVector>

#include <initializer_list>

class QStyle;
class QWidget;

namespace KIVQtLib {

class LanguageManager;

using ControlCreateFunction = QWidget* (*)();
// Asked before the registry with the element's "name" and its type; a null result falls back.
using ControlCreateHook = QWidget* (*)(const QString& name, const QString& type);

KIVQTLIB_EXPORT void init();
KIVQTLIB_EXPORT void shutdown();

KIVQTLIB_EXPORT void kivInitQtControl();
KIVQTLIB_EXPORT void kivRegisterQtControl(const char* name, ControlCreateFunction create, ControlInfo info,
                                          bool listed);
KIVQTLIB_EXPORT void kivRegisterDefaultControl(const char* name, ControlCreateFunction create);
// A control class under its own type name, with its descriptor, and under each alias (aliases are
// never listed). A later registration of a name replaces the earlier one.
template <class T> void kivRegisterControl(std::initializer_list<const char*> aliases, bool listed)
{
    kivRegisterQtControl(T::typeName(), &T::createControl, T::getProps(), listed);
    for (const char* alias : aliases)
        kivRegisterDefaultControl(alias, &T::createControl);
}
KIVQTLIB_EXPORT void kivBindControlCreateFunction(ControlCreateHook hook);
KIVQTLIB_EXPORT ControlCreateHook kivControlCreateHook();
// The create function registered under name (exact, case-sensitive), or null.
KIVQTLIB_EXPORT ControlCreateFunction kivFindCreateFunction(const char* name);
KIVQTLIB_EXPORT QVector<ControlInfo*> kivGetAllControlInfo();
KIVQTLIB_EXPORT ControlInfo* kivGetControlInfo(const QString& name);
KIVQTLIB_EXPORT bool kivIsListedControl(const char* name);

KIVQTLIB_EXPORT bool kivIsInitialized();
KIVQTLIB_EXPORT bool kivIsQtEmulator();
KIVQTLIB_EXPORT void kivSetIsInDesigner(bool on);
KIVQTLIB_EXPORT bool kivIsInDesigner();
KIVQTLIB_EXPORT void kivEnableSerializeChild(bool on);
KIVQTLIB_EXPORT bool kivIsSerializeChild();
KIVQTLIB_EXPORT void kivEnableHighDpi(bool on);
// The application style init() installs; defined beside the style, in controls/.
KIVQTLIB_EXPORT QStyle* kivGetStyle();

// Loads and change notification; false until init() has run. Paths are 8-bit as QFile::encodeName gives them.
KIVQTLIB_EXPORT bool kivLoadThemeDir(const char* path);
KIVQTLIB_EXPORT bool kivLoadThemeFile(const char* path);
KIVQTLIB_EXPORT bool kivLoadSkinFile(const QString& path, float scale);
KIVQTLIB_EXPORT bool kivSetSkinFilePath(const QString& path, float scale);
KIVQTLIB_EXPORT bool kivSetProjectFilePath(const QString& path);
KIVQTLIB_EXPORT bool kivNotifyThemeChange();

KIVQTLIB_EXPORT bool kivGetFillStyle(const QString& name, FillStyle& style);
KIVQTLIB_EXPORT void kivSetFillStyle(const QString& name, const FillStyle& style);
KIVQTLIB_EXPORT bool kivGetTextStyle(const QString& name, TextStyleDesc& style);
KIVQTLIB_EXPORT void kivSetTextStyle(const QString& name, const TextStyleDesc& style);
KIVQTLIB_EXPORT bool kivGetProjectFillStyle(const QString& name, FillStyle& style);
KIVQTLIB_EXPORT void kivSetProjectFillStyle(const QString& name, const FillStyle& style);
KIVQTLIB_EXPORT bool kivGetProjectTextStyle(const QString& name, TextStyleDesc& style);
KIVQTLIB_EXPORT void kivSetProjectTextStyle(const QString& name, const TextStyleDesc& style);
KIVQTLIB_EXPORT const QVector<FillStyle>& kivGetAllFillStyle();
KIVQTLIB_EXPORT const QVector<TextStyleDesc>& kivGetAllTextStyle();

KIVQTLIB_EXPORT const KIVGlobalConfig& kivGetGlobalConfig();
KIVQTLIB_EXPORT void kivSetGlobalConfig(const KIVGlobalConfig& config);
KIVQTLIB_EXPORT QString kivGetGlobalFontFamily();
KIVQTLIB_EXPORT void kivSetGlobalFontFamily(const QString& family);

KIVQTLIB_EXPORT bool kivLoadLanguageFile(const QString& path, QString* error);
KIVQTLIB_EXPORT bool kivSetLanguage(const QString& id);
KIVQTLIB_EXPORT QString kivGetLanguage();
KIVQTLIB_EXPORT LanguageManager* kivGetLanguageManager();
KIVQTLIB_EXPORT QString kivText(const QString& key, const QString& fallback);

// Filled by each subsystem in its own folder; kivInitQtControl calls them in this order.
void registerCoreControls();
void registerBasicControls();
void registerViewControls();
void registerRibbonControls();

} // namespace KIVQtLib

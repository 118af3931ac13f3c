#include "KIVQtLib.h"

#include "JsonRead.h"

#include "platform/KIVPlatform.h"
#include "theme/KIVQResourceManager.h"
#include "theme/LanguageManager.h"

#include <QApplication>
#include <QFile>
#include <QPointer>

#include <map>
#include <set>
#include <string>

namespace KIVQtLib {

namespace {

struct Registry
{
    std::map<std::string, ControlCreateFunction> create;
    std::map<std::string, ControlInfo> descriptors;
    std::set<std::string> listed;
    ControlCreateHook hook = nullptr;
    bool initialised = false;
    bool emulator = false;
    bool designer = false;
    bool serializeChild = true;
};

Registry& registry()
{
    static Registry r;
    return r;
}

KIVQResourceManager* rm()
{
    return KIVQResourceManager::getInstance();
}

// The project-style accessors run with the project switch on, then restore it: a designer that works in
// project mode must not find it switched off by a lookup.
class ProjectResScope
{
public:
    ProjectResScope() : m_saved(rm()->isProjectRes()) { rm()->setSwitchToProjectRes(true); }
    ~ProjectResScope() { rm()->setSwitchToProjectRes(m_saved); }
    Q_DISABLE_COPY(ProjectResScope)

private:
    bool m_saved;
};

// A later registration replaces an earlier one; a page built before and after differs, so say so.
void warnIfRegistered(const char* name)
{
    if (registry().create.count(name))
        qCWarning(lcKivJson, "Control type %s registered again; the later registration replaces it", name);
}

} // namespace

void init()
{
    Registry& r = registry();
    if (r.initialised)
        return;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setStyle(kivGetStyle());
    kivInitQtControl();
    rm()->initDefaultImageRes();
    rm()->initDefaultStyleRes();
    r.initialised = true;
}

void shutdown() {}

void kivInitQtControl()
{
    registerCoreControls();
    registerBasicControls();
    registerViewControls();
    registerRibbonControls();
    if (platform::isEmulatorExecutable(platform::executablePath()))
        registry().emulator = true;
}

void kivRegisterQtControl(const char* name, ControlCreateFunction create, ControlInfo info, bool listed)
{
    if (!name || !create)
        return;
    Registry& r = registry();
    warnIfRegistered(name);
    r.create[name] = create;
    r.descriptors[name] = std::move(info);
    if (listed)
        r.listed.insert(name);
}

void kivRegisterDefaultControl(const char* name, ControlCreateFunction create)
{
    if (!name || !create)
        return;
    warnIfRegistered(name);
    registry().create[name] = create;
}

void kivBindControlCreateFunction(ControlCreateHook hook)
{
    registry().hook = hook;
}

ControlCreateHook kivControlCreateHook()
{
    return registry().hook;
}

ControlCreateFunction kivFindCreateFunction(const char* name)
{
    if (!name)
        return nullptr;
    const auto& map = registry().create;
    const auto it = map.find(name);
    return it == map.end() ? nullptr : it->second;
}

QVector<ControlInfo*> kivGetAllControlInfo()
{
    QVector<ControlInfo*> all;
    for (auto& entry : registry().descriptors)
        all.append(&entry.second);
    return all;
}

ControlInfo* kivGetControlInfo(const QString& name)
{
    auto& map = registry().descriptors;
    const auto it = map.find(name.toStdString());
    return it == map.end() ? nullptr : &it->second;
}

bool kivIsListedControl(const char* name)
{
    return name && registry().listed.count(name) > 0;
}

bool kivIsInitialized()
{
    return registry().initialised;
}
bool kivIsQtEmulator()
{
    return registry().emulator;
}
void kivSetIsInDesigner(bool on)
{
    registry().designer = on;
}
bool kivIsInDesigner()
{
    return registry().designer;
}
void kivEnableSerializeChild(bool on)
{
    registry().serializeChild = on;
}
bool kivIsSerializeChild()
{
    return registry().serializeChild;
}

void kivEnableHighDpi(bool on)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, on);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, on);
}

// ---- forwards ----

// Paths come in the file system's 8-bit encoding (QFile::encodeName), so they are decoded the same way;
// UTF-8 would garble them wherever that encoding is another.
bool kivLoadThemeDir(const char* path)
{
    return kivIsInitialized() && path && rm()->loadThemeDir(QFile::decodeName(path));
}

bool kivLoadThemeFile(const char* path)
{
    return kivIsInitialized() && path && rm()->loadThemeFile(QFile::decodeName(path));
}

bool kivLoadSkinFile(const QString& path, float scale)
{
    if (!kivIsInitialized())
        return false;
    rm()->setScaleFactor(scale);
    return rm()->loadSkinFile(path);
}

bool kivSetSkinFilePath(const QString& path, float scale)
{
    if (!kivIsInitialized())
        return false;
    rm()->setScaleFactor(scale);
    return rm()->setSkinDirPath(path);
}

bool kivSetProjectFilePath(const QString& path)
{
    return kivIsInitialized() && rm()->setProjectDirPath(path);
}

bool kivNotifyThemeChange()
{
    return kivIsInitialized() && rm()->themeChange();
}

bool kivGetFillStyle(const QString& name, FillStyle& style)
{
    return rm()->getFillStyle(name, style);
}
void kivSetFillStyle(const QString& name, const FillStyle& style)
{
    rm()->setFillStyle(name, style);
}
bool kivGetTextStyle(const QString& name, TextStyleDesc& style)
{
    return rm()->getTextStyle(name, style);
}

void kivSetTextStyle(const QString& name, const TextStyleDesc& style)
{
    rm()->setTextStyle(rm()->isProjectRes() ? rm()->getProjectManagerImpl() : rm()->getSkinManagerImpl(), name, style);
}

bool kivGetProjectFillStyle(const QString& name, FillStyle& style)
{
    ProjectResScope scope;
    return rm()->getFillStyle(name, style);
}

void kivSetProjectFillStyle(const QString& name, const FillStyle& style)
{
    ProjectResScope scope;
    rm()->setFillStyle(name, style);
}

bool kivGetProjectTextStyle(const QString& name, TextStyleDesc& style)
{
    ProjectResScope scope;
    return rm()->getTextStyle(name, style);
}

void kivSetProjectTextStyle(const QString& name, const TextStyleDesc& style)
{
    ProjectResScope scope;
    kivSetTextStyle(name, style);
}

const QVector<FillStyle>& kivGetAllFillStyle()
{
    return rm()->getFillStyles();
}
const QVector<TextStyleDesc>& kivGetAllTextStyle()
{
    return rm()->getTextStyles();
}

const KIVGlobalConfig& kivGetGlobalConfig()
{
    return rm()->getGlobalConfig();
}
void kivSetGlobalConfig(const KIVGlobalConfig& config)
{
    rm()->setGlobalConfig(config);
}
QString kivGetGlobalFontFamily()
{
    return rm()->getGlobalFontFamily();
}
void kivSetGlobalFontFamily(const QString& family)
{
    rm()->setGlobalFontFamily(family);
}

bool kivLoadLanguageFile(const QString& path, QString* error)
{
    return LanguageManager::instance()->loadFromFile(path, error);
}

bool kivSetLanguage(const QString& id)
{
    return LanguageManager::instance()->setLanguage(id);
}
QString kivGetLanguage()
{
    return LanguageManager::instance()->currentLanguage();
}
LanguageManager* kivGetLanguageManager()
{
    return LanguageManager::instance();
}
QString kivText(const QString& key, const QString& fallback)
{
    return LanguageManager::instance()->text(key, fallback);
}

} // namespace KIVQtLib

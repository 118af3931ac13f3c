#include "KIVQResourceManager.h"

#include "KIVQResourceManagerImpl.h"
#include "LanguageManager.h"
#include "core/IKIVQWidgetBase.h"
#include "core/KIVQWidgetBase.h"

#include <json/json.h>

#include <QApplication>
#include <QImage>
#include <QSvgRenderer>
#include <QWidget>

namespace KIVQtLib {

KIVQResourceManager* KIVQResourceManager::getInstance()
{
    static KIVQResourceManager manager;
    return &manager;
}

KIVQResourceManager::KIVQResourceManager()
    : m_skinStore(new KIVQResourceManagerImpl)
{
    QObject::connect(LanguageManager::instance(), &LanguageManager::languageChanged,
                     [this](const QString&) { notifyLanguageToWindows(); });
}

KIVQResourceManager::~KIVQResourceManager()
{
    releaseRes();
    delete m_skinStore;
    delete m_themeStore;
    delete m_projectStore;
}

// ---- styles ----

KIVQResourceManagerImpl* KIVQResourceManager::styleStore() const
{
    if (m_loadFromThemeRes)
        return m_themeStore;
    if (m_projectRes)
        return m_projectStore;
    return m_skinStore;
}

bool KIVQResourceManager::getFillStyle(const QString& name, FillStyle& style)
{
    if (name == QLatin1String("empty") || name == QLatin1String("emptyRect")) {
        style.name = name;
        style.draw = false;
        return true;
    }
    const KIVQResourceManagerImpl* store = styleStore();
    if (!store || !store->findFillStyle(name, style))
        return false;
    style.draw = true;
    return true;
}

bool KIVQResourceManager::getTextStyle(const QString& name, TextStyleDesc& style)
{
    const KIVQResourceManagerImpl* store = styleStore();
    return store && store->findTextStyle(name, style);
}

const QVector<FillStyle>& KIVQResourceManager::getFillStyles() const
{
    return (m_projectStore ? m_projectStore : m_skinStore)->fillStyles;
}

const QVector<TextStyleDesc>& KIVQResourceManager::getTextStyles() const
{
    return (m_projectStore ? m_projectStore : m_skinStore)->textStyles;
}

void KIVQResourceManager::setFillStyle(const QString& name, const FillStyle& style)
{
    setFillStyle(m_projectRes ? m_projectStore : m_skinStore, name, style);
}

void KIVQResourceManager::setFillStyle(KIVQResourceManagerImpl* store, const QString& name, const FillStyle& style)
{
    if (store)
        store->putFillStyle(name, style);
}

void KIVQResourceManager::setTextStyle(KIVQResourceManagerImpl* store, const QString& name,
                                       const TextStyleDesc& style)
{
    if (store)
        store->putTextStyle(name, style);
}

// ---- theme entries ----

Json::Value* KIVQResourceManager::getThemeJsonValue(const char* name)
{
    if (!m_themeStore || !name || !m_themeStore->themeDocument || m_themeStore->themeDocument->isNull())
        return nullptr;
    const auto it = m_themeStore->themeIndex.find(name);
    return it == m_themeStore->themeIndex.end() ? nullptr : const_cast<Json::Value*>(it->second);
}

// ---- languages ----

QString KIVQResourceManager::getString(const QString& key) const
{
    LanguageManager* languages = LanguageManager::instance();
    if (languages->contains(key))
        return languages->text(key);
    const auto table = m_languageTables.constFind(m_currentLanguage);
    if (table != m_languageTables.constEnd() && table->contains(key))
        return table->value(key);
    return QString();
}

QStringList KIVQResourceManager::getLanguageList() const
{
    const QStringList managed = LanguageManager::instance()->languages();
    return managed.isEmpty() ? QStringList(m_languageTables.keys()) : managed;
}

QString KIVQResourceManager::getCurrentLanguage() const
{
    LanguageManager* languages = LanguageManager::instance();
    if (!languages->languages().isEmpty())
        return languages->currentLanguage();
    return m_languageTables.contains(m_currentLanguage) ? m_currentLanguage : QString();
}

bool KIVQResourceManager::setCurrentLanguage(const QString& id)
{
    LanguageManager* languages = LanguageManager::instance();
    if (!languages->languages().isEmpty())
        return languages->setLanguage(id);
    if (!m_languageTables.contains(id))
        return false;
    m_currentLanguage = id;
    notifyLanguageToWindows();
    return true;
}

void KIVQResourceManager::notifyLanguageToWindows()
{
    const QSet<QWidget*> windows = m_windows;
    for (QWidget* window : windows)
        notifyChangeLanguage(window);
}

// ---- global configuration ----

void KIVQResourceManager::setGlobalConfig(const KIVGlobalConfig& config)
{
    m_globalConfig = config;
    if (m_globalConfig.buttonFadeDuration < 1)
        m_globalConfig.buttonFadeDuration = 150;
    if (!m_globalConfig.fontFamily.isEmpty() && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QFont font = QApplication::font();
        font.setFamily(m_globalConfig.fontFamily);
        QApplication::setFont(font);
    }
    const QSet<QWidget*> windows = m_windows;
    for (QWidget* window : windows)
        notifyThemeChange(window);
    const QSet<QWidget*> designers = m_designerWindows;
    for (QWidget* window : designers)
        notifyThemeChange(window);
}

void KIVQResourceManager::setGlobalFontFamily(const QString& family)
{
    KIVGlobalConfig config = m_globalConfig;
    config.fontFamily = family;
    setGlobalConfig(config);
}

int KIVQResourceManager::getButtonFadeDuration() const
{
    return m_globalConfig.buttonFadeDuration > 0 ? m_globalConfig.buttonFadeDuration : 150;
}

// ---- paths ----

QString KIVQResourceManager::getSkinDirPath() const { return m_skinStore->dirPath; }

QString KIVQResourceManager::getFileSkinPath() const { return m_skinStore->filePath; }

QString KIVQResourceManager::getThemePath() const
{
    if (!m_themeStore)
        return QString();
    return m_themeStore->filePath.isEmpty() ? m_themeStore->dirPath : m_themeStore->filePath;
}

// ---- windows and change walks ----

bool KIVQResourceManager::registerWindow(QWidget* window)
{
    if (!window)
        return false;
    m_windows.insert(window);
    return true;
}

bool KIVQResourceManager::unregisterWindow(QWidget* window)
{
    return window && m_windows.remove(window);
}

bool KIVQResourceManager::registerDesignerWindow(QWidget* window)
{
    if (!window)
        return false;
    m_designerWindows.insert(window);
    return true;
}

bool KIVQResourceManager::unregisterDesignerWindow(QWidget* window)
{
    return window && m_designerWindows.remove(window);
}

bool KIVQResourceManager::themeChange()
{
    // Copies: a refresh may open or close a window, which changes the sets.
    const QSet<QWidget*> windows = m_windows;
    for (QWidget* window : windows)
        notifyThemeChange(window);
    const QSet<QWidget*> designers = m_designerWindows;
    for (QWidget* window : designers)
        notifyThemeChange(window);
    return true;
}

void KIVQResourceManager::notifyThemeChange(QWidget* widget)
{
    if (!widget)
        return;
    const QObjectList children = widget->children();
    for (QObject* child : children) {
        QWidget* w = qobject_cast<QWidget*>(child);
        if (!w)
            continue;
        if (auto* control = dynamic_cast<IKIVQWidgetBase*>(w)) {
            if (KIVQWidgetBase* base = control->getControlBase())
                base->refreshTheme();
        }
        notifyThemeChange(w);
    }
}

void KIVQResourceManager::notifyChangeLanguage(QWidget* widget)
{
    if (!widget)
        return;
    const QObjectList children = widget->children();
    for (QObject* child : children) {
        QWidget* w = qobject_cast<QWidget*>(child);
        if (!w)
            continue;
        if (auto* control = dynamic_cast<IKIVQWidgetBase*>(w))
            control->notifyChangeLanguage();
        notifyChangeLanguage(w);
    }
}

// ---- not yet built: resources, style document, theme loading ----

bool KIVQResourceManager::getResource(const QString& name, const char*& data, quint32& size,
                                      ResSourceType& source) const
{
    const QByteArray bytes = getResourceBytes(name, &source);
    if (bytes.isNull())
        return false;
    data = bytes.constData(); // shares the store's buffer
    size = quint32(bytes.size());
    return true;
}

QByteArray KIVQResourceManager::getResourceBytes(const QString& name, ResSourceType* source) const
{
    const QByteArray key = name.toLower().replace(QLatin1Char('\\'), QLatin1Char('/')).toUtf8();
    const std::string k(key.constData(), size_t(key.size()));
    const std::pair<KIVQResourceManagerImpl*, ResSourceType> order[] = {
        {m_projectStore, ResProject}, {m_skinStore, ResSkin}, {m_themeStore, ResTheme}};
    for (const auto& [store, type] : order) {
        if (!store)
            continue;
        if (const QByteArray* found = store->findFile(k)) {
            if (source)
                *source = type;
            return *found;
        }
    }
    if (source)
        *source = ResSkin;
    return QByteArray();
}

QImage* KIVQResourceManager::getImage(const QString&, bool) { return nullptr; }
QSvgRenderer* KIVQResourceManager::getSvgRenderer(const QString&) { return nullptr; }
void KIVQResourceManager::initDefaultImageRes() {}
void KIVQResourceManager::initDefaultStyleRes() {}

void KIVQResourceManager::releaseRes()
{
    m_skinStore->clearImagesExcept(QStringLiteral("IDB_"));
    m_skinStore->clearSvgs();
    m_skinStore->clearStyles();
}

void KIVQResourceManager::initFontRes(bool) {}
bool KIVQResourceManager::loadThemeDir(const QString&) { return false; }
bool KIVQResourceManager::loadThemeFile(const QString&) { return false; }
bool KIVQResourceManager::loadSkinFile(const QString&) { return false; }
bool KIVQResourceManager::loadSkinFile(const char*, int) { return false; }
bool KIVQResourceManager::setSkinDirPath(const QString&) { return false; }
bool KIVQResourceManager::setProjectDirPath(const QString&) { return false; }
QString KIVQResourceManager::toProjectStyleString() { return QString(); }
bool KIVQResourceManager::readStyle(KIVQResourceManagerImpl*, const Json::Value&) { return true; }
bool KIVQResourceManager::writeStyle(KIVQResourceManagerImpl* store, Json::Value&) const { return store; }
bool KIVQResourceManager::readLanguage(const QByteArray&) { return false; }

// ---- scopes ----

ThemeResScope::ThemeResScope(bool on)
    : m_saved(KIVQResourceManager::getInstance()->isLoadFromThemeRes())
{
    KIVQResourceManager::getInstance()->setSwitchToThemeRes(on);
}

ThemeResScope::~ThemeResScope() { KIVQResourceManager::getInstance()->setSwitchToThemeRes(m_saved); }

} // namespace KIVQtLib

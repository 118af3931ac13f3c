#pragma once

#include "KIVGlobalConfig.h"
#include "core/StyleTypes.h"

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

class QImage;
class QSvgRenderer;
class QWidget;

namespace KIVQtLib {

class KIVQResourceManagerImpl;

// A theme entry's "style" array as its controls read it, kept with the theme store that holds the entry.
struct ThemeStyleCache
{
    bool decoded = false;
    QVector<StyleEntry> entries;
};

enum ResSourceType
{
    ResSkin = 0,
    ResTheme = 1,
    ResProject = 2
};

// Keeper of everything a control takes from its theme. Three stores: the skin store (always there),
// the project store (a designer project) and the theme store (the running program's theme).
// Style lookups use exactly one store; raw files are searched project, skin, theme.
class KIVQTLIB_EXPORT KIVQResourceManager
{
public:
    static KIVQResourceManager* getInstance();
    Q_DISABLE_COPY(KIVQResourceManager)

    // Styles
    bool getFillStyle(const QString& name, FillStyle& style);
    bool getTextStyle(const QString& name, TextStyleDesc& style);
    const QVector<FillStyle>& getFillStyles() const;
    const QVector<TextStyleDesc>& getTextStyles() const;
    void setFillStyle(const QString& name, const FillStyle& style);
    void setFillStyle(KIVQResourceManagerImpl* store, const QString& name, const FillStyle& style);
    void setTextStyle(KIVQResourceManagerImpl* store, const QString& name, const TextStyleDesc& style);

    // Files, images, SVG
    bool getResource(const QString& name, const char*& data, quint32& size, ResSourceType& source) const;
    // The same bytes, shared; null when absent.
    QByteArray getResourceBytes(const QString& name, ResSourceType* source = nullptr) const;
    // fit, when valid, is the box the image is drawn in: a larger image comes scaled down into it.
    QImage* getImage(const QString& name, bool gray = false, const QSize& fit = QSize());
    QSvgRenderer* getSvgRenderer(const QString& name);

    // Theme entries of the theme store.
    Json::Value* getThemeJsonValue(const char* name);
    // The same for a control's theme name: each name is looked up once per loaded theme.
    Json::Value* themeEntry(const QString& name);
    // The decoded styles of one of those entries, dropped with the store; null for any other value.
    ThemeStyleCache* themeStyleCache(const Json::Value* entry);

    // Languages
    QString getString(const QString& key) const;
    QStringList getLanguageList() const;
    QString getCurrentLanguage() const;
    bool setCurrentLanguage(const QString& id);

    // Global configuration
    const KIVGlobalConfig& getGlobalConfig() const { return m_globalConfig; }
    void setGlobalConfig(const KIVGlobalConfig& config);
    void setGlobalFontFamily(const QString& family);
    QString getGlobalFontFamily() const { return m_globalConfig.fontFamily; }
    bool getButtonFadeEnabled() const { return m_globalConfig.buttonFadeEnabled; }
    int getButtonFadeDuration() const;

    float getScaleFactor() const { return m_scaleFactor; }
    void setScaleFactor(float factor);

    // Flags
    bool isCreatedByFile() const { return m_createdByFile; }
    void setCreatedByFile(bool on) { m_createdByFile = on; }
    bool isLoadFromThemeRes() const { return m_loadFromThemeRes; }
    void setSwitchToThemeRes(bool on) { m_loadFromThemeRes = on; }
    bool isProjectRes() const { return m_projectRes; }
    void setSwitchToProjectRes(bool on) { m_projectRes = on; }
    bool isDesigner() const { return m_designer; }
    void setIsDesigner(bool on) { m_designer = on; }

    // Stores
    KIVQResourceManagerImpl* getSkinManagerImpl() const { return m_skinStore.get(); }
    KIVQResourceManagerImpl* getProjectManagerImpl() const { return m_projectStore.get(); }
    KIVQResourceManagerImpl* getThemeManagerIml() const { return m_themeStore.get(); }
    QString getSkinDirPath() const;
    QString getFileSkinPath() const;
    QString getThemePath() const;

    // Windows that theme and language changes reach. Only top-level framework windows and designer
    // windows register; they unregister in their destructors.
    bool registerWindow(QWidget* window);
    bool unregisterWindow(QWidget* window);
    bool registerDesignerWindow(QWidget* window);
    bool unregisterDesignerWindow(QWidget* window);
    bool themeChange();

    // Start-up and release
    void initDefaultImageRes();
    void initDefaultStyleRes();
    void releaseRes();

    // Theme loading
    void initFontRes(bool fromFolder);
    bool loadThemeDir(const QString& path);
    bool loadThemeFile(const QString& path);
    bool loadSkinFile(const QString& path);
    bool loadSkinFile(const char* data, int size);
    bool setSkinDirPath(const QString& path);
    bool setProjectDirPath(const QString& path);

    // The project store's styles as a whole style document.
    QString toProjectStyleString();

    // The style document's "style" array into a store, and back.
    bool readStyle(KIVQResourceManagerImpl* store, const Json::Value& styles);
    bool writeStyle(KIVQResourceManagerImpl* store, Json::Value& styles) const;
    // The language table "language.txt" (UTF-16LE, CR LF rows, TAB cells); document names it in warnings.
    bool readLanguage(const QByteArray& bytes, const QString& document = QStringLiteral("language.txt"));

protected:
    void notifyThemeChange(QWidget* widget);
    void notifyChangeLanguage(QWidget* widget);

private:
    KIVQResourceManager();
    ~KIVQResourceManager();

    // The store that style lookups use now, or null when that store does not exist.
    KIVQResourceManagerImpl* styleStore() const;
    void notifyLanguageToWindows();
    // The stored file of a name, searched project, skin, theme; source is set either way.
    const QByteArray* findResource(const QString& name, ResSourceType& source) const;
    // Where an image or renderer from that source is cached.
    KIVQResourceManagerImpl* cacheStore(ResSourceType source) const;
    // The first existing file tried for a name that is not a decodable resource; empty when none.
    QString fallbackFile(const QString& name) const;
    // Replaces a whole store by fresh (taking it over); pointers handed out from the old one die with it.
    void installStore(std::unique_ptr<KIVQResourceManagerImpl>& slot, std::unique_ptr<KIVQResourceManagerImpl> fresh);
    void forgetMisses();
    // Adds a skin read aside into the skin store when its style document is sound.
    bool mergeSkin(KIVQResourceManagerImpl& incoming, bool withLanguageTable);

    bool m_createdByFile = false;
    bool m_loadFromThemeRes = false;
    bool m_projectRes = false;
    bool m_designer = false;
    float m_scaleFactor = 100.0f;
    KIVGlobalConfig m_globalConfig;
    QString m_currentLanguage; // key into m_languageTables while m_currentLanguageSet
    bool m_currentLanguageSet = false;
    QMap<QString, QMap<QString, QString>> m_languageTables;
    QSet<QWidget*> m_windows;
    QSet<QWidget*> m_designerWindows;
    std::unique_ptr<KIVQResourceManagerImpl> m_skinStore;
    std::unique_ptr<KIVQResourceManagerImpl> m_projectStore;
    std::unique_ptr<KIVQResourceManagerImpl> m_themeStore;
    // Names that decoded to nothing, so that paint does not retry the decode (and its file look-ups)
    // on every frame. Forgotten whenever a store, the skin folder or the scale factor changes.
    QSet<QString> m_imageMisses;
    QSet<QString> m_svgMisses;
};

// Marks the time a page or menu is built from a file.
class KIVQTLIB_EXPORT CreatedByFileGuard
{
public:
    CreatedByFileGuard() { KIVQResourceManager::getInstance()->setCreatedByFile(true); }
    ~CreatedByFileGuard() { KIVQResourceManager::getInstance()->setCreatedByFile(false); }
    Q_DISABLE_COPY(CreatedByFileGuard)
};

// Sets the loading-from-theme flag for a scope and restores what it was, so a redirect into a theme
// entry can never leak past the read that made it.
class KIVQTLIB_EXPORT ThemeResScope
{
public:
    explicit ThemeResScope(bool on);
    ~ThemeResScope();
    Q_DISABLE_COPY(ThemeResScope)

private:
    bool m_saved;
};

} // namespace KIVQtLib

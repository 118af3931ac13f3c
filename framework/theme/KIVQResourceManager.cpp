#include "KIVQResourceManager.h"

#include "ImageFiles.h"
#include "KIVQResourceManagerImpl.h"
#include "KIVZipArchive.h"
#include "LanguageManager.h"
#include "ThemeDocuments.h"
#include "ThemeReader.h"
#include "core/ControlWalk.h"
#include "core/IKIVQWidgetBase.h"
#include "core/JsonRead.h"
#include "core/Limits.h"

#include <json/json.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

namespace KIVQtLib {

namespace {

// The style list of a style document; false when the bytes are empty, do not parse or hold no list.
bool styleListOf(const QByteArray& body, Json::Value& root, const Json::Value*& styles)
{
    return json::parse(body, root, QStringLiteral("style.json")) && themedoc::styleList(root, styles);
}

// Reads a style document's list into the store; false, store untouched, when there is none.
bool applyStyleDocument(KIVQResourceManager& rm, KIVQResourceManagerImpl* store, const QByteArray& body)
{
    Json::Value root;
    const Json::Value* styles = nullptr;
    if (!styleListOf(body, root, styles))
        return false;
    rm.readStyle(store, *styles);
    return true;
}

// The skin folder is kept with a trailing backslash; files are opened with slashes.
QString withSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// Image and SVG caches are searched skin, project, theme.
template <class T>
T* findCached(const std::array<KIVQResourceManagerImpl*, 3>& stores, const QString& key,
              T* (KIVQResourceManagerImpl::*cached)(const QString&) const)
{
    for (const KIVQResourceManagerImpl* store : stores) {
        if (T* hit = store ? (store->*cached)(key) : nullptr)
            return hit;
    }
    return nullptr;
}

// Walks a copy, since a refresh may open or close a window; a window that an earlier one's refresh
// deleted has unregistered itself by then and is passed over.
template <class Visit> void forEachRegistered(const QSet<QWidget*>& registered, Visit visit)
{
    const QSet<QWidget*> windows = registered;
    for (QWidget* window : windows) {
        if (registered.contains(window))
            visit(window);
    }
}

// Applies the style document and the theme entries of a freshly read store; null when either fails.
std::unique_ptr<KIVQResourceManagerImpl>
finishStore(KIVQResourceManager& rm, std::unique_ptr<KIVQResourceManagerImpl> store, bool indexThemeEntries)
{
    // The last "style.json" read is the one that counts.
    if (store->styleFiles.isEmpty() || !applyStyleDocument(rm, store.get(), store->styleFiles.last()))
        return nullptr;
    if (!themedoc::readThemeDocument(*store, indexThemeEntries))
        return nullptr;
    return store;
}

} // namespace

KIVQResourceManager* KIVQResourceManager::getInstance()
{
    static KIVQResourceManager manager;
    return &manager;
}

KIVQResourceManager::KIVQResourceManager() : m_skinStore(std::make_unique<KIVQResourceManagerImpl>())
{
    QObject::connect(LanguageManager::instance(), &LanguageManager::languageChanged,
                     [this](const QString&) { notifyLanguageToWindows(); });
}

KIVQResourceManager::~KIVQResourceManager()
{
    releaseRes();
}

// ---- styles ----

KIVQResourceManagerImpl* KIVQResourceManager::styleStore() const
{
    if (m_loadFromThemeRes)
        return m_themeStore.get();
    if (m_projectRes)
        return m_projectStore.get();
    return m_skinStore.get();
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
    setFillStyle(m_projectRes ? m_projectStore.get() : m_skinStore.get(), name, style);
}

void KIVQResourceManager::setFillStyle(KIVQResourceManagerImpl* store, const QString& name, const FillStyle& style)
{
    if (store)
        store->putFillStyle(name, style);
}

void KIVQResourceManager::setTextStyle(KIVQResourceManagerImpl* store, const QString& name, const TextStyleDesc& style)
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

Json::Value* KIVQResourceManager::themeEntry(const QString& name)
{
    if (!m_themeStore)
        return nullptr;
    QHash<QString, const Json::Value*>& names = m_themeStore->themeEntryNames;
    const auto found = names.constFind(name);
    if (found != names.constEnd())
        return const_cast<Json::Value*>(*found);
    Json::Value* entry = getThemeJsonValue(name.toUtf8().constData());
    names.insert(name, entry);
    return entry;
}

ThemeStyleCache* KIVQResourceManager::themeStyleCache(const Json::Value* entry)
{
    if (!m_themeStore || !entry)
        return nullptr;
    auto& cache = m_themeStore->themeStyleCache;
    const auto found = cache.find(entry);
    if (found != cache.end())
        return &found->second;
    for (const auto& indexed : m_themeStore->themeIndex) {
        if (indexed.second == entry)
            return &cache[entry];
    }
    return nullptr;
}

// ---- languages ----

QString KIVQResourceManager::getString(const QString& key) const
{
    LanguageManager* languages = LanguageManager::instance();
    if (languages->contains(key))
        return languages->text(key);
    if (!m_currentLanguageSet)
        return QString();
    const auto table = m_languageTables.constFind(m_currentLanguage);
    return table == m_languageTables.constEnd() ? QString() : table->value(key);
}

QStringList KIVQResourceManager::getLanguageList() const
{
    const QStringList managed = LanguageManager::instance()->languages();
    return managed.isEmpty() ? QStringList(m_languageTables.keys()) : managed;
}

QString KIVQResourceManager::getCurrentLanguage() const
{
    LanguageManager* languages = LanguageManager::instance();
    if (languages->hasLanguages())
        return languages->currentLanguage();
    return m_currentLanguageSet ? m_currentLanguage : QString();
}

bool KIVQResourceManager::setCurrentLanguage(const QString& id)
{
    LanguageManager* languages = LanguageManager::instance();
    if (languages->hasLanguages())
        return languages->setLanguage(id);
    if (!m_languageTables.contains(id))
        return false;
    m_currentLanguage = id;
    m_currentLanguageSet = true;
    notifyLanguageToWindows();
    return true;
}

void KIVQResourceManager::notifyLanguageToWindows()
{
    forEachRegistered(m_windows, [this](QWidget* window) { notifyChangeLanguage(window); });
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
    themeChange();
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

void KIVQResourceManager::setScaleFactor(float factor)
{
    m_scaleFactor = factor;
    forgetMisses(); // an image scaled to nothing may have a size now
}

// ---- paths ----

QString KIVQResourceManager::getSkinDirPath() const
{
    return m_skinStore->dirPath;
}

QString KIVQResourceManager::getFileSkinPath() const
{
    return m_skinStore->filePath;
}

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
    forEachRegistered(m_windows, [this](QWidget* window) { notifyThemeChange(window); });
    forEachRegistered(m_designerWindows, [this](QWidget* window) { notifyThemeChange(window); });
    return true;
}

void KIVQResourceManager::notifyThemeChange(QWidget* widget)
{
    kivForEachDescendantControl(widget, &kivRefreshTheme);
}

void KIVQResourceManager::notifyChangeLanguage(QWidget* widget)
{
    kivForEachDescendantControl(widget, [](IKIVQWidgetBase* control) { control->notifyChangeLanguage(); });
}

// ---- files, images, SVG ----

const QByteArray* KIVQResourceManager::findResource(const QString& name, ResSourceType& source) const
{
    const std::string key = KIVQResourceManagerImpl::resourceKey(name);
    const std::pair<KIVQResourceManagerImpl*, ResSourceType> order[] = {
        {m_projectStore.get(), ResProject}, {m_skinStore.get(), ResSkin}, {m_themeStore.get(), ResTheme}};
    for (const auto& [store, type] : order) {
        if (const QByteArray* found = store ? store->findFile(key) : nullptr) {
            source = type;
            return found;
        }
    }
    source = ResSkin;
    return nullptr;
}

bool KIVQResourceManager::getResource(const QString& name, const char*& data, quint32& size,
                                      ResSourceType& source) const
{
    const QByteArray* found = findResource(name, source);
    if (!found)
        return false;
    data = found->constData(); // owned by the store
    size = quint32(found->size());
    return true;
}

QByteArray KIVQResourceManager::getResourceBytes(const QString& name, ResSourceType* source) const
{
    ResSourceType ignored = ResSkin;
    const QByteArray* found = findResource(name, source ? *source : ignored);
    return found ? *found : QByteArray();
}

KIVQResourceManagerImpl* KIVQResourceManager::cacheStore(ResSourceType source) const
{
    KIVQResourceManagerImpl* store = source == ResProject ? m_projectStore.get()
                                     : source == ResTheme ? m_themeStore.get()
                                                          : m_skinStore.get();
    return store ? store : m_skinStore.get();
}

QString KIVQResourceManager::fallbackFile(const QString& name) const
{
    const QString dir = withSlashes(m_skinStore->dirPath);
    for (const QString& path : {dir + name, name, dir + QLatin1String("images/") + name}) {
        const QFileInfo file(path);
        if (file.isFile() && file.size() <= limits::kMaxFileSize)
            return path;
    }
    return QString();
}

void KIVQResourceManager::forgetMisses()
{
    m_imageMisses.clear();
    m_svgMisses.clear();
}

QImage* KIVQResourceManager::getImage(const QString& name, bool gray, const QSize& fit)
{
    const std::array<KIVQResourceManagerImpl*, 3> stores{m_skinStore.get(), m_projectStore.get(), m_themeStore.get()};
    const QString grey = gray ? QStringLiteral("_gray") : QString();
    const QString whole = name + grey;
    // A NUL, which no file name holds, parts the name from the box: no name is taken for another's copy.
    const QString key = fit.isValid() ? name + QChar(0) + QString::number(fit.width()) + QLatin1Char('x') +
                                            QString::number(fit.height()) + grey
                                      : whole;
    if (QImage* cached = findCached(stores, key, &KIVQResourceManagerImpl::cachedImage))
        return cached;
    // An image held whole is drawn as it is when it fits the box, or when a smaller copy cannot be made
    // (one a program put in the cache itself).
    QImage* held = fit.isValid() ? findCached(stores, whole, &KIVQResourceManagerImpl::cachedImage) : nullptr;
    if (held && held->width() <= fit.width() && held->height() <= fit.height())
        return held;
    // A name with no image has no grey variant either; it is not decoded again to find that out.
    const QString plain = key.left(key.size() - grey.size());
    if (m_imageMisses.contains(key) || (gray && m_imageMisses.contains(plain)))
        return held;

    imageio::ImageRequest request;
    request.fit = fit;
    request.grey = gray;
    request.scale = m_scaleFactor;
    ResSourceType source = ResSkin;
    const QByteArray* bytes = findResource(name, source);
    QImage image;
    if (bytes) {
        imageio::decode(*bytes, cacheStore(source)->imageSource(KIVQResourceManagerImpl::resourceKey(name)), name,
                        image, request);
    }
    if (image.isNull()) {
        const QString path = fallbackFile(name);
        if (!path.isEmpty())
            imageio::readImage(path, image, request);
    }
    // Nothing to show gives null, not an empty image: painters treat both alike, and null needs no owner.
    if (image.width() == 0 || image.height() == 0) {
        m_imageMisses.insert(key);
        return held;
    }
    auto* result = new QImage(image);
    cacheStore(source)->cacheImage(key, result);
    return result;
}

QSvgRenderer* KIVQResourceManager::getSvgRenderer(const QString& name)
{
    if (QSvgRenderer* cached = findCached({m_skinStore.get(), m_projectStore.get(), m_themeStore.get()}, name,
                                          &KIVQResourceManagerImpl::cachedSvg))
        return cached;
    if (m_svgMisses.contains(name))
        return nullptr;

    ResSourceType source = ResSkin;
    const QByteArray* bytes = findResource(name, source);
    auto renderer = std::make_unique<QSvgRenderer>();
    const QByteArray document = bytes ? imageio::svgDocument(*bytes, name) : QByteArray();
    bool loaded = !document.isEmpty() && renderer->load(document);
    if (!loaded) {
        const QString path = fallbackFile(name);
        const QByteArray file = path.isEmpty() ? QByteArray() : imageio::readSvgFile(path);
        loaded = !file.isEmpty() && renderer->load(file);
    }
    if (!loaded || !renderer->isValid()) {
        m_svgMisses.insert(name);
        return nullptr;
    }
    QSvgRenderer* result = renderer.release();
    cacheStore(source)->cacheSvg(name, result);
    return result;
}

// ---- built-in resources ----

void KIVQResourceManager::initDefaultImageRes()
{
    const QColor grey(204, 204, 204);
    const QRect square(1, 1, 14, 14);
    auto paint = [&](const char* name, const std::function<void(QPainter&)>& draw) {
        auto* image = new QImage(16, 16, QImage::Format_ARGB32);
        image->fill(0);
        {
            QPainter p(image);
            p.setPen(QPen(grey, 1));
            p.setBrush(Qt::NoBrush);
            draw(p);
        }
        m_skinStore->cacheImage(QString::fromLatin1(name), image);
    };
    paint("IDB_UNSELECT", [&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(square);
    });
    paint("IDB_SELECTED", [&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(square);
        p.setBrush(QBrush(grey));
        p.drawEllipse(QPointF(8.0, 8.0), 4.0, 4.0);
    });
    paint("IDB_UNCHECK", [&](QPainter& p) { p.drawRect(square); });
    paint("IDB_CHECKED", [&](QPainter& p) {
        p.drawRect(square);
        p.setRenderHint(QPainter::Antialiasing);
        const QPoint tick[] = {{4, 9}, {8, 13}, {14, 3}};
        p.drawPolyline(tick, 3);
    });
    forgetMisses();
}

void KIVQResourceManager::initDefaultStyleRes()
{
    QFile file(QStringLiteral(":/style/resources/style/defaultStyle.json"));
    if (file.size() > 0 && file.open(QIODevice::ReadOnly))
        applyStyleDocument(*this, m_skinStore.get(), file.readAll());
}

void KIVQResourceManager::releaseRes()
{
    m_skinStore->clearImagesExcept(QStringLiteral("IDB_"));
    m_skinStore->clearSvgs();
    m_skinStore->clearStyles();
    forgetMisses();
}

// ---- style document ----

bool KIVQResourceManager::readStyle(KIVQResourceManagerImpl* store, const Json::Value& styles)
{
    if (store)
        themedoc::readStyleList(*store, styles, m_scaleFactor);
    return true;
}

bool KIVQResourceManager::writeStyle(KIVQResourceManagerImpl* store, Json::Value& styles) const
{
    if (!store)
        return false;
    if (!styles.isArray())
        styles = Json::Value(Json::arrayValue);
    for (const FillStyle& style : store->fillStyles)
        styles.append(themedoc::writeFillStyle(style));
    for (const TextStyleDesc& style : store->textStyles)
        styles.append(themedoc::writeTextStyle(style));
    return true;
}

QString KIVQResourceManager::toProjectStyleString()
{
    Json::Value styles;
    writeStyle(m_projectStore.get(), styles);
    Json::Value root(Json::objectValue);
    root["style"] = styles;
    const std::string text = Json::StyledWriter().write(root);
    // The writer escapes everything outside ASCII, so this equals the Latin-1 reading of the bytes.
    return QString::fromUtf8(text.data(), int(text.size()));
}

// ---- language table ----

bool KIVQResourceManager::readLanguage(const QByteArray& bytes, const QString& document)
{
    themedoc::LanguageTable table;
    if (!themedoc::parseLanguageTable(bytes, table, document))
        return false;
    // A language the table names is replaced as a whole; two columns of one name share a table.
    for (const QString& id : qAsConst(table.languages))
        m_languageTables[id].clear();
    if (!m_currentLanguageSet) {
        m_currentLanguage = table.languages.first();
        m_currentLanguageSet = true;
    }
    for (const QStringList& cells : qAsConst(table.rows)) {
        const int n = qMin(cells.size() - 1, table.languages.size());
        for (int c = 0; c < n; ++c)
            m_languageTables[table.languages.at(c)].insert(cells.first(), cells.at(c + 1));
    }
    return true;
}

// ---- theme loading ----

bool KIVQResourceManager::loadThemeDir(const QString& path)
{
    if (m_themeStore && !path.isEmpty() && m_themeStore->dirPath == path)
        return true;
    // Built aside and installed only when whole, so a failed load leaves the running theme working.
    auto fresh = std::make_unique<KIVQResourceManagerImpl>();
    fresh->dirPath = path;
    if (!themeio::readDirectory(*fresh, path))
        return false;
    fresh = finishStore(*this, std::move(fresh), true);
    if (!fresh)
        return false;
    installStore(m_themeStore, std::move(fresh));
    themeChange();
    return true;
}

void KIVQResourceManager::installStore(std::unique_ptr<KIVQResourceManagerImpl>& slot,
                                       std::unique_ptr<KIVQResourceManagerImpl> fresh)
{
    slot = std::move(fresh);
    forgetMisses();
}

bool KIVQResourceManager::setProjectDirPath(const QString& path)
{
    auto fresh = std::make_unique<KIVQResourceManagerImpl>();
    fresh->filePath = path;
    if (!themeio::readDirectory(*fresh, path))
        return false;
    // Theme entries are only ever taken from the theme store, so the project's are not indexed.
    fresh = finishStore(*this, std::move(fresh), false);
    if (!fresh)
        return false;
    installStore(m_projectStore, std::move(fresh));
    return true;
}

bool KIVQResourceManager::setSkinDirPath(const QString& path)
{
    if (path.isEmpty())
        return false;
    m_skinStore->dirPath = path.endsWith(QLatin1Char('\\')) ? path : path + QLatin1Char('\\');
    forgetMisses(); // the image fall-backs look in the skin folder
    const QString dir = withSlashes(m_skinStore->dirPath);

    QByteArray style;
    if (themeio::readFileBounded(dir + QLatin1String("style.json"), limits::kMaxFileSize, style) != themeio::FileOk ||
        style.isEmpty() || !applyStyleDocument(*this, m_skinStore.get(), style))
        return false;

    QByteArray language;
    const QString languagePath = dir + QLatin1String("language.txt");
    if (themeio::readFileBounded(languagePath, limits::kMaxFileSize, language) == themeio::FileOk &&
        !language.isEmpty())
        readLanguage(language, languagePath);
    return true;
}

void KIVQResourceManager::initFontRes(bool fromFolder)
{
    auto record = [this](int id) {
        if (id == -1)
            return;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            m_skinStore->fontFamilies.insert(families.first(), id);
    };
    if (fromFolder) {
        const QString folder = withSlashes(m_skinStore->dirPath) + QLatin1String("/fonts/");
        const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files);
        for (const QFileInfo& entry : entries)
            record(QFontDatabase::addApplicationFont(folder + entry.fileName()));
        return;
    }
    for (const auto& [key, body] : m_skinStore->files) {
        // Each skin load walks all the skin's files; a font already installed is not installed twice.
        if (key.size() < 5 || key.find("fonts") == std::string::npos || !m_skinStore->installedFonts.insert(key).second)
            continue;
        record(QFontDatabase::addApplicationFontFromData(body));
    }
}

bool KIVQResourceManager::loadThemeFile(const QString& path)
{
    const std::unique_ptr<KIVZipArchive> archive = KIVZipArchive::openByPath(path);
    if (!archive)
        return false;
    auto fresh = std::make_unique<KIVQResourceManagerImpl>();
    fresh->filePath = path;
    if (!themeio::readArchive(*fresh, *archive))
        return false;
    fresh = finishStore(*this, std::move(fresh), true);
    if (!fresh)
        return false;
    // No theme change here: the caller refreshes its windows when it wants to.
    installStore(m_themeStore, std::move(fresh));
    return true;
}

bool KIVQResourceManager::mergeSkin(KIVQResourceManagerImpl& incoming, bool withLanguageTable)
{
    // The skin only grows, so everything is checked before anything is added: a skin that fails
    // leaves the skin store as it was.
    const QByteArray* body = !incoming.styleFiles.isEmpty()       ? &incoming.styleFiles.last()
                             : !m_skinStore->styleFiles.isEmpty() ? &m_skinStore->styleFiles.last()
                                                                  : nullptr;
    Json::Value root;
    const Json::Value* styles = nullptr;
    if (!body || !styleListOf(*body, root, styles))
        return false;

    for (const auto& [key, bytes] : incoming.files)
        m_skinStore->insertFile(key, bytes);
    forgetMisses();
    m_skinStore->styleFiles += incoming.styleFiles;
    initFontRes(false);
    readStyle(m_skinStore.get(), *styles);
    if (withLanguageTable) {
        // The table may be an earlier skin's, when this one brings none.
        const QString from = incoming.findFile("language.txt") ? incoming.filePath : m_skinStore->filePath;
        if (const QByteArray* table = m_skinStore->findFile("language.txt"))
            readLanguage(*table, from + QLatin1String(": language.txt"));
    }
    return true;
}

bool KIVQResourceManager::loadSkinFile(const QString& path)
{
    const std::unique_ptr<KIVZipArchive> archive = KIVZipArchive::openByPath(path);
    if (!archive)
        return false;
    KIVQResourceManagerImpl incoming;
    incoming.filePath = path;
    if (!themeio::readArchive(incoming, *archive) || !mergeSkin(incoming, true))
        return false;
    m_skinStore->filePath = path;
    return true;
}

bool KIVQResourceManager::loadSkinFile(const char* data, int size)
{
    if (!data || size <= 0)
        return false;
    const std::unique_ptr<KIVZipArchive> archive = KIVZipArchive::openFromMemory(data, size);
    if (!archive)
        return false;
    KIVQResourceManagerImpl incoming;
    return themeio::readArchive(incoming, *archive) && mergeSkin(incoming, false);
}

// ---- scopes ----

ThemeResScope::ThemeResScope(bool on) : m_saved(KIVQResourceManager::getInstance()->isLoadFromThemeRes())
{
    KIVQResourceManager::getInstance()->setSwitchToThemeRes(on);
}

ThemeResScope::~ThemeResScope()
{
    KIVQResourceManager::getInstance()->setSwitchToThemeRes(m_saved);
}

} // namespace KIVQtLib

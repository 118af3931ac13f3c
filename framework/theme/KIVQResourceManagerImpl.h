#pragma once

#include "KIVQResourceManager.h"
#include "core/StyleTypes.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QMap>
#include <QString>
#include <QSvgRenderer>
#include <QVector>

#include <map>
#include <memory>
#include <set>
#include <string>

namespace KIVQtLib {

// One store of theme resources: the skin store, the project store or the theme store.
// Owns everything it holds; deleting it invalidates every pointer handed out from it.
class KIVQTLIB_EXPORT KIVQResourceManagerImpl
{
public:
    KIVQResourceManagerImpl();
    ~KIVQResourceManagerImpl();
    Q_DISABLE_COPY(KIVQResourceManagerImpl)

    // Resource names are compared without regard to case and separator: lower-cased (all of Unicode,
    // so names outside ASCII match whatever their case), backslashes as slashes, UTF-8.
    static std::string resourceKey(const QString& name);

    // The first file of a name is kept.
    void insertFile(const std::string& key, const QByteArray& bytes);
    const QByteArray* findFile(const std::string& key) const;

    bool findFillStyle(const QString& name, FillStyle& out) const;
    bool findTextStyle(const QString& name, TextStyleDesc& out) const;
    // Replaces a style of the same name in place, else appends it.
    void putFillStyle(const QString& name, const FillStyle& style);
    void putTextStyle(const QString& name, const TextStyleDesc& style);
    void clearStyles();

    // The name under which a file of this store is shared as a decoded image: no other store's file, nor
    // another file of this one, is ever known by it.
    QString imageSource(const std::string& key) const;

    QImage* cachedImage(const QString& key) const;
    void cacheImage(const QString& key, QImage* image); // takes ownership, replaces an entry of that key
    QSvgRenderer* cachedSvg(const QString& key) const;
    void cacheSvg(const QString& key, QSvgRenderer* renderer); // takes ownership
    void clearImagesExcept(const QString& keepMarker);
    void clearSvgs();

    std::unique_ptr<Json::Value> themeDocument;                    // parsed "theme.json", null when none
    std::map<std::string, QByteArray> files;                       // lower-cased name to bytes
    std::map<std::string, const Json::Value*> themeIndex;          // entry "name" to entry inside themeDocument
    std::map<const Json::Value*, ThemeStyleCache> themeStyleCache; // filled as controls read the entries
    QHash<QString, const Json::Value*> themeEntryNames;            // names controls asked for; null: no entry
    QVector<QByteArray> styleFiles;                                // every "style.json" read, in reading order
    QString dirPath;
    QString filePath;
    std::map<QString, std::unique_ptr<QImage>> imageCache;
    std::map<QString, std::unique_ptr<QSvgRenderer>> svgCache;
    QVector<FillStyle> fillStyles;
    QVector<TextStyleDesc> textStyles;
    QMap<QString, int> fontFamilies;
    std::set<std::string> installedFonts; // file keys already handed to the font database
    QMap<QString, int> fillStyleIndex;
    QMap<QString, int> textStyleIndex;

private:
    const quint64 m_serial; // never reused, so that a later store's files are never taken for this one's
};

} // namespace KIVQtLib

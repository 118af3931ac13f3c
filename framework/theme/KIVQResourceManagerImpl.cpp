#include "KIVQResourceManagerImpl.h"

#include <json/json.h>

#include <QImage>
#include <QSvgRenderer>

namespace KIVQtLib {

namespace {

quint64 nextSerial()
{
    static quint64 serial = 0;
    return ++serial;
}

} // namespace

KIVQResourceManagerImpl::KIVQResourceManagerImpl() : m_serial(nextSerial()) {}

KIVQResourceManagerImpl::~KIVQResourceManagerImpl() = default;

std::string KIVQResourceManagerImpl::resourceKey(const QString& name)
{
    const QByteArray key = name.toLower().replace(QLatin1Char('\\'), QLatin1Char('/')).toUtf8();
    return std::string(key.constData(), size_t(key.size()));
}

void KIVQResourceManagerImpl::insertFile(const std::string& key, const QByteArray& bytes)
{
    files.emplace(key, bytes);
}

const QByteArray* KIVQResourceManagerImpl::findFile(const std::string& key) const
{
    const auto it = files.find(key);
    return it == files.end() ? nullptr : &it->second;
}

bool KIVQResourceManagerImpl::findFillStyle(const QString& name, FillStyle& out) const
{
    const auto it = fillStyleIndex.constFind(name);
    if (it == fillStyleIndex.constEnd() || *it < 0 || *it >= fillStyles.size())
        return false;
    out = fillStyles.at(*it);
    return true;
}

bool KIVQResourceManagerImpl::findTextStyle(const QString& name, TextStyleDesc& out) const
{
    const auto it = textStyleIndex.constFind(name);
    if (it == textStyleIndex.constEnd() || *it < 0 || *it >= textStyles.size())
        return false;
    out = textStyles.at(*it);
    return true;
}

void KIVQResourceManagerImpl::putFillStyle(const QString& name, const FillStyle& style)
{
    const auto it = fillStyleIndex.constFind(name);
    if (it != fillStyleIndex.constEnd() && *it >= 0 && *it < fillStyles.size()) {
        fillStyles[*it] = style;
        return;
    }
    fillStyles.append(style);
    fillStyleIndex.insert(name, fillStyles.size() - 1);
}

void KIVQResourceManagerImpl::putTextStyle(const QString& name, const TextStyleDesc& style)
{
    const auto it = textStyleIndex.constFind(name);
    if (it != textStyleIndex.constEnd() && *it >= 0 && *it < textStyles.size()) {
        textStyles[*it] = style;
        return;
    }
    textStyles.append(style);
    textStyleIndex.insert(name, textStyles.size() - 1);
}

void KIVQResourceManagerImpl::clearStyles()
{
    fillStyles.clear();
    textStyles.clear();
    fillStyleIndex.clear();
    textStyleIndex.clear();
}

namespace {

template <class T> T* cached(const std::map<QString, std::unique_ptr<T>>& cache, const QString& key)
{
    const auto it = cache.find(key);
    return it == cache.end() ? nullptr : it->second.get();
}

// Caching the object already cached under the key keeps it; anything else replaces it.
template <class T> void cache(std::map<QString, std::unique_ptr<T>>& cache, const QString& key, T* item)
{
    std::unique_ptr<T>& slot = cache[key];
    if (slot.get() != item)
        slot.reset(item);
}

} // namespace

QString KIVQResourceManagerImpl::imageSource(const std::string& key) const
{
    return QLatin1Char('#') + QString::number(m_serial) + QLatin1Char('/') + QString::fromStdString(key);
}

QImage* KIVQResourceManagerImpl::cachedImage(const QString& key) const
{
    return cached(imageCache, key);
}

void KIVQResourceManagerImpl::cacheImage(const QString& key, QImage* image)
{
    cache(imageCache, key, image);
}

QSvgRenderer* KIVQResourceManagerImpl::cachedSvg(const QString& key) const
{
    return cached(svgCache, key);
}

void KIVQResourceManagerImpl::cacheSvg(const QString& key, QSvgRenderer* renderer)
{
    cache(svgCache, key, renderer);
}

void KIVQResourceManagerImpl::clearImagesExcept(const QString& keepMarker)
{
    for (auto it = imageCache.begin(); it != imageCache.end();) {
        if (it->first.contains(keepMarker))
            ++it;
        else
            it = imageCache.erase(it);
    }
}

void KIVQResourceManagerImpl::clearSvgs()
{
    svgCache.clear();
}

} // namespace KIVQtLib

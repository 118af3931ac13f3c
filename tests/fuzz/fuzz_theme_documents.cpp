// Feeds arbitrary bytes to the readers of a theme's documents: the style document and the theme entries
// (the language table has a target of its own). The input is [u16 style length][u16 theme length][style]
// [theme] (little-endian lengths, cut to what is there; bytes past them are left alone). Aborts when a
// reader breaks a promise: a style list written back must read and write to the same document, and every
// indexed theme entry is an object.
#include "core/JsonRead.h"
#include "theme/KIVQResourceManagerImpl.h"
#include "theme/ThemeDocuments.h"

#include <json/json.h>

#include <cstdint>
#include <cstdlib>

using namespace KIVQtLib;

namespace {

Json::Value writeAll(const KIVQResourceManagerImpl& store)
{
    Json::Value list(Json::arrayValue);
    for (const FillStyle& style : store.fillStyles)
        list.append(themedoc::writeFillStyle(style));
    for (const TextStyleDesc& style : store.textStyles)
        list.append(themedoc::writeTextStyle(style));
    return list;
}

void styleDocument(const QByteArray& bytes)
{
    Json::Value root;
    const Json::Value* list = nullptr;
    if (!json::parse(bytes, root) || !themedoc::styleList(root, list))
        return;
    KIVQResourceManagerImpl first;
    themedoc::readStyleList(first, *list, 100.0f);
    KIVQResourceManagerImpl scaled;
    themedoc::readStyleList(scaled, *list, 0.37f);
    if (first.fillStyles.size() != scaled.fillStyles.size() || first.textStyles.size() != scaled.textStyles.size())
        abort();

    // Through text, as a saved document comes back.
    const Json::Value written = writeAll(first);
    Json::Value document(Json::objectValue);
    document["style"] = written;
    const std::string text = Json::StyledWriter().write(document);
    Json::Value reread;
    const Json::Value* rereadList = nullptr;
    if (!json::parse(QByteArray::fromStdString(text), reread) || !themedoc::styleList(reread, rereadList))
        abort();
    KIVQResourceManagerImpl second;
    themedoc::readStyleList(second, *rereadList, 100.0f);
    if (writeAll(second) != written)
        abort();
}

void themeDocument(const QByteArray& bytes)
{
    KIVQResourceManagerImpl store;
    store.insertFile("theme.json", bytes);
    if (!themedoc::readThemeDocument(store, true)) {
        if (store.themeDocument || !store.themeIndex.empty())
            abort();
        return;
    }
    for (const auto& entry : store.themeIndex) {
        if (!entry.second || !entry.second->isObject())
            abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* p = reinterpret_cast<const char*>(data);
    auto take = [&](size_t n) {
        n = n < size ? n : size;
        QByteArray part(p, int(n));
        p += n;
        size -= n;
        return part;
    };
    auto length = [&]() -> size_t {
        const QByteArray two = take(2);
        return two.size() < 2 ? 0 : size_t(uint8_t(two[0])) | size_t(uint8_t(two[1])) << 8;
    };
    const size_t styleLength = length();
    const size_t themeLength = length();
    styleDocument(take(styleLength));
    themeDocument(take(themeLength));
    return 0;
}

#include "ThemeDocuments.h"

#include "KIVQResourceManagerImpl.h"
#include "core/JsonRead.h"
#include "core/Limits.h"

#include <json/json.h>

#include <memory>

namespace KIVQtLib {
namespace themedoc {

namespace {

// The first max cells of a row, split at its TABs; the rest of the row is not looked at.
QStringList leadingCells(const QStringRef& row, int max)
{
    QStringList cells;
    for (int from = 0; cells.size() < max;) {
        const int tab = row.indexOf(QLatin1Char('\t'), from);
        cells << row.mid(from, tab < 0 ? -1 : tab - from).toString();
        if (tab < 0)
            break;
        from = tab + 1;
    }
    return cells;
}

QColor colourOr(const Json::Value& e, const char* key, const char* fallback, bool keepAlpha)
{
    std::string hex;
    if (!json::read(e, key, hex))
        hex = fallback;
    return json::hexToColor(hex, keepAlpha);
}

// Four ints in the order top, right, bottom, left; anything else reads as no margins.
bool readMargins(const Json::Value& e, int (&out)[4])
{
    const Json::Value* list = json::array(e, "margin", 4);
    if (!list)
        return false;
    int v[4];
    for (Json::ArrayIndex i = 0; i < 4; ++i) {
        if (!json::toInt((*list)[i], v[i]))
            return false;
    }
    out[ImageDesc::Top] = v[0];
    out[ImageDesc::Right] = v[1];
    out[ImageDesc::Bottom] = v[2];
    out[ImageDesc::Left] = v[3];
    return true;
}

} // namespace

FillStyle readFillStyle(const Json::Value& e, float scale)
{
    FillStyle s;
    s.name = json::stringOr(e, "name", QString());
    s.draw = s.name != QLatin1String("empty");
    FillRes& r = s.res;
    r.border = json::boolOr(e, "border", false);
    r.borderSize = json::intOr(e, "borderSize", 1);
    r.borderColour = colourOr(e, "borderclr", "ffffffff", true);
    s.colourFill = !json::boolOr(e, "drawImg", true);
    r.colour = colourOr(e, "clr", "ffffffff", true);
    r.round = json::intOr(e, "round", 0);
    r.roundTopLeft = json::boolOr(e, "roundTopLeft", true);
    r.roundTopRight = json::boolOr(e, "roundTopRight", true);
    r.roundBottomRight = json::boolOr(e, "roundBottomRight", true);
    r.roundBottomLeft = json::boolOr(e, "roundBottomLeft", true);
    r.leftBorder = json::boolOr(e, "leftBorder", true);
    r.topBorder = json::boolOr(e, "topBorder", true);
    r.rightBorder = json::boolOr(e, "rightBorder", true);
    r.bottomBorder = json::boolOr(e, "bottomBorder", true);
    ImageDesc& d = s.imageDesc;
    d.repeatLeft = json::boolOr(e, "repeatLeft", false);
    d.repeatTop = json::boolOr(e, "repeatTop", false);
    d.repeatRight = json::boolOr(e, "repeatRight", false);
    d.repeatBottom = json::boolOr(e, "repeatBottom", false);
    d.repeatCenter = json::boolOr(e, "repeatCenter", false);
    s.image = json::stringOr(e, "img", QString());
    if (readMargins(e, d.margins) && scale < 1.0f) {
        for (int& m : d.margins)
            m = int(float(m) * scale);
    }
    return s;
}

TextStyleDesc readTextStyle(const Json::Value& e)
{
    TextStyleDesc s;
    s.name = json::stringOr(e, "name", QString());
    s.colour = colourOr(e, "clr", "ff000000", false);
    s.horAlign = json::intOr(e, "hor", 0);
    s.verAlign = json::intOr(e, "ver", 1);
    s.x = json::intOr(e, "x", 0);
    s.y = json::intOr(e, "y", 0);
    s.bold = json::boolOr(e, "bold", false);
    s.underline = json::boolOr(e, "underline", false);
    s.italic = json::boolOr(e, "italic", false);
    s.isHor = json::boolOr(e, "isHor", true);
    s.singleline = json::boolOr(e, "singleline", true);
    s.size = qBound(-limits::kMaxTextSize, json::intOr(e, "size", 12), limits::kMaxTextSize);
    s.family = json::stringOr(e, "family", defaultFontFamily());
    return s;
}

Json::Value writeFillStyle(const FillStyle& s)
{
    const FillRes& r = s.res;
    const ImageDesc& d = s.imageDesc;
    Json::Value o(Json::objectValue);
    o["type"] = 1;
    o["name"] = json::toUtf8(s.name);
    o["drawImg"] = !s.colourFill;
    o["clr"] = json::colorToHex(r.colour);
    o["img"] = json::toUtf8(s.image);
    if (r.border)
        o["border"] = true;
    o["borderSize"] = r.borderSize;
    o["borderclr"] = json::colorToHex(r.borderColour);
    if (r.round != 0)
        o["round"] = r.round;
    if (!r.roundTopLeft)
        o["roundTopLeft"] = false;
    if (!r.roundTopRight)
        o["roundTopRight"] = false;
    if (!r.roundBottomRight)
        o["roundBottomRight"] = false;
    if (!r.roundBottomLeft)
        o["roundBottomLeft"] = false;
    if (r.border) {
        if (!r.leftBorder)
            o["leftBorder"] = false;
        if (!r.topBorder)
            o["topBorder"] = false;
        if (!r.rightBorder)
            o["rightBorder"] = false;
        if (!r.bottomBorder)
            o["bottomBorder"] = false;
    }
    if (d.repeatLeft)
        o["repeatLeft"] = true;
    if (d.repeatTop)
        o["repeatTop"] = true;
    if (d.repeatRight)
        o["repeatRight"] = true;
    if (d.repeatBottom)
        o["repeatBottom"] = true;
    if (d.repeatCenter)
        o["repeatCenter"] = true;
    const int order[4] = {d.margins[ImageDesc::Top], d.margins[ImageDesc::Right], d.margins[ImageDesc::Bottom],
                          d.margins[ImageDesc::Left]};
    if (order[0] != 0 || order[1] != 0 || order[2] != 0 || order[3] != 0) {
        Json::Value margin(Json::arrayValue);
        for (int m : order)
            margin.append(m);
        o["margin"] = margin;
    }
    return o;
}

Json::Value writeTextStyle(const TextStyleDesc& s)
{
    Json::Value o(Json::objectValue);
    o["type"] = 2;
    o["name"] = json::toUtf8(s.name);
    o["clr"] = json::colorToHex(s.colour);
    o["hor"] = s.horAlign;
    o["ver"] = s.verAlign;
    if (s.x != 0)
        o["x"] = s.x;
    if (s.y != 0)
        o["y"] = s.y;
    if (s.bold)
        o["bold"] = true;
    if (s.underline)
        o["underline"] = true;
    if (s.italic)
        o["italic"] = true;
    if (!s.isHor)
        o["isHor"] = false;
    if (!s.singleline)
        o["singleline"] = false;
    if (s.size != 12)
        o["size"] = s.size;
    o["family"] = json::toUtf8(s.family);
    return o;
}

void readStyleList(KIVQResourceManagerImpl& store, const Json::Value& list, float scale)
{
    if (!list.isArray())
        return;
    for (const Json::Value& element : list) {
        int type = 0;
        if (!json::read(element, "type", type))
            continue;
        if (type == 1) {
            const FillStyle style = readFillStyle(element, scale);
            store.putFillStyle(style.name, style);
        } else if (type == 2) {
            const TextStyleDesc style = readTextStyle(element);
            store.putTextStyle(style.name, style);
        }
    }
}

bool styleList(const Json::Value& root, const Json::Value*& list)
{
    static const Json::Value null;
    if (root.isNull()) {
        list = &null;
        return true;
    }
    if (!root.isObject() || !root.isMember("style"))
        return false;
    const Json::Value& styles = json::member(root, "style");
    if (!styles.isArray() && !styles.isNull())
        return false;
    list = &styles;
    return true;
}

bool readThemeDocument(KIVQResourceManagerImpl& store, bool buildIndex)
{
    // What was remembered of the entries goes with them.
    store.themeStyleCache.clear();
    store.themeEntryNames.clear();
    store.themeDocument.reset();
    store.themeIndex.clear();
    const QByteArray* body = store.findFile("theme.json");
    if (!body)
        return true;
    auto doc = std::make_unique<Json::Value>();
    if (!json::parse(*body, *doc, QStringLiteral("theme.json")))
        return false;
    const Json::Value& root = *doc;
    std::map<std::string, const Json::Value*> index;
    if (root.isObject() && root.isMember("elements")) {
        const Json::Value& elements = json::member(root, "elements");
        if (!elements.isArray())
            return false;
        if (!elements.empty()) {
            const Json::Value& first = elements[0];
            const Json::Value* children = json::array(first, "child");
            if (!children)
                return false;
            for (const Json::Value& entry : *children) {
                if (!entry.isObject())
                    continue;
                std::string name;
                json::read(entry, "name", name);
                index.emplace(name, &entry);
            }
        }
    } else if (!root.isNull() && !root.isObject()) {
        return false;
    }
    store.themeDocument = std::move(doc);
    if (buildIndex)
        store.themeIndex = std::move(index);
    return true;
}

bool parseLanguageTable(const QByteArray& bytes, LanguageTable& table, const QString& document)
{
    // An odd byte count or a broken surrogate pair means a file cut short.
    if (bytes.isEmpty() || bytes.size() % 2 != 0)
        return false;
    const int units = bytes.size() / 2;
    QString text(units, Qt::Uninitialized);
    const uchar* raw = reinterpret_cast<const uchar*>(bytes.constData());
    for (int i = 0; i < units; ++i)
        text[i] = QChar(ushort(raw[2 * i] | (raw[2 * i + 1] << 8)));
    for (int i = 0; i < units; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate()) {
            if (i + 1 >= units || !text.at(i + 1).isLowSurrogate())
                return false;
            ++i;
        } else if (c.isLowSurrogate()) {
            return false;
        }
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    const QLatin1String rowEnd("\r\n");
    const int headerEnd = text.indexOf(rowEnd);
    if (headerEnd < 0)
        return false;
    const QStringRef headerRow = text.leftRef(headerEnd);
    const QStringList header = leadingCells(headerRow, 1 + limits::kMaxLanguages);
    if (header.size() < 2 || header.first() != QLatin1String("Language"))
        return false;
    const int pastCap = headerRow.count(QLatin1Char('\t')) - limits::kMaxLanguages;
    if (pastCap > 0)
        qCWarning(lcKivJson, "Language table %s: languages past the first %d ignored: %d", qUtf8Printable(document),
                  limits::kMaxLanguages, pastCap);

    LanguageTable parsed;
    QVector<int> kept; // the header cell of each language read
    for (int c = 1; c < header.size(); ++c) {
        if (header.at(c).size() > limits::kMaxLanguageIdLength)
            continue;
        kept << c;
        parsed.languages << header.at(c);
    }
    if (kept.size() < header.size() - 1)
        qCWarning(lcKivJson, "Language table %s: languages named by more than %d characters ignored: %d",
                  qUtf8Printable(document), limits::kMaxLanguageIdLength, int(header.size() - 1 - kept.size()));
    if (kept.isEmpty())
        return false;

    // Only the cells of the languages read are split out, however many a row holds.
    for (int from = headerEnd + rowEnd.size(); from <= text.size();) {
        int end = text.indexOf(rowEnd, from);
        if (end < 0)
            end = text.size();
        QStringList cells = leadingCells(text.midRef(from, end - from), header.size());
        from = end + rowEnd.size();
        if (kept.size() < header.size() - 1) {
            QStringList read{cells.first()};
            for (int c : qAsConst(kept)) {
                if (c >= cells.size())
                    break;
                read << cells.at(c);
            }
            cells = std::move(read);
        }
        if (cells.size() >= 2)
            parsed.rows.append(std::move(cells));
    }
    table = std::move(parsed);
    return true;
}

} // namespace themedoc
} // namespace KIVQtLib

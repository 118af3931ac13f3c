#include "KIVQRibbonBarImpl.h"

#include "core/JsonRead.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QPainter>

#include <algorithm>

namespace KIVQtLib {

namespace {

FillStyle makeFill(const QColor& border, const QColor& background, int radius)
{
    FillStyle fill;
    fill.res.colour = background;
    fill.res.colour2 = background;
    fill.res.border = border.isValid();
    fill.res.borderSize = border.isValid() ? 1 : 0;
    if (border.isValid())
        fill.res.borderColour = border;
    fill.res.round = radius;
    return fill;
}

TextStyleDesc makeText(const QColor& colour, int pixelSize)
{
    TextStyleDesc text;
    text.colour = colour;
    text.size = pixelSize;
    text.horAlign = 1;
    text.verAlign = 1;
    text.singleline = true;
    return text;
}

// A number that is a whole value in int range; anything else (a string, a bool, 1.5) is no number here.
bool wholeNumber(const Json::Value& v, int& out)
{
    if (!v.isInt())
        return false;
    out = v.asInt();
    return true;
}

} // namespace

KIVQRibbonBarImpl::KIVQRibbonBarImpl(KIVQRibbonBar* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_bar(owner)
{
    const QColor none;
    barFill = makeFill(QColor(194, 202, 214), QColor(246, 248, 251), 0);
    pageAreaFill = makeFill(QColor(207, 214, 224), QColor(255, 255, 255), 0);
    groupFill = makeFill(QColor(215, 221, 231), QColor(250, 252, 255), 4);
    tabFills.set(CtrlNormal, makeFill(none, QColor(238, 242, 248), 0));
    tabFills.set(CtrlHover, makeFill(QColor(144, 183, 225), QColor(226, 238, 252), 3));
    tabFills.set(CtrlPressed, makeFill(QColor(128, 171, 220), QColor(255, 255, 255), 3));
    tabFills.set(CtrlDisabled, makeFill(none, QColor(238, 242, 248), 0));
    buttonFills.set(CtrlNormal, makeFill(QColor(210, 216, 225), QColor(255, 255, 255), 3));
    buttonFills.set(CtrlHover, makeFill(QColor(129, 174, 226), QColor(232, 242, 255), 3));
    buttonFills.set(CtrlPressed, makeFill(QColor(89, 143, 208), QColor(204, 226, 252), 3));
    buttonFills.set(CtrlDisabled, makeFill(QColor(220, 220, 220), QColor(238, 238, 238), 3));
    tabText = makeText(QColor(30, 40, 54), 12);
    groupTitleText = makeText(QColor(91, 103, 119), 11);
    buttonText = makeText(QColor(40, 48, 60), 11);
    rowFill = makeFill(none, QColor(246, 248, 251), 0);
    spareFill = makeFill(QColor(89, 132, 208), QColor(229, 238, 255), 3);
    galleryFill = makeFill(QColor(207, 214, 224), QColor(255, 255, 255), 3);
}

void KIVQRibbonBarImpl::paint(QPainter* painter, const QRect& rect)
{
    paintFillStyle(painter, barFill, rect);
}

void KIVQRibbonBarImpl::onLanguageChanged()
{
    m_bar->applyStyles();
    m_bar->updateLayout();
}

void KIVQRibbonBarImpl::serializeStyles(ControlJson& io)
{
    if (!io.isReading()) {
        io.styles({{BarFill, &barFill},
                   {PageAreaFill, &pageAreaFill},
                   {GroupFill, &groupFill},
                   {TabFills, &tabFills},
                   {ButtonFills, &buttonFills},
                   {TabText, &tabText},
                   {GroupTitleText, &groupTitleText},
                   {ButtonText, &buttonText},
                   {RowFill, &rowFill},
                   {SpareFill, &spareFill},
                   {GalleryFill, &galleryFill}});
        return;
    }
    const StyleSlot fills[] = {{BarFill, &barFill},   {PageAreaFill, &pageAreaFill}, {GroupFill, &groupFill},
                               {RowFill, &rowFill},   {SpareFill, &spareFill},       {GalleryFill, &galleryFill},
                               {TabFills, &tabFills}, {ButtonFills, &buttonFills}};
    // The second button text code is read, never written: the style goes back under the first.
    const StyleSlot texts[] = {{TabText, &tabText},
                               {GroupTitleText, &groupTitleText},
                               {ButtonText, &buttonText},
                               {ButtonTextAlias, &buttonText}};
    // The kind must fit the slot, so a text style's name is never looked up as a fill or the reverse.
    for (const StyleEntry& entry : readStyleEntries(io.element(), io.fromTheme())) {
        const auto takes = [&entry](const StyleSlot& slot) { return slot.apply(entry); };
        if (entry.kind == 1)
            std::any_of(std::begin(fills), std::end(fills), takes);
        else if (entry.kind == 2)
            std::any_of(std::begin(texts), std::end(texts), takes);
    }
}

void KIVQRibbonBarImpl::serializeJson(ControlJson& io)
{
    serializeStyles(io);
    if (!io.isReading()) {
        writeAttr(io);
        return;
    }
    if (io.hasAttr())
        readAttr(io);
    m_bar->applyStyles();
    m_bar->updateLayout();
}

void KIVQRibbonBarImpl::readAttr(ControlJson& io)
{
    const Json::Value& attr = io.attrObject();
    int value = 0;
    if (wholeNumber(json::member(attr, "topRowHeight"), value))
        m_bar->setTopRowHeight(value);
    if (wholeNumber(json::member(attr, "tabRowHeight"), value))
        m_bar->setTabRowHeight(value);
    if (wholeNumber(json::member(attr, "pageHeight"), value))
        m_bar->setPageHeight(value);
    if (wholeNumber(json::member(attr, "groupRows"), value))
        m_bar->setGroupRows(value);
    // A theme entry styles the bar; its content stays the program's.
    if (io.fromTheme())
        return;

    const Json::Value& file = json::member(attr, "configFile");
    QString fileName;
    if (file.isString())
        fileName = QString::fromStdString(file.asString());
    if (!fileName.isEmpty())
        m_bar->m_configFile = fileName;
    const Json::Value& ribbon = json::member(attr, "ribbon");
    if (ribbon.isObject())
        m_bar->loadConfigValue(ribbon, QStringLiteral("inline"));
    else if (!fileName.isEmpty())
        m_bar->loadConfigFile(fileName);

    const Json::Value& mode = json::member(attr, "layoutMode");
    if (mode.isString()) {
        m_bar->setLayoutMode(kivParseRibbonLayoutMode(QString::fromStdString(mode.asString())));
    }
    const Json::Value& minimized = json::member(attr, "minimized");
    if (minimized.isBool())
        m_bar->setMinimized(minimized.asBool());
}

void KIVQRibbonBarImpl::writeAttr(ControlJson& io)
{
    Json::Value& attr = io.attrs().writable();
    attr["configFile"] = json::toUtf8(m_bar->m_configFile);
    attr["layoutMode"] = json::toUtf8(kivFormatRibbonLayoutMode(m_bar->m_layoutMode));
    attr["minimized"] = m_bar->m_minimized;
    attr["topRowHeight"] = m_bar->m_topRowHeight;
    attr["tabRowHeight"] = m_bar->m_tabRowHeight;
    attr["pageHeight"] = m_bar->m_pageHeight;
    attr["groupRows"] = m_bar->m_groupRows;
    attr["ribbon"] = m_bar->writeConfigValue();
}

} // namespace KIVQtLib

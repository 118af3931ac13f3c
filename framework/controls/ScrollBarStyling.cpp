#include "ScrollBarStyling.h"

#include "KIVQScrollBar.h"
#include "core/JsonRead.h"
#include "core/StateStyles.h"

#include <json/json.h>

namespace KIVQtLib {

namespace {

const QLatin1String kScrollBarWord("scrollbar");

// Block style codes: 0 the background, then runs of four states for the up button, the down button
// and the thumb; the first code of a run sets all four states.
constexpr int kBackgroundCode = 0;
constexpr int kUpButtonCode = 2;
constexpr int kDownButtonCode = 6;
constexpr int kThumbCode = 10;
constexpr int kCodeEnd = 14;

// A key of a block's "attr": a null "attr" holds every key with a null value, which reads as the
// type's empty value; in an object a key of the wrong type counts as absent.
template <class T> bool blockAttr(const Json::Value& attr, const char* key, T& out)
{
    if (!jsonHasMember(attr, key))
        return false;
    if (attr.isNull()) {
        out = T();
        return true;
    }
    return json::read(attr, key, out);
}

} // namespace

bool isScrollBarBlockType(const QString& type, ScrollBarBlockMatch match)
{
    switch (match) {
    case ScrollBarBlockMatch::AtLeastNineContaining:
        return type.size() >= kScrollBarWord.size() && type.contains(kScrollBarWord);
    case ScrollBarBlockMatch::Containing:
        return type.contains(kScrollBarWord);
    case ScrollBarBlockMatch::Prefix:
        return type.startsWith(kScrollBarWord);
    }
    return false;
}

ScrollBarStyling::~ScrollBarStyling() = default;

void ScrollBarStyling::setScrollbarBackgroundStyle(bool hor, const FillStyle& fill)
{
    if (KIVQScrollBar* bar = styledScrollBar(hor))
        bar->setScrollbarBackground(CommonNormal, fill);
}

void ScrollBarStyling::setScrollbarButtonStyle(bool hor, bool up, CtrlState state, const FillStyle& fill)
{
    KIVQScrollBar* bar = styledScrollBar(hor);
    if (!bar)
        return;
    if (up)
        bar->setScrollbarUpButton(state, fill);
    else
        bar->setScrollbarDownButton(state, fill);
}

void ScrollBarStyling::setScrollbarThumbStyle(bool hor, CtrlState state, const FillStyle& fill)
{
    if (KIVQScrollBar* bar = styledScrollBar(hor))
        bar->setScrollbarThumb(state, fill);
}

void ScrollBarStyling::setScrollbarButtonIcon(bool hor, bool up, const QString& name)
{
    if (KIVQScrollBar* bar = styledScrollBar(hor))
        bar->setScrollbarBtnIcon(up, name);
}

void ScrollBarStyling::setScrollbarButtonIconStyle(bool hor, bool up, const IconStyleDesc& style)
{
    if (KIVQScrollBar* bar = styledScrollBar(hor))
        bar->setScrollbarIconStyle(up, style);
}

void ScrollBarStyling::setScrollbarThumb(bool hor, const QString& name)
{
    if (KIVQScrollBar* bar = styledScrollBar(hor))
        bar->setScrollbarThumbIcon(name);
}

void ScrollBarStyling::setScrollbarBtnSize(bool hor, int size)
{
    if (KIVQScrollBar* bar = styledScrollBar(hor))
        bar->setStyleSheet(buttonSizeSheet(hor, size));
}

void ScrollBarStyling::setScrollbarSize(bool, int size)
{
    const QString sheet = thicknessSheet(size);
    for (bool hor : {false, true}) {
        if (KIVQScrollBar* bar = styledScrollBar(hor))
            bar->setStyleSheet(sheet);
    }
}

QString ScrollBarStyling::buttonSizeSheet(bool hor, int size)
{
    if (hor)
        return QStringLiteral("QScrollBar::add-line{ width:%1px;width:%1px; }"
                              "QScrollBar::sub-line{ width:%1px;width:%1px; }")
            .arg(size);
    return QStringLiteral("QScrollBar::add-line:vertical{ height:%1px;width:%1px; }"
                          "QScrollBar::sub-line:vertical{ height:%1px;width:%1px; }")
        .arg(size);
}

QString ScrollBarStyling::thicknessSheet(int size)
{
    return QStringLiteral("QScrollBar::vertical{ width:%1; } QScrollBar::horizontal{ height:%2; } "
                          "QScrollBar::add-line:vertical{ width:%3px;width:%3px; subcontrol-origin: margin;} "
                          "QScrollBar::sub-line:vertical{ width:%3px;width:%3px;subcontrol-origin: margin; }")
        .arg(size)
        .arg(size)
        .arg(size);
}

void ScrollBarStyling::readScrollBarBlocks(const Json::Value& element, ScrollBarBlockMatch match)
{
    const Json::Value* children = json::array(element, "child", 1);
    if (!children)
        return;
    for (const Json::Value& child : *children) {
        QString type;
        if (child.isObject() && json::read(child, "type", type) && isScrollBarBlockType(type, match))
            readBlock(child);
    }
}

void ScrollBarStyling::readBlock(const Json::Value& block)
{
    const Json::Value& attr = json::member(block, "attr");
    bool hor = false;
    blockAttr(attr, "hor", hor);
    QString name;
    if (blockAttr(attr, "upicon", name))
        setScrollbarButtonIcon(hor, true, name);
    if (blockAttr(attr, "downicon", name))
        setScrollbarButtonIcon(hor, false, name);
    if (blockAttr(attr, "thumbicon", name))
        setScrollbarThumb(hor, name);
    int size = 0;
    if (blockAttr(attr, "size", size))
        setScrollbarBtnSize(hor, size);
    setScrollbarSize(hor, json::intOr(block, hor ? "h" : "w", 0));

    for (const StyleEntry& entry : readStyleEntries(block)) {
        if (entry.code < kBackgroundCode || entry.code == kBackgroundCode + 1 || entry.code >= kCodeEnd)
            continue;
        FillStyle fill;
        if (!lookupStyle(entry.name, fill))
            continue;
        if (entry.code == kBackgroundCode) {
            setScrollbarBackgroundStyle(hor, fill);
            continue;
        }
        const int base =
            entry.code >= kThumbCode ? kThumbCode : (entry.code >= kDownButtonCode ? kDownButtonCode : kUpButtonCode);
        const CtrlState state = CtrlState(entry.code == base ? kAllStates : entry.code - base);
        if (base == kThumbCode)
            setScrollbarThumbStyle(hor, state, fill);
        else
            setScrollbarButtonStyle(hor, base == kUpButtonCode, state, fill);
    }
}

} // namespace KIVQtLib

#include "EditLook.h"

#include "core/KIVQPaintHelpers.h"
#include "core/KIVQtLib.h"

#include <QFont>
#include <QMargins>
#include <QPalette>
#include <QWidget>

#include <algorithm>

namespace KIVQtLib {

namespace {

constexpr int kBackgroundCode = 0;
constexpr int kTextStyleCode = 4;

} // namespace

void EditLook::applyTextStyle(QWidget* edit, int state) const
{
    const TextStyleDesc& style = textStyles.get(shownState(state));
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::Text, QBrush(style.colour));
    edit->setPalette(palette);
    const QString global = kivGetGlobalFontFamily();
    QFont font;
    font.setPixelSize(std::max(style.size, 1));
    font.setFamily(global.isEmpty() ? style.family : global);
    edit->setFont(font);
}

void EditLook::paint(QPainter* painter, const QRect& rect, int state, const QMargins& margins, bool empty) const
{
    KIVQPaintHelpers::paintFillStyle(painter, backgrounds.get(shownState(state)), rect);
    if (!empty || placeholderText.isEmpty())
        return;
    // Inside the margins on all four sides, where the edit places its own text.
    const QRect inner = rect.adjusted(margins.left(), margins.top(), -margins.right(), -margins.bottom());
    KIVQPaintHelpers::paintText(painter, placeholderText, placeholderStyle, inner);
}

void EditLook::writeStyles(Json::Value& element, int placeholderCode) const
{
    StyleWriter styles;
    styles.states(backgrounds, kBackgroundCode);
    styles.states(textStyles, kTextStyleCode);
    // Last, because reading any entry after it would copy a text style over the placeholder style.
    styles.slot(placeholderStyle, placeholderCode);
    styles.store(element, true);
}

} // namespace KIVQtLib

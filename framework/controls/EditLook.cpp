#include "EditLook.h"

#include "core/ControlJson.h"
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

void EditLook::writeStyles(ControlJson& io, int placeholderCode)
{
    io.styles({{kBackgroundCode, &backgrounds}, {kTextStyleCode, &textStyles}, {placeholderCode, &placeholderStyle}},
              ControlJson::EmptyStyles::WriteNull);
}

} // namespace KIVQtLib

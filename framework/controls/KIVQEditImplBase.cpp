#include "KIVQEditImplBase.h"

#include "core/ControlJson.h"
#include "core/KIVQtLib.h"

#include <QFont>
#include <QMargins>
#include <QPalette>
#include <QWidget>

#include <algorithm>

namespace KIVQtLib {

namespace {

int shownState(int state)
{
    return state == CtrlHover ? CtrlNormal : state;
}

} // namespace

KIVQEditImplBase::KIVQEditImplBase(QWidget* owner, const QString& typeName) : KIVQWidgetBaseImpl(owner, typeName) {}

void KIVQEditImplBase::paint(QPainter* painter, const QRect& rect)
{
    m_state = shownState(m_state);
    paintFillStyle(painter, backgrounds.get(m_state), rect);
    if (placeholderText.isEmpty() || !isEmpty())
        return;
    const QMargins m = placeholderMargins();
    paintText(painter, placeholderText, placeholderStyle,
              rect.adjusted(boundedOffset(m.left()), boundedOffset(m.top()), -boundedOffset(m.right()),
                            -boundedOffset(m.bottom())));
}

void KIVQEditImplBase::onCreateComplete()
{
    applyTextStyle();
}

// A disabled edit keeps its disabled look under the pointer.
void KIVQEditImplBase::onMouseEnter()
{
    m_hover = true;
    if (m_state != CtrlPressed && m_owner->isEnabled())
        enterState(CtrlHover);
}

void KIVQEditImplBase::onMouseLeave()
{
    m_hover = false;
    if (m_state != CtrlPressed && m_owner->isEnabled())
        enterState(CtrlNormal);
}

void KIVQEditImplBase::enterState(CtrlState state)
{
    // Hover looks like normal: the pointer crossing the edit sets no font or palette and paints nothing.
    const bool sameLook = shownState(m_state) == shownState(state);
    m_state = state;
    if (sameLook)
        return;
    applyTextStyle();
    m_owner->repaint();
}

void KIVQEditImplBase::applyTextStyle()
{
    const TextStyleDesc& style = textStyles.get(shownState(m_state));
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::Text, QBrush(style.colour));
    m_owner->setPalette(palette);
    const QString global = kivGetGlobalFontFamily();
    QFont font;
    font.setPixelSize(std::max(style.size, 1));
    font.setFamily(global.isEmpty() ? style.family : global);
    m_owner->setFont(font);
}

void KIVQEditImplBase::writeStyles(ControlJson& io, int placeholderCode)
{
    io.styles({{kBackgroundCode, &backgrounds}, {kTextStyleCode, &textStyles}, {placeholderCode, &placeholderStyle}},
              ControlJson::EmptyStyles::WriteNull);
}

} // namespace KIVQtLib

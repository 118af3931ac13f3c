#include "KIVQRadioButtonImpl.h"

#include "KIVQRadioButton.h"
#include "core/ControlJson.h"
#include "theme/KIVQResourceManager.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace KIVQtLib {

namespace {

int alignedStart(int align, int start, int span, int size)
{
    switch (align) {
    case DockCenter:
        return start + (span - size) / 2;
    case DockRightBottom:
        return start + span - size;
    default:
        return start;
    }
}

} // namespace

KIVQRadioButtonImpl::KIVQRadioButtonImpl(KIVQRadioButton* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_button(owner)
{
    // Unlike the check box: no built-in icons, the icon 10 pixels in, the selected backgrounds drawn.
    look.uncheckIcon.clear();
    look.uncheckHotIcon.clear();
    look.checkedIcon.clear();
    look.checkedHotIcon.clear();
    look.iconStyle.offsetX = 10;
    look.checkedBackgrounds.set(kAllStates, FillStyle());
}

QSize KIVQRadioButtonImpl::fittedSize(const QSize& natural, const QRect& rect)
{
    if (!natural.isValid() || natural.isEmpty() || rect.width() <= 0 || rect.height() <= 0)
        return QSize();
    return natural.scaled(std::max(rect.width(), 1), std::max(rect.height() / 2, 1), Qt::KeepAspectRatio);
}

void KIVQRadioButtonImpl::paintIcon(QPainter* painter, const QString& name, const QRect& rect, bool gray) const
{
    const QSize natural = KIVQPaintHelpers::imageOrSvgSize(name, gray);
    const QSize fitted = fittedSize(natural, rect);
    if (name.isEmpty() || !fitted.isValid())
        return;
    if (fitted == natural) {
        paintImageOrSvg(painter, name, look.iconStyle, rect, gray);
        return;
    }
    const IconStyleDesc& d = look.iconStyle;
    const QRect target(alignedStart(d.horAlign, rect.left(), rect.width(), fitted.width()) + boundedOffset(d.offsetX),
                       alignedStart(d.verAlign, rect.top(), rect.height(), fitted.height()) + boundedOffset(d.offsetY),
                       fitted.width(), fitted.height());
    KIVQResourceManager* rm = KIVQResourceManager::getInstance();
    if (!isSvgPath(name)) {
        const QImage* image = rm->getImage(name, gray);
        if (image && isImageValid(*image))
            painter->drawImage(target, *image);
        return;
    }
    QSvgRenderer* renderer = rm->getSvgRenderer(name);
    if (!renderer || !renderer->isValid())
        return;
    if (gray)
        paintGreyedSvg(painter, renderer, target);
    else
        renderer->render(painter, QRectF(target));
}

void KIVQRadioButtonImpl::paint(QPainter* painter, const QRect& rect)
{
    const bool checked = m_button->isChecked();
    const bool enabled = m_button->isEnabled();
    const int s = m_state;

    // The caption makes room for the icon of the state even when icons are hidden, and for the
    // icon's offset when it stands at the left, or the caption would run over it.
    const QSize layoutIcon = fittedSize(imageOrSvgSize(look.icon(checked, s)), rect);
    const int offset = look.iconStyle.horAlign == DockLeftTop ? std::max(boundedOffset(look.iconStyle.offsetX), 0) : 0;
    const int indent = layoutIcon.isValid() ? offset + layoutIcon.width() + 2 : 0;

    if (isSingleState(s))
        paintFillStyle(painter, (checked ? look.checkedBackgrounds : look.uncheckedBackgrounds).get(s), rect);

    if (look.showIcon) {
        if (!look.disableCheckIcon.isEmpty() && !enabled) {
            paintIcon(painter, look.disableCheckIcon, rect, false);
        } else {
            const QString& hot = checked ? look.checkedHotIcon : look.uncheckHotIcon;
            const QString& icon =
                s == CtrlHover && !hot.isEmpty() ? hot : (checked ? look.checkedIcon : look.uncheckIcon);
            paintIcon(painter, icon, rect, !enabled);
        }
    }

    if (look.showText && isSingleState(s)) {
        const TextStyleDesc& style =
            s == CtrlDisabled ? look.disabledText : (checked ? look.checkedText : look.uncheckedText);
        paintText(painter, m_button->text(), style, rect.adjusted(indent, 0, 0, 0));
    }
}

void KIVQRadioButtonImpl::onLanguageChanged()
{
    caption.languageChanged(m_button);
}

void KIVQRadioButtonImpl::serializeJson(ControlJson& io)
{
    look.ioStyles(io);
    io.keepAbsentKeys();
    io.attr("pushlike", pushLike, false);
    // Icons belong to the program like the caption: a theme entry styles every radio button alike.
    if (!io.isReading() || !io.fromTheme())
        look.ioIcons(io, false);
    look.ioPlacement(io, 0);
    caption.io(io, m_button);
}

} // namespace KIVQtLib

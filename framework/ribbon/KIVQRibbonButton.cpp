#include "KIVQRibbonButton.h"

#include "KIVQRibbonMenu.h"
#include "controls/KIVQPushButtonImpl.h"

#include <QAction>
#include <QMouseEvent>
#include <QPainter>

namespace KIVQtLib {

namespace {

const QColor kSplitDivider(180, 188, 199);
constexpr int kLargeStrip = 20;
constexpr int kSideStrip = 17;

KIV_RIBBON_ITEM_SIZE validSize(int size)
{
    return size == KIV_RIBBON_MEDIUM || size == KIV_RIBBON_SMALL ? KIV_RIBBON_ITEM_SIZE(size) : KIV_RIBBON_LARGE;
}

// 0 start, 2 end, anything else centred, as icon styles align.
int alignedStart(int align, int start, int span, int size)
{
    if (align == 0)
        return start;
    if (align == 2)
        return start + span - size;
    return start + (span - size) / 2;
}

} // namespace

KIVQRibbonButton::KIVQRibbonButton(QWidget* parent, KIV_RIBBON_ITEM_SIZE size)
    : KIVQPushButton(parent), m_itemSize(validSize(size))
{
    setMouseTracking(true);
    setFadeEnabled(false);
    connect(this, &QAbstractButton::clicked, this, &KIVQRibbonButton::onClicked);
}

void KIVQRibbonButton::setRibbonAction(QAction* action)
{
    if (m_action)
        disconnect(m_action, nullptr, this, nullptr);
    m_action = action;
    if (action)
        connect(action, &QAction::changed, this, &KIVQRibbonButton::syncFromAction);
    syncFromAction();
}

QAction* KIVQRibbonButton::ribbonAction() const
{
    return m_action;
}

void KIVQRibbonButton::setPopupMenu(KIVQRibbonMenu* menu)
{
    if (menu && !menu->parent())
        menu->setParent(this, menu->windowFlags());
    m_menu = menu;
    update();
}

KIVQRibbonMenu* KIVQRibbonButton::popupMenu() const
{
    return m_menu;
}

void KIVQRibbonButton::setPopupMode(KIV_RIBBON_POPUP_MODE mode)
{
    m_popupMode = mode;
    update();
}

KIV_RIBBON_POPUP_MODE KIVQRibbonButton::popupMode() const
{
    return KIV_RIBBON_POPUP_MODE(m_popupMode);
}

void KIVQRibbonButton::setItemSize(KIV_RIBBON_ITEM_SIZE size)
{
    m_itemSize = validSize(size);
    updateGeometry();
    update();
}

KIV_RIBBON_ITEM_SIZE KIVQRibbonButton::itemSize() const
{
    return KIV_RIBBON_ITEM_SIZE(m_itemSize);
}

void KIVQRibbonButton::setRibbonIcon(const QString& path)
{
    m_ribbonIcon = path;
    keepPlacementWhileSetting(path);
    update();
}

QString KIVQRibbonButton::ribbonIcon() const
{
    return m_ribbonIcon;
}

template <class Icon> void KIVQRibbonButton::keepPlacementWhileSetting(const Icon& icon)
{
    KIVQPushButtonImpl* d = impl();
    const IconStyleDesc iconStyle = d->iconStyle;
    const int textX = d->textOffsetX;
    const int textY = d->textOffsetY;
    setIcon(icon);
    d->iconStyle = iconStyle;
    d->textOffsetX = textX;
    d->textOffsetY = textY;
}

QSize KIVQRibbonButton::sizeHint() const
{
    const int advance = KIVQPaintHelpers::textAdvance(fontMetrics(), text());
    switch (m_itemSize) {
    case KIV_RIBBON_MEDIUM:
        return QSize(qMax(advance + 34, 74), 30);
    case KIV_RIBBON_SMALL:
        return QSize(qMax(advance + 30, 54), 24);
    default:
        return QSize(qMax(advance + 20, 64), 68);
    }
}

QRect KIVQRibbonButton::popupIndicatorRect() const
{
    if (m_popupMode == KIV_RIBBON_POPUP_NONE || !m_menu)
        return QRect();
    const int w = width();
    const int h = height();
    if (m_itemSize == KIV_RIBBON_LARGE)
        return QRect(0, qMax(h - kLargeStrip, 0), w, qMin(h, kLargeStrip));
    return QRect(qMax(w - kSideStrip, 0), 0, qMin(w, kSideStrip), h);
}

void KIVQRibbonButton::onClicked()
{
    // An instant button opens its menu instead; without a living menu it is a plain command.
    if (!m_action || (m_popupMode == KIV_RIBBON_POPUP_INSTANT && m_menu))
        return;
    // The command may clear the group or reload the ribbon, and this button with it.
    QPointer<KIVQRibbonButton> alive(this);
    m_action->activate(QAction::Trigger);
    if (alive)
        syncFromAction();
}

void KIVQRibbonButton::syncFromAction()
{
    QAction* action = m_action;
    if (!action)
        return;
    setText(KIVQMenu::itemText(action));
    // Qt lays a tool tip out whole when it shows; the action keeps the whole of a long one.
    setToolTip(KIVQPaintHelpers::measuredPiece(fontMetrics(), action->toolTip()));
    setEnabled(action->isEnabled());
    setCheckable(action->isCheckable());
    {
        const QSignalBlocker blocker(this);
        setChecked(action->isChecked());
    }
    m_ribbonIcon = action->property("kivRibbonIconPath").toString();
    if (!m_ribbonIcon.isEmpty())
        keepPlacementWhileSetting(m_ribbonIcon);
    else if (!action->icon().isNull())
        keepPlacementWhileSetting(action->icon());
    update();
}

void KIVQRibbonButton::showPopupMenu()
{
    if (!m_menu)
        return;
    QPointer<KIVQRibbonButton> alive(this);
    Q_EMIT menuAboutToShow();
    if (!alive || !m_menu)
        return;
    m_menu->setAttribute(Qt::WA_NoMouseReplay, false);
    m_menu->installEventFilter(this);
    m_menu->popup(mapToGlobal(QPoint(0, height())));
}

bool KIVQRibbonButton::eventFilter(QObject* watched, QEvent* event)
{
    // A press on this button closes its open menu; replayed to the button, it would open it again. The type
    // first: a menu being destroyed still sends events here, and m_menu would cast it to its own class.
    if (event->type() == QEvent::MouseButtonPress && watched == m_menu) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (!m_menu->rect().contains(press->pos()) && rect().contains(mapFromGlobal(press->globalPos())))
            m_menu->setAttribute(Qt::WA_NoMouseReplay);
    }
    return KIVQPushButton::eventFilter(watched, event);
}

void KIVQRibbonButton::mousePressEvent(QMouseEvent* event)
{
    m_menuPress = false;
    const bool opens = m_menu && event->button() == Qt::LeftButton &&
                       (m_popupMode == KIV_RIBBON_POPUP_INSTANT ||
                        (m_popupMode == KIV_RIBBON_POPUP_SPLIT && popupIndicatorRect().contains(event->pos())));
    if (!opens) {
        KIVQPushButton::mousePressEvent(event);
        return;
    }
    m_menuPress = true;
    event->accept();
    showPopupMenu();
}

void KIVQRibbonButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_menuPress) {
        m_menuPress = false;
        event->accept();
        return;
    }
    KIVQPushButton::mouseReleaseEvent(event);
}

void KIVQRibbonButton::paintEvent(QPaintEvent*)
{
    KIVQPushButtonImpl* d = impl();
    if (!d)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int w = width();
    const int h = height();

    CtrlState state = CtrlNormal;
    if (!isEnabled())
        state = CtrlDisabled;
    else if (isDown() || isChecked())
        state = CtrlPressed;
    else if (d->isHover())
        state = CtrlHover;

    if (d->drawBackground)
        KIVQPaintHelpers::paintFillStyle(&painter, d->backgrounds.get(state), rect());

    const QColor context = property("kivRibbonContextColor").value<QColor>();
    if (context.isValid())
        painter.fillRect(QRect(2, 0, qMax(w - 4, 0), 3), context);

    const QRect indicator = popupIndicatorRect();
    const bool hasIcon = !m_ribbonIcon.isEmpty() || (m_action && !m_action->icon().isNull());
    const bool large = m_itemSize == KIV_RIBBON_LARGE;
    QRect iconRect;
    QRect textRect;
    if (large) {
        iconRect = QRect(8, 5, qMax(w - 16, 16), qMax(h - 31, 18));
        textRect = QRect(4, h - 27, w - 8, 23);
    } else {
        const int y = (h - 18) / 2;
        iconRect = QRect(5, y < 3 ? 2 : y, 18, 18);
        const int menuStrip = indicator.isEmpty() ? 0 : 17;
        // Without an icon the caption takes the icon's place too: a 20-pixel arrow button would show
        // nothing and a tab sized to its caption would cut it.
        if (hasIcon)
            textRect = QRect(27, 0, qMax(w - 31 - menuStrip, 0), h);
        else
            textRect = QRect(2, 0, qMax(w - 4 - menuStrip, 0), h);
    }

    if (!m_ribbonIcon.isEmpty()) {
        const int side = large ? 32 : 16;
        // An image larger than the box comes already scaled down into it.
        const QSize natural = KIVQPaintHelpers::imageOrSvgSize(m_ribbonIcon, !isEnabled(), QSize(side, side));
        if (!natural.isEmpty()) {
            // Drawn at its own size into a box of the ribbon's icon size, scaled to fit.
            const QSize fitted = natural.scaled(side, side, Qt::KeepAspectRatio);
            IconStyleDesc placed = d->iconStyle;
            painter.save();
            painter.translate(
                alignedStart(placed.horAlign, iconRect.left(), iconRect.width(), fitted.width()) + placed.offsetX,
                alignedStart(placed.verAlign, iconRect.top(), iconRect.height(), fitted.height()) + placed.offsetY);
            painter.scale(double(fitted.width()) / natural.width(), double(fitted.height()) / natural.height());
            placed.offsetX = placed.offsetY = 0;
            placed.horAlign = placed.verAlign = 0;
            KIVQPaintHelpers::paintImageOrSvg(&painter, m_ribbonIcon, placed, QRect(QPoint(0, 0), natural),
                                              !isEnabled(), QSize(side, side));
            painter.restore();
        }
    } else if (m_action && !m_action->icon().isNull()) {
        const QSize size(qMin(iconRect.width(), 24), qMin(iconRect.height(), 24));
        KIVQPaintHelpers::paintIcon(&painter, m_action->icon(), size, d->iconStyle, iconRect);
    }

    if (d->showText) {
        TextStyleDesc style = d->textStyles.get(state);
        style.singleline = true;
        KIVQPaintHelpers::paintText(&painter, text(), style, textRect.x(), textRect.y(), textRect.width(),
                                    textRect.height(), true);
    }

    if (indicator.isEmpty())
        return;
    if (m_popupMode == KIV_RIBBON_POPUP_SPLIT) {
        // Half a pixel in, so that the antialiased line stays one pixel wide.
        painter.setPen(kSplitDivider);
        if (large)
            painter.drawLine(QPointF(4, indicator.top() + 0.5), QPointF(w - 4, indicator.top() + 0.5));
        else
            painter.drawLine(QPointF(indicator.left() + 0.5, 4), QPointF(indicator.left() + 0.5, h - 4));
    }
    const QPoint c = indicator.center();
    const QPolygon triangle({QPoint(c.x() - 4, c.y() - 2), QPoint(c.x() + 4, c.y() - 2), QPoint(c.x(), c.y() + 3)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(d->textStyles.get(state).colour);
    painter.drawPolygon(triangle);
}

} // namespace KIVQtLib

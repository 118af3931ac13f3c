#include "KIVQComboBoxImpl.h"

#include "KIVQComboBox.h"
#include "core/ControlJson.h"
#include "core/KIVQtLib.h"

#include <json/json.h>

#include <QLineEdit>
#include <QPainter>

#include <algorithm>

namespace KIVQtLib {

namespace {

// "style" codes: runs of four in CtrlState order, and the popup background; 21 on are not used.
constexpr int kFaceFillCode = 0;
constexpr int kButtonFillCode = 4;
constexpr int kFaceTextCode = 8;
constexpr int kPopupCode = 12;
constexpr int kItemFillCode = 13;
constexpr int kItemTextCode = 17;

const QMargins kEditMargins(10, 0, 10, 0);

} // namespace

KIVQComboBoxImpl::KIVQComboBoxImpl(KIVQComboBox* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_combo(owner)
{
}

TextStyleDesc KIVQComboBoxImpl::shownTextStyle(const TextStyleDesc& style)
{
    TextStyleDesc shown = style;
    if (shown.horAlign == 0 && shown.x < kTextInset)
        shown.x = kTextInset;
    return shown;
}

void KIVQComboBoxImpl::paint(QPainter* painter, const QRect& rect)
{
    QLineEdit* edit = m_combo->lineEdit();
    // setTextMargins always schedules a repaint of the edit, and so of the face under it: set only changes.
    if (edit && edit->textMargins() != kEditMargins)
        edit->setTextMargins(kEditMargins);

    const QString text = m_combo->currentText();
    const QIcon icon = m_combo->itemIcon(m_combo->currentIndex());
    QRect iconRect;
    QRect textRect = rect;
    if (!icon.isNull()) {
        iconRect = QRect(kFaceIconLeft, 0, kIconColumn, m_combo->height());
        textRect.setWidth(textRect.width() - kIconColumn);
        textRect.setLeft(kIconColumn);
    }
    const QRect button(rect.right() - rect.height(), rect.top(), rect.height(), rect.height());
    // A long text elides before the drop-down button instead of running under its icon.
    textRect.setRight(std::min(textRect.right(), button.left() - 1));

    if (m_state >= CtrlNormal && m_state <= CtrlDisabled) {
        paintFillStyle(painter, backgrounds.get(m_state), rect);
        paintFillStyle(painter, btnBackgrounds.get(m_state), button);
        paintImageOrSvg(painter, btnIcons.get(m_state), IconStyleDesc(), button);
        if (!edit)
            paintText(painter, text, shownTextStyle(textStyles.get(m_state)), textRect.x(), textRect.y(),
                      textRect.width(), textRect.height(), true);
    }
    if (!icon.isNull())
        paintIcon(painter, icon, QSize(kIconSize, kIconSize), IconStyleDesc(), iconRect);
}

void KIVQComboBoxImpl::onCreateComplete()
{
    if (!kivIsQtEmulator())
        return;
    m_combo->addItems({QStringLiteral("Item1"), QStringLiteral("Item2"), QStringLiteral("Item3")});
    m_combo->setCurrentIndex(0);
}

void KIVQComboBoxImpl::readText(const QString& text, bool fromTheme)
{
    // A theme entry is applied again on every theme change: it must not add its item each time.
    if (fromTheme && m_combo->findText(text) >= 0)
        return;
    m_combo->addItem(text);
    m_combo->setCurrentText(text);
}

void KIVQComboBoxImpl::serializeJson(ControlJson& io)
{
    if (io.isReading()) {
        if (QLineEdit* edit = m_combo->lineEdit())
            edit->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    }
    io.styles({{kFaceFillCode, &backgrounds},
               {kButtonFillCode, &btnBackgrounds},
               {kFaceTextCode, &textStyles},
               {kPopupCode, &popupBackground},
               {kItemFillCode, &itemBackgrounds},
               {kItemTextCode, &itemTextStyles}});

    // Only keys that are there: an element without "attr" adds no item and keeps the icons.
    io.keepAbsentKeys();
    QString text = m_combo->currentText();
    if (io.attr("text", text, QString()))
        readText(text, io.fromTheme());
    QString icon = btnIcons.get(CtrlNormal);
    if (io.attr("btnIcon", icon, QString()))
        btnIcons.set(kAllStates, icon);
    QString hot = btnIcons.get(CtrlHover);
    // Written only where it adds to the normal icon, which reading spreads to every state first.
    const QString hotDefault = io.isReading() || hot.isEmpty() ? hot : btnIcons.get(CtrlNormal);
    if (io.attr("btnHotIcon", hot, hotDefault))
        btnIcons.set(CtrlHover, hot);
}

} // namespace KIVQtLib

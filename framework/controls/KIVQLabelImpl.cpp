#include "KIVQLabelImpl.h"

#include "KIVQLabel.h"
#include "core/ControlJson.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QFontMetrics>
#include <QPalette>

namespace KIVQtLib {

namespace {

constexpr int kTextStyleCode = 0;

} // namespace

KIVQLabelImpl::KIVQLabelImpl(KIVQLabel* owner, const QString& typeName)
    : KIVQWidgetBaseImpl(owner, typeName), m_label(owner)
{
}

void KIVQLabelImpl::paint(QPainter* painter, const QRect& rect)
{
    paintText(painter, m_label->text(), normalStyle, rect);
}

void KIVQLabelImpl::onLanguageChanged()
{
    if (!languageKey.isEmpty())
        m_label->setText(KIVQResourceManager::getInstance()->getString(languageKey));
}

void KIVQLabelImpl::applyStyle()
{
    m_label->setFont(styleFont(normalStyle));
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(normalStyle.colour));
    m_label->setPalette(palette);
    m_label->setAlignment(textAlignment(normalStyle));
}

void KIVQLabelImpl::elide()
{
    if (normalStyle.elideMode == Qt::ElideNone || !normalStyle.singleline)
        return;
    const Qt::TextElideMode mode = normalStyle.elideMode >= Qt::ElideLeft && normalStyle.elideMode <= Qt::ElideMiddle
                                       ? Qt::TextElideMode(normalStyle.elideMode)
                                       : Qt::ElideRight;
    const QFontMetrics metrics(styleFont(normalStyle));
    m_label->QLabel::setText(elidedText(metrics, fullText, mode, m_label->width()));
}

void KIVQLabelImpl::serializeJson(ControlJson& io)
{
    io.styles({{kTextStyleCode, &normalStyle}}, ControlJson::EmptyStyles::WriteNull);
    if (io.isReading()) {
        // The program owns the text: a theme entry styles the label but never replaces what it shows.
        io.keepAbsentKeys();
        QString text;
        if (!io.fromTheme() && io.attr("text", text, initialText()))
            m_label->setText(text);
        applyStyle();
        return;
    }
    // The full text: the shown one may be elided, and saving it would cut the text for good. An empty
    // text is written too, or it would come back as the initial caption.
    io.attr("text", fullText, initialText());
}

} // namespace KIVQtLib

#include "KIVQLabelImpl.h"

#include "KIVQLabel.h"
#include "core/ControlJson.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QPalette>

namespace KIVQtLib {

namespace {

constexpr int kTextStyleCode = 0;

// One palette per text colour, shared by the labels of that colour: a palette of its own copies every
// brush of the application's. Made again when the application's palette changes.
const QPalette& textPalette(const QColor& colour)
{
    static qint64 applicationKey = -1;
    static QHash<QRgb, QPalette> palettes;
    const qint64 key = QGuiApplication::palette().cacheKey();
    if (key != applicationKey || palettes.size() > 256) {
        palettes.clear();
        applicationKey = key;
    }
    auto it = palettes.find(colour.rgba());
    if (it == palettes.end()) {
        QPalette palette;
        palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(colour));
        it = palettes.insert(colour.rgba(), palette);
    }
    return *it;
}

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
    // A font or palette set again, even an equal one, re-resolves the label and sends it change events.
    // The font the label shows is resolved against its parent's and never equals the style's again: the
    // one last set, and what it became, tell whether anything changed since.
    const QFont font = styleFont(normalStyle);
    const QFont shown = m_label->font();
    if (!(m_styledFont && font == m_styledFont->first && shown == m_styledFont->second) && shown != font) {
        m_label->setFont(font);
        m_styledFont.emplace(font, m_label->font());
    }
    const QPalette& current = m_label->palette();
    const QColor& colour = normalStyle.colour;
    if (current.color(QPalette::Active, QPalette::WindowText) != colour ||
        current.color(QPalette::Inactive, QPalette::WindowText) != colour ||
        current.color(QPalette::Disabled, QPalette::WindowText) != colour) {
        m_label->setPalette(textPalette(colour));
    }
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

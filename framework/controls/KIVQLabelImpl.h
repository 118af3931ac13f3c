#pragma once

#include "core/KIVQWidgetBaseImpl.h"

#include <QFont>

#include <optional>
#include <utility>

namespace KIVQtLib {

class KIVQLabel;

// The label's text styles, full text and JSON. The label paints through QLabel: the normal style is
// turned into the widget's font, palette and alignment whenever it changes.
class KIVQTLIB_EXPORT KIVQLabelImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQLabelImpl(KIVQLabel* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    void onLanguageChanged() override;
    void serializeJson(ControlJson& io) override;

    // Font, palette and alignment from the normal style.
    void applyStyle();
    // The shown text: the full text elided to the label's width when the normal style asks for it.
    void elide();
    // The caption a new label shows.
    static QString initialText() { return QStringLiteral("label"); }

    TextStyleDesc normalStyle;
    TextStyleDesc disabledStyle;
    QString fullText;
    QString languageKey;

private:
    KIVQLabel* m_label;
    // The style font last set and what the label resolved it to; none until one is set.
    std::optional<std::pair<QFont, QFont>> m_styledFont;
};

} // namespace KIVQtLib

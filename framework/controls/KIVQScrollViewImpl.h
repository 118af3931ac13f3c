#pragma once

#include "core/KIVQWidgetBaseImpl.h"

#include <QPointer>

namespace KIVQtLib {

class KIVQScrollView;

// The scroll view's background, adopted content and JSON.
class KIVQTLIB_EXPORT KIVQScrollViewImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQScrollViewImpl(KIVQScrollView* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;
    // Adopts the first container child as the scrolled content.
    void onCreateComplete() override;

    QPointer<QWidget> content;
    FillStyle background;

private:
    KIVQScrollView* m_view;
};

} // namespace KIVQtLib

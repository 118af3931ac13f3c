#pragma once

#include "core/KIVQWidgetBaseImpl.h"

#include <QPointer>

namespace KIVQtLib {

class KIVQSplitter;

// The splitter's record and background.
class KIVQTLIB_EXPORT KIVQSplitterImpl : public KIVQWidgetBaseImpl
{
public:
    KIVQSplitterImpl(KIVQSplitter* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;

    bool isHor = true;
    QPointer<QWidget> upLeftWidget;
    QPointer<QWidget> downRightWidget;
    FillStyle background;
    int upLeftLimit = -1;
    int downRightLimit = -1;
};

} // namespace KIVQtLib

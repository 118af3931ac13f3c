#pragma once

#include "core/KIVQWidgetBaseImpl.h"

#include <QVector>

namespace KIVQtLib {

class KIVQStackContainer;

// The stack container's pages, background and JSON.
class KIVQTLIB_EXPORT KIVQStackContainerImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQStackContainerImpl(KIVQStackContainer* owner, const QString& typeName);

    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;

    bool drawBackground = true;
    FillStyle background;
    FillStyle disableBackground;
    // Not owned beyond the Qt parent tree; a destroyed page leaves the list through pageDestroyed.
    QVector<QWidget*> pages;
    int currentIndex = -1;

public Q_SLOTS:
    // Connected to each held page. This object dies before the container's children do, so a page
    // deleted with the container never reaches a half-destroyed container.
    void pageDestroyed(QObject* page);

private:
    KIVQStackContainer* m_stack;
};

} // namespace KIVQtLib

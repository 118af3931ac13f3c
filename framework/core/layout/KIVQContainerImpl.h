#pragma once

#include "core/KIVQWidgetBaseImpl.h"

#include <QPointer>
#include <QScrollBar>
#include <QSize>

class QVariantAnimation;

namespace KIVQtLib {

class KIVQContainer;

// The container's state. The child layout engine (KIVQChildLayout) reads and writes it directly.
class KIVQTLIB_EXPORT KIVQContainerImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQContainerImpl(QWidget* owner, const QString& typeName);
    ~KIVQContainerImpl() override;

    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;

    KIVQContainer* container() const;

    // The child layout pass (nothing in mode 4) followed by the scroll-bar update.
    void relayout();
    void layoutChildren();
    void updateScrollBars();
    void applyScrollOffset();
    // Layout again after children were added, once per burst of additions.
    void scheduleRelayout();

    bool startResizeAnimation(const QSize& from, const QSize& to, int durationMs);
    void applyAnimatedSize(const QSize& size);

    bool isBoundBar(const QObject* child) const;

    FillStyle background;
    FillStyle disableBackground;
    int childLayout = 4;
    int space = 0;
    int paddingLeft = 0;
    int paddingTop = 0;
    int paddingRight = 0;
    int paddingBottom = 0;
    void* windowHandle = nullptr;
    bool drawBackground = true;
    bool absoluteDockAutoSize = false;
    QPointer<QScrollBar> horizontalScrollBar;
    QPointer<QScrollBar> verticalScrollBar;
    int scrollX = 0;
    int scrollY = 0;
    bool applyingScroll = false;
    bool layingOut = false;
    QVariantAnimation* resizeAnimation = nullptr;
    bool animationRunning = false;
    bool animateWidth = false;
    bool animateHeight = false;
    QSize targetSize;
    bool relayoutPending = false;
    // Layout passes run so far; a page build should cost each container one.
    int layoutPasses = 0;
};

} // namespace KIVQtLib

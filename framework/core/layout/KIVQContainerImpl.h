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
    // Layout again after children were added, once per burst of additions, unless a full pass runs first.
    void scheduleRelayout();

    bool startResizeAnimation(const QSize& from, const QSize& to, int durationMs);
    void applyAnimatedSize(const QSize& size);

    bool isBoundBar(const QObject* child) const;
    // Children are watched, and their unscrolled geometry kept, only while a bar can scroll them.
    // isNull(), not a conversion: a bar being destroyed is no QScrollBar any more.
    bool hasBoundBar() const { return !horizontalScrollBar.isNull() || !verticalScrollBar.isNull(); }
    // Watches the ordinary children and records where they are, once a first bar is bound.
    void trackChildren();

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
    bool relayoutQueued = false;
    // Layout passes run so far; a page build should cost each container one.
    int layoutPasses = 0;
};

} // namespace KIVQtLib

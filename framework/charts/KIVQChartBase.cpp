#include "KIVQChartBase.h"

#include "ChartFrame.h"
#include "KIVQChartImpl.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLPaintDevice>
#include <QPainter>
#include <QSurfaceFormat>
#include <QVariantAnimation>

namespace KIVQtLib {

KIVQChartBase::KIVQChartBase(QWidget* parent) : QOpenGLWidget(parent), m_theme(KIVQtLib::makeChartTheme(0))
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setSamples(4);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    setFormat(format);

    m_animation = new QVariantAnimation(this);
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(1.0);
    m_animation->setDuration(m_animationDuration);
    connect(m_animation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { setProgress(value.toDouble()); });
}

KIVQChartBase::~KIVQChartBase() = default;

KIVQChartTheme KIVQChartBase::makeChartTheme(int index)
{
    return KIVQtLib::makeChartTheme(index);
}

void KIVQChartBase::setTheme(const KIVQChartTheme& theme)
{
    m_theme = theme;
    m_themeIndex = 0;
    themeChanged();
    update();
}

void KIVQChartBase::setThemeIndex(int index)
{
    m_themeIndex = index;
    m_theme = KIVQtLib::makeChartTheme(index);
    themeChanged();
    update();
}

void KIVQChartBase::setLegendPosition(int position)
{
    if (position == m_legendPosition)
        return;
    m_legendPosition = position;
    update();
}

void KIVQChartBase::setBackgroundColor(const QColor& color)
{
    m_ownBackground = color;
    themeChanged();
    update();
}

QColor KIVQChartBase::backgroundColor() const
{
    return m_ownBackground.isValid() ? m_ownBackground : m_theme.background;
}

void KIVQChartBase::setAnimationEnabled(bool enabled)
{
    m_animationEnabled = enabled;
    if (!enabled) {
        m_animation->stop();
        m_progress = 1.0;
    }
    animationSettingsChanged();
    update();
}

void KIVQChartBase::setAnimationDuration(int ms)
{
    m_animationDuration = qMax(ms, 0);
    m_animation->setDuration(m_animationDuration);
    animationSettingsChanged();
}

void KIVQChartBase::restartAnimation()
{
    m_animation->stop();
    // A zero-length animation emits no value, and start() emits none before the first tick: set the
    // progress here, or new data would show fully drawn, or stay where an interrupted intro left it.
    if (!m_animationEnabled || m_animationDuration == 0) {
        setProgress(1.0);
        return;
    }
    m_animation->setDuration(m_animationDuration);
    setProgress(0.0);
    m_animation->start();
}

void KIVQChartBase::setProgress(double progress)
{
    m_progress = progress;
    progressChanged();
    update();
}

void KIVQChartBase::setHover(const QPoint& point, const QString& text)
{
    m_hoverPoint = point;
    m_hoverText = text;
    update();
}

void KIVQChartBase::clearHover()
{
    if (m_hoverText.isEmpty())
        return;
    m_hoverText.clear();
    update();
}

void KIVQChartBase::drawTooltip(QPainter& painter)
{
    QFont font = painter.font();
    font.setPixelSize(qMax(m_theme.tooltipPixelSize, 1));
    drawTooltip(painter, rect(), font);
}

void KIVQChartBase::drawTooltip(QPainter& painter, const QRect& bounds, const QFont& font)
{
    chart::drawTooltipBox(painter, m_hoverText, m_hoverPoint, bounds, m_theme, font);
}

void KIVQChartBase::setTitle(const QString& title)
{
    chartImpl()->title = title;
    update();
}

QString KIVQChartBase::title() const
{
    return chartImpl()->title;
}

void KIVQChartBase::initializeGL()
{
    // A new context (the widget moved to another window) needs a device of its own.
    m_device.reset();
    if (KIVQChartImpl* d = chartImpl())
        d->initializeOpenGLFunctions();
    // The widget releases its context not current, and a cleanup that finds it so (the text cache's) makes a
    // surface of its own, which on some platforms delivers pending window events: a paint of this widget
    // with its frame buffer gone. Current, the cleanup needs no surface. Only the widget's base is touched,
    // as this runs from its destructor too.
    QOpenGLWidget* widget = this;
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, context(), [widget] { widget->makeCurrent(); });
}

void KIVQChartBase::paintGL()
{
    KIVQChartImpl* d = chartImpl();
    if (!d)
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(qRound(width() * ratio), qRound(height() * ratio));
    d->beginFrame(pixels, backgroundColor());
    if (!m_device)
        m_device.reset(new QOpenGLPaintDevice(pixels));
    else if (m_device->size() != pixels)
        m_device->setSize(pixels);
    m_device->setDevicePixelRatio(ratio);
    QPainter painter(m_device.get());
    d->paint(&painter, rect());
}

void KIVQChartBase::mouseMoveEvent(QMouseEvent* event)
{
    QOpenGLWidget::mouseMoveEvent(event);
    KIVQChartImpl* d = chartImpl();
    if (d && d->updateHover(event->pos(), size()))
        update();
}

void KIVQChartBase::mousePressEvent(QMouseEvent* event)
{
    KIVQChartImpl* d = chartImpl();
    if (d && event->button() == Qt::LeftButton && d->toggleLegendAt(event->pos(), size())) {
        update();
        event->accept();
        return;
    }
    QOpenGLWidget::mousePressEvent(event);
}

void KIVQChartBase::showEvent(QShowEvent* event)
{
    QOpenGLWidget::showEvent(event);
    // An update() while hidden (a chart on a page not shown) renders nothing, and showing composes the
    // frame rendered before it: the chart would show its old data until its next change.
    update();
}

void KIVQChartBase::leaveEvent(QEvent* event)
{
    KIVQChartImpl* d = chartImpl();
    if (d && d->clearHoverState())
        update();
    QOpenGLWidget::leaveEvent(event);
}

void KIVQChartBase::releasePaintDevice()
{
    m_device.reset();
}

void KIVQChartBase::setUpChart()
{
    setMinimumSize(420, 260);
    setMouseTracking(true);
    setThemeIndex(0);
    setBackgroundColor(QColor());
}

} // namespace KIVQtLib

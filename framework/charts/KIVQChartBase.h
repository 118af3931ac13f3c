#pragma once

#include "KIVQChartTheme.h"

#include <QOpenGLWidget>
#include <QPoint>
#include <QString>

#include <memory>

class QOpenGLPaintDevice;
class QVariantAnimation;

namespace KIVQtLib {

class KIVQChartImpl;

// The OpenGL widget every chart kind is: theme, legend position, background, the intro animation and the
// tooltip. The drawing itself is the Impl's: paintGL hands it a painter on a QOpenGLPaintDevice, so that
// grab() of the window (the program's screenshot) shows what a painter on the widget would lose.
class KIVQChartBase : public QOpenGLWidget
{
    Q_OBJECT
public:
    explicit KIVQChartBase(QWidget* parent = nullptr);
    ~KIVQChartBase() override;

    static KIVQChartTheme makeChartTheme(int index);

    // A copied theme counts as index 0, also when it equals a built-in one.
    void setTheme(const KIVQChartTheme& theme);
    void setThemeIndex(int index);
    int themeIndex() const { return m_themeIndex; }
    const KIVQChartTheme& theme() const { return m_theme; }

    // 0 top, 1 right, 2 bottom, 3 left; any other value is kept and laid out as bottom.
    void setLegendPosition(int position);
    int legendPosition() const { return m_legendPosition; }

    // An invalid colour returns to the theme's background.
    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const;

    void setAnimationEnabled(bool enabled);
    bool animationEnabled() const { return m_animationEnabled; }
    void setAnimationDuration(int ms);
    int animationDuration() const { return m_animationDuration; }
    // Replays the intro from nothing; every data setter calls it.
    void restartAnimation();
    double animationProgress() const { return m_progress; }

    void setHover(const QPoint& point, const QString& text);
    void clearHover();
    const QString& hoverText() const { return m_hoverText; }
    QPoint hoverPoint() const { return m_hoverPoint; }
    void drawTooltip(QPainter& painter);
    void drawTooltip(QPainter& painter, const QRect& bounds, const QFont& font);

    // An empty title draws nothing.
    void setTitle(const QString& title);
    QString title() const;

protected:
    virtual void themeChanged() {}
    virtual void animationSettingsChanged() {}
    virtual void progressChanged() {}
    virtual KIVQChartImpl* chartImpl() const = 0;

    void initializeGL() override;
    void paintGL() override;
    void resizeGL(int w, int h) override {}
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // With the context current, from the chart kind's destructor.
    void releasePaintDevice();
    // What every chart kind starts with: its minimum size, hover tracking, "Default", no own background.
    void setUpChart();

private:
    void setProgress(double progress);

    int m_themeIndex = 0;
    KIVQChartTheme m_theme;
    int m_legendPosition = LegendBottom;
    QColor m_ownBackground;
    bool m_animationEnabled = true;
    int m_animationDuration = 700;
    double m_progress = 1.0;
    QVariantAnimation* m_animation = nullptr;
    QString m_hoverText;
    QPoint m_hoverPoint;
    std::unique_ptr<QOpenGLPaintDevice> m_device; // made once per context, resized with the widget
};

} // namespace KIVQtLib

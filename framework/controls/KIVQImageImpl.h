#pragma once

#include "core/KIVQWidgetBaseImpl.h"

#include <QColor>
#include <QImage>
#include <QPointer>

#include <memory>

class QLabel;
class QBuffer;
class QMovie;

namespace KIVQtLib {

class KIVQImage;

// The image control's picture sources, placement, movie and JSON.
class KIVQTLIB_EXPORT KIVQImageImpl : public KIVQWidgetBaseImpl
{
    Q_OBJECT
public:
    KIVQImageImpl(KIVQImage* owner, const QString& typeName);
    ~KIVQImageImpl() override;

    void paintEvent() override;
    void paint(QPainter* painter, const QRect& rect) override;
    void serializeJson(ControlJson& io) override;
    // The image keeps its state normal: it takes no press, release, enter or leave.
    void onMousePress(QMouseEvent*) override {}
    void onMouseRelease(QMouseEvent*) override {}
    void onMouseEnter() override {}
    void onMouseLeave() override {}

    // Where a picture of size s goes in rect: the whole control when stretching, else aligned.
    QRect targetRect(const QRect& rect, const QSize& s) const;
    void playGif(const QString& path);
    // Ends a movie and hides its label.
    void dropMovie();
    QMovie* movie() const { return m_movie.get(); }
    QLabel* movieLabel() const { return m_movieLabel; }

    int frameNumber = -1;
    bool stretch = true;
    int verAlign = DockCenter;
    int horAlign = DockCenter;
    QString imagePath;
    QString svgPath;
    QImage image;
    bool hasImage = false;
    bool useSvgColor = false;
    QColor svgColor{0, 0, 0};

private:
    void paintSvg(QPainter* painter, const QRect& rect);

    KIVQImage* m_control;
    std::unique_ptr<QBuffer> m_movieBytes; // before the movie that reads it, so that it goes after
    std::unique_ptr<QMovie> m_movie;
    QPointer<QLabel> m_movieLabel;
};

} // namespace KIVQtLib

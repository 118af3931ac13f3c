#pragma once

#include "core/KIVQControl.h"

#include <QWidget>

class QImage;

namespace KIVQtLib {

class KIVQImageImpl;

// One picture: a theme bitmap, an image handed over in code, an animated GIF or an SVG (optionally
// recoloured), stretched over the control or drawn at its own size with an alignment.
class KIVQTLIB_EXPORT KIVQImage : public KIVQControlBase<KIVQImage, QWidget, KIVQImageImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQImage(QWidget* parent = nullptr);

    static const char* typeName() { return "qtpicture"; }
    static QWidget* createKIVQImage() { return new KIVQImage; }
    static ControlInfo getProps();

    // Plays a GIF over the control; forgets the image name, the SVG and the handed image.
    void loadGif(const QString& path);
    void startAnimate();
    void stopAnimate();

    // A theme image, or an SVG when the name ends in ".svg". Ends a movie; a handed image still wins.
    void setImagePath(const QString& path);
    const QString& getImagePath() const;
    // The control keeps its own (implicitly shared) copy, so the caller may free its image at once.
    // Null forgets it.
    void setImage(const QImage* image);
    // The kept copy, or null.
    const QImage* getImage() const;
    void setSvgPath(const QString& path);
    const QString& getSvgPath() const;
    // Also switches recolouring on.
    void setSvgColor(const QColor& colour);
    QColor getSvgColor() const;
    void setUseSvgColor(bool on);
    bool getUseSvgColor() const;
    void setStretchDraw(bool on);
    bool getStretchDraw() const;
    void setAlignType(DockLayoutType hor, DockLayoutType ver);

Q_SIGNALS:
    void clicked();
    // After each paint that finds the movie on its last frame.
    void movieFinished();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace KIVQtLib

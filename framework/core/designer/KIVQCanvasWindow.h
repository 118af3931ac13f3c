#pragma once

#include "core/ControlInfo.h"
#include "core/StyleTypes.h"

#include <QWidget>

namespace KIVQtLib {

// One page open in the designer canvas. It carries the settings a frameless window takes from a page
// document, without acting on them, and owns the page's controls as its children. The canvas paints
// the page; the window itself never shows.
class KIVQTLIB_EXPORT KIVQCanvasWindow : public QWidget
{
    Q_OBJECT
public:
    explicit KIVQCanvasWindow(QWidget* parent = nullptr);
    ~KIVQCanvasWindow() override;

    static const char* typeName() { return "Window"; }
    static QWidget* createCanvas();
    static ControlInfo getProps();

    // The deepest logically visible widget at (x, y) of this window's coordinates, searched from
    // widget down, each child only within its parent; the first in child order wins. Null when none.
    QWidget* HitTestWithChildren(QWidget* widget, int x, int y);
    void hideAllWidges();
    // The page document of this window.
    void toJsonString(QString& out);

    void setX(int x);
    void setY(int y);
    void setWidth(int width);
    void setHeight(int height);
    int getWidth() const { return width(); }
    int getHeight() const { return height(); }
    void setMinWidth(int width) { m_minWidth = width; }
    int getMinWidth() const { return m_minWidth; }
    void setMinHeight(int height) { m_minHeight = height; }
    int getMinHeight() const { return m_minHeight; }
    void setCanDrag(bool on) { m_canDrag = on; }
    bool getCanGrag() const { return m_canDrag; }
    void setResizeable(bool on);
    bool getResizeable() const { return m_resizeable; }
    void setOnlyDragCaption(bool on) { m_onlyDragCaption = on; }
    bool getOnlyDragCaption() const { return m_onlyDragCaption; }
    void setCaptionHeight(int height) { m_captionHeight = height; }
    // Whether a caption is set at all; captionHeight() gives its height.
    bool getCaptionHeight() const { return m_captionHeight != 0; }
    int captionHeight() const { return m_captionHeight; }
    void setShowBackground(bool on) { m_showBackground = on; }
    void setUseFillColor(bool on) { m_useFillColor = on; }
    void setBackgroundColor(const FillRes& res) { m_backgroundColor = res; }
    void setBackgroundImage(const QString& name, const ImageDesc& desc);
    void setPageName(const QString& name) { m_pageName = name; }
    const QString& pageName() const { return m_pageName; }
    void setTransparent(bool on);

private:
    Q_DISABLE_COPY(KIVQCanvasWindow)

    // What a page without "minW" or "minH" reads as, here and in the window the page becomes.
    static constexpr int kUnwrittenMinSize = 400;

    // Kept for the page document and the window the page becomes; nothing here acts on them.
    bool m_resizeable = false;
    bool m_canDrag = true;
    QString m_backgroundImage;
    ImageDesc m_backgroundImageDesc;
    FillRes m_backgroundColor;
    bool m_useFillColor = true;
    bool m_showBackground = false;
    int m_minWidth = kUnwrittenMinSize;
    int m_minHeight = kUnwrittenMinSize;
    bool m_onlyDragCaption = false;
    int m_captionHeight = 40;
    QString m_pageName;
};

} // namespace KIVQtLib

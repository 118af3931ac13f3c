#pragma once

#include "core/KIVQControl.h"

#include <QWidget>

namespace KIVQtLib {

class KIVQSplitterImpl;

// A two-pane splitter as data: an orientation, the widget of each pane and a limit for each, over a
// themed background. It neither places the panes nor reacts to the mouse, and keeps mouse events
// from its parent.
class KIVQTLIB_EXPORT KIVQSplitter : public KIVQControlBase<KIVQSplitter, QWidget, KIVQSplitterImpl>
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQSplitter(QWidget* parent = nullptr);

    static const char* typeName() { return "qtsplitter"; }
    static QWidget* createKIVQSplitter() { return new KIVQSplitter; }

    void setIsHor(bool horizontal);
    bool getIsHor() const;
    // The panes are not owned, reparented, shown or placed; a deleted pane reads back as null.
    void setUpLeftWidget(QWidget* widget);
    const QWidget* getUpLeftWidget() const;
    void setDownRightWidget(QWidget* widget);
    const QWidget* getDownRightWidget() const;
    void setUpLeftLimit(int limit);
    int getUpLeftLimit() const;
    void setDownRightLimit(int limit);
    int getDownRightLimit() const;
    void setBackground(const FillStyle& fill);
    FillStyle getBackground() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace KIVQtLib

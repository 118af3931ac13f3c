#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QRect>
#include <QSize>
#include <QVector>

class QWidget;

namespace KIVQtLib {

class KIVQContainer;
class KIVQContainerImpl;

// Set on a scroll bar while it is bound to a container: never laid out, never content.
inline constexpr char kBoundScrollBarProperty[] = "_kiv_container_bound_scrollbar";
// A child's unscrolled geometry in content coordinates.
inline constexpr char kBaseGeometryProperty[] = "_kiv_container_base_geometry";
// Published by a spacer, which the layout knows only by them: the axes it stretches in and its cross size.
inline constexpr char kSpacerDirectionProperty[] = "spacerDirection";
inline constexpr char kSpacerThicknessProperty[] = "spacerThickness";
inline constexpr char kSpacerClassName[] = "KIVQtLib::KIVQSpacer";
enum SpacerDirection
{
    SpacerAuto = 0,
    SpacerHorizontal = 1,
    SpacerVertical = 2
};

// The arithmetic that places a container's children: ratio rows and columns with fixed children and
// elastic spacers, flowing rows and columns, absolute docking, and the bound scroll bars with the
// content offset they control. No Qt layouts: children are placed with QWidget::setGeometry and their
// unscrolled rectangles are kept in kBaseGeometryProperty.
class KIVQTLIB_EXPORT KIVQChildLayout
{
public:
    explicit KIVQChildLayout(KIVQContainerImpl& container);

    void layoutChildren();
    void layoutAbsoluteChildren(int left, int top, int right, int bottom);
    // mayRerun: when the bars' visibility changes, lay out and update once more; the second
    // update keeps whatever it decides, so content that depends on the bars cannot oscillate.
    void updateScrollBars(bool mayRerun = true);
    void applyScrollOffset();

    static QSize preferredContentSize(KIVQContainer* container);
    static QSize naturalChildSize(QWidget* child);
    // r moved by (dx, dy), kept inside the coordinate range the layout works in.
    static QRect shifted(const QRect& r, qint64 dx, qint64 dy);

private:
    struct Axis;
    struct Item;
    struct Line;

    QVector<QWidget*> ordinaryChildren() const;
    QVector<Item> ratioChildren(const Axis& axis) const;
    Line lineOf(const Axis& axis, qint64 n) const;
    void distribute(const Axis& axis, QVector<Item>& items);
    void distributeWithSpacers(const Axis& axis, QVector<Item>& items);
    void place(const Axis& axis, const Item& item, qint64 mainPos, qint64 crossPos, qint64 mainLen, qint64 crossSize);
    void flow(const Axis& axis);
    int barRoom(bool horizontalBar) const;
    QRect baseGeometry(QWidget* child) const;
    void recordBaseGeometry(QWidget* child) const;

    KIVQContainerImpl& d;
    QWidget* m_owner;
};

} // namespace KIVQtLib

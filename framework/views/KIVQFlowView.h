#pragma once

#include "core/layout/KIVQContainer.h"

#include <QColor>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QVector>

class QPainter;
class QRectF;

namespace KIVQtLib {

// One card of a flow graph. Centre and size are fractions of the view, so the graph scales with it.
struct KIVQTLIB_EXPORT KIVQFlowNode
{
    QString id;
    QPointF center;
    QSizeF size;
    QString title;
    QString subtitle;
    QString value;
    QColor accentColor;
    QColor fillColor;
    QColor borderColor;
    QColor activeBorderColor;
    bool active = false; // the view keeps it equal to "is the selected node"
};

struct KIVQTLIB_EXPORT KIVQFlowConnection
{
    QString fromId;
    QString toId;
    QColor color;
    bool arrow = false;
};

// A node graph over an optional grid: rounded cards joined by curves. The user selects a node by
// clicking it; unless the view is read-only, also drags nodes and draws connections from a node's
// port (the middle of one of its sides) to another node. Made in code only; its JSON is the container's.
class KIVQTLIB_EXPORT KIVQFlowView : public KIVQContainer
{
    Q_OBJECT
public:
    enum Port
    {
        Left = 0,
        Right = 1,
        Top = 2,
        Bottom = 3
    };
    Q_ENUM(Port)

    explicit KIVQFlowView(QWidget* parent = nullptr);
    ~KIVQFlowView() override;

    void setNodes(const QVector<KIVQFlowNode>& nodes);
    QVector<KIVQFlowNode> nodes() const { return m_nodes; }
    // Taken as given: connections to missing nodes are kept but not drawn.
    void setConnections(const QVector<KIVQFlowConnection>& connections);
    QVector<KIVQFlowConnection> connections() const { return m_connections; }
    // Refused for empty or equal ids, a missing node, or an existing connection in this direction.
    bool addConnection(const QString& fromId, const QString& toId);
    bool removeConnection(const QString& fromId, const QString& toId);

    void setSelectedNodeId(const QString& id);
    QString selectedNodeId() const { return m_selectedId; }
    // Read-only (the initial state) still selects on click, but nothing moves or connects.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }
    void setGridVisible(bool visible);
    bool isGridVisible() const { return m_gridVisible; }
    // At least 1.0.
    void setConnectionWidth(double width);
    double connectionWidth() const { return m_connectionWidth; }

Q_SIGNALS:
    void nodeActivated(const QString& nodeId);
    void nodeMoved(const QString& nodeId, const QPointF& center);
    void connectionCreated(const QString& fromId, const QString& toId);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Where a node is drawn and hit in the view's current size: never under 86 x 66 pixels, and pushed
    // inside the view when it fits.
    QRectF nodeRect(const KIVQFlowNode& node) const;
    const KIVQFlowNode* node(const QString& id) const;
    bool hasConnection(const QString& fromId, const QString& toId) const;
    QString nodeAt(const QPointF& point) const;
    QPointF normalizedPosition(const QPointF& point, const QSizeF& size) const;
    static Port portFor(const QRectF& rect, const QPointF& point);
    static QPointF portPoint(const QRectF& rect, Port port);
    QString portNodeAt(const QPointF& point) const;
    void updateActiveFlags();
    void drawGrid(QPainter& painter) const;
    void drawConnection(QPainter& painter, const KIVQFlowConnection& connection) const;
    void drawNode(QPainter& painter, const KIVQFlowNode& node) const;

    QVector<KIVQFlowNode> m_nodes;
    QVector<KIVQFlowConnection> m_connections;
    QString m_selectedId;
    QString m_draggedId;
    QString m_sourceId;
    QPointF m_dragEnd;
    bool m_readOnly = true;
    bool m_gridVisible = true;
    bool m_nodeDragging = false;
    bool m_connectionDragging = false;
    double m_connectionWidth = 2.4;
};

} // namespace KIVQtLib

#include "KIVQFlowView.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace KIVQtLib {

namespace {

constexpr double kMinNodeWidth = 86;
constexpr double kMinNodeHeight = 66;
constexpr double kPortReach = 12;
constexpr int kGridStep = 28;
constexpr double kMinCurveOffset = 24;
constexpr double kCurveBend = 0.45;
constexpr double kCornerRadius = 7;

const QColor kNewConnectionColor(74, 122, 128, 255);
const QColor kGridColor(39, 43, 49, 255);
const QColor kDragLineColor(146, 134, 255, 255);
const QColor kTitleColor(242, 244, 247, 255);
const QColor kSubtitleColor(167, 176, 184, 255);

// A bound that may lie below the lower one (a node wider than the view) keeps the lower one.
double clampInto(double value, double low, double high)
{
    return std::clamp(value, low, std::max(high, low));
}

} // namespace

KIVQFlowView::KIVQFlowView(QWidget* parent) : KIVQContainer(parent)
{
    setObjectName(QStringLiteral("flowView"));
    setChildLayout(NoUse);
    setMouseTracking(true);
}

KIVQFlowView::~KIVQFlowView() = default;

void KIVQFlowView::setNodes(const QVector<KIVQFlowNode>& nodes)
{
    if (!m_nodes.isSharedWith(nodes))
        m_nodes = nodes;
    updateActiveFlags();
    update();
}

void KIVQFlowView::setConnections(const QVector<KIVQFlowConnection>& connections)
{
    if (!m_connections.isSharedWith(connections))
        m_connections = connections;
    update();
}

bool KIVQFlowView::addConnection(const QString& fromId, const QString& toId)
{
    if (fromId.isEmpty() || toId.isEmpty() || fromId == toId || !node(fromId) || !node(toId) ||
        hasConnection(fromId, toId))
        return false;
    m_connections.append(KIVQFlowConnection{fromId, toId, kNewConnectionColor, false});
    update();
    Q_EMIT connectionCreated(fromId, toId);
    return true;
}

bool KIVQFlowView::removeConnection(const QString& fromId, const QString& toId)
{
    for (int i = 0; i < m_connections.size(); ++i) {
        if (m_connections.at(i).fromId == fromId && m_connections.at(i).toId == toId) {
            m_connections.remove(i);
            update();
            return true;
        }
    }
    return false;
}

void KIVQFlowView::setSelectedNodeId(const QString& id)
{
    m_selectedId = id;
    updateActiveFlags();
    update();
}

void KIVQFlowView::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_draggedId.clear();
    m_sourceId.clear();
    m_nodeDragging = false;
    m_connectionDragging = false;
    update();
}

void KIVQFlowView::setGridVisible(bool visible)
{
    m_gridVisible = visible;
    update();
}

void KIVQFlowView::setConnectionWidth(double width)
{
    // Written so that NaN, which every comparison refuses, also ends at the floor.
    m_connectionWidth = (width >= 1.0 && std::isfinite(width)) ? width : 1.0;
    update();
}

const KIVQFlowNode* KIVQFlowView::node(const QString& id) const
{
    for (const KIVQFlowNode& n : m_nodes) {
        if (n.id == id)
            return &n;
    }
    return nullptr;
}

bool KIVQFlowView::hasConnection(const QString& fromId, const QString& toId) const
{
    return std::any_of(m_connections.cbegin(), m_connections.cend(),
                       [&](const KIVQFlowConnection& c) { return c.fromId == fromId && c.toId == toId; });
}

QRectF KIVQFlowView::nodeRect(const KIVQFlowNode& n) const
{
    const double W = width();
    const double H = height();
    const double w = std::max(W * n.size.width(), kMinNodeWidth);
    const double h = std::max(H * n.size.height(), kMinNodeHeight);
    const double cx = clampInto(std::max(W, 1.0) * n.center.x(), w / 2, W - w / 2);
    const double cy = clampInto(std::max(H, 1.0) * n.center.y(), h / 2, H - h / 2);
    return QRectF(cx - w / 2, cy - h / 2, w, h);
}

QString KIVQFlowView::nodeAt(const QPointF& point) const
{
    for (int i = m_nodes.size() - 1; i >= 0; --i) {
        if (nodeRect(m_nodes.at(i)).contains(point))
            return m_nodes.at(i).id;
    }
    return QString();
}

QPointF KIVQFlowView::normalizedPosition(const QPointF& point, const QSizeF& size) const
{
    const double W = width();
    const double H = height();
    const double hw = std::max(size.width() * W, kMinNodeWidth) / 2;
    const double hh = std::max(size.height() * H, kMinNodeHeight) / 2;
    return QPointF(clampInto(point.x(), hw, W - hw) / std::max(W, 1.0),
                   clampInto(point.y(), hh, H - hh) / std::max(H, 1.0));
}

KIVQFlowView::Port KIVQFlowView::portFor(const QRectF& rect, const QPointF& point)
{
    const QPointF d = point - rect.center();
    if (std::abs(d.x()) >= std::abs(d.y()))
        return d.x() >= 0 ? Right : Left;
    return d.y() >= 0 ? Bottom : Top;
}

QPointF KIVQFlowView::portPoint(const QRectF& rect, Port port)
{
    switch (port) {
    case Left:
        return QPointF(rect.left(), rect.center().y());
    case Right:
        return QPointF(rect.right(), rect.center().y());
    case Top:
        return QPointF(rect.center().x(), rect.top());
    case Bottom:
        break;
    }
    return QPointF(rect.center().x(), rect.bottom());
}

QString KIVQFlowView::portNodeAt(const QPointF& point) const
{
    for (int i = m_nodes.size() - 1; i >= 0; --i) {
        const QRectF rect = nodeRect(m_nodes.at(i));
        for (Port port : {Left, Right, Top, Bottom}) {
            if (QLineF(portPoint(rect, port), point).length() <= kPortReach)
                return m_nodes.at(i).id;
        }
    }
    return QString();
}

void KIVQFlowView::updateActiveFlags()
{
    for (KIVQFlowNode& n : m_nodes)
        n.active = n.id == m_selectedId;
}

void KIVQFlowView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        KIVQContainer::mousePressEvent(event);
        return;
    }
    const QPointF pos = event->localPos();
    const QString hit = nodeAt(pos);
    if (hit.isEmpty()) {
        KIVQContainer::mousePressEvent(event);
        return;
    }
    m_selectedId = hit;
    updateActiveFlags();
    update();
    if (!m_readOnly) {
        // A port wins over the card under it, so a connection can start at any node's edge.
        const QString source = portNodeAt(pos);
        if (!source.isEmpty()) {
            m_sourceId = source;
            m_connectionDragging = true;
            m_dragEnd = pos;
        } else {
            m_draggedId = hit;
            m_nodeDragging = true;
        }
    }
    event->accept();
    // Last: a slot may delete the view.
    Q_EMIT nodeActivated(hit);
}

void KIVQFlowView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_nodeDragging) {
        for (KIVQFlowNode& n : m_nodes) {
            if (n.id != m_draggedId)
                continue;
            n.center = normalizedPosition(event->localPos(), n.size);
            update();
            Q_EMIT nodeMoved(n.id, n.center);
            break;
        }
        event->accept();
        return;
    }
    if (m_connectionDragging) {
        m_dragEnd = event->localPos();
        update();
        event->accept();
        return;
    }
    KIVQContainer::mouseMoveEvent(event);
}

void KIVQFlowView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        KIVQContainer::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    m_draggedId.clear();
    m_nodeDragging = false;
    if (!m_connectionDragging)
        return;
    const QString source = m_sourceId;
    const QString target = nodeAt(event->localPos());
    m_sourceId.clear();
    m_connectionDragging = false;
    update();
    // Last: connectionCreated may delete the view.
    if (!target.isEmpty() && target != source)
        addConnection(source, target);
}

void KIVQFlowView::paintEvent(QPaintEvent* event)
{
    KIVQContainer::paintEvent(event);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_gridVisible)
        drawGrid(painter);
    for (const KIVQFlowConnection& c : m_connections)
        drawConnection(painter, c);

    if (m_connectionDragging) {
        if (const KIVQFlowNode* source = node(m_sourceId)) {
            const QRectF rect = nodeRect(*source);
            QPen pen(kDragLineColor, m_connectionWidth, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin);
            painter.setPen(pen);
            painter.drawLine(portPoint(rect, portFor(rect, m_dragEnd)), m_dragEnd);
        }
    }

    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    for (const KIVQFlowNode& n : m_nodes)
        drawNode(painter, n);
}

void KIVQFlowView::drawGrid(QPainter& painter) const
{
    painter.setPen(QPen(kGridColor, 1.0));
    for (int x = kGridStep; x < width(); x += kGridStep)
        painter.drawLine(QPointF(x, 0), QPointF(x, height()));
    for (int y = kGridStep; y < height(); y += kGridStep)
        painter.drawLine(QPointF(0, y), QPointF(width(), y));
}

void KIVQFlowView::drawConnection(QPainter& painter, const KIVQFlowConnection& connection) const
{
    const KIVQFlowNode* from = node(connection.fromId);
    const KIVQFlowNode* to = node(connection.toId);
    if (!from || !to)
        return;
    const QRectF a = nodeRect(*from);
    const QRectF b = nodeRect(*to);
    const Port startPort = portFor(a, b.center());
    const QPointF start = portPoint(a, startPort);
    const QPointF end = portPoint(b, portFor(b, a.center()));

    QPainterPath path(start);
    QPointF u;
    if (startPort == Left || startPort == Right) {
        const double sign = startPort == Right ? 1 : -1;
        const double o = sign * std::max(std::abs(end.x() - start.x()) * kCurveBend, kMinCurveOffset);
        path.cubicTo(QPointF(start.x() + o, start.y()), QPointF(end.x() - o, end.y()), end);
        u = QPointF(sign, 0);
    } else {
        const double sign = startPort == Bottom ? 1 : -1;
        const double o = sign * std::max(std::abs(end.y() - start.y()) * kCurveBend, kMinCurveOffset);
        path.cubicTo(QPointF(start.x(), start.y() + o), QPointF(end.x(), end.y() - o), end);
        u = QPointF(0, sign);
    }
    painter.setPen(QPen(connection.color, m_connectionWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);

    if (connection.arrow) {
        const QPointF base = end - 7 * u;
        const QPointF side = 3.5 * QPointF(-u.y(), u.x());
        const QPointF head[3] = {end, base + side, base - side};
        painter.setPen(Qt::NoPen);
        painter.setBrush(connection.color);
        painter.drawPolygon(head, 3);
    }
}

void KIVQFlowView::drawNode(QPainter& painter, const KIVQFlowNode& n) const
{
    const QRectF r = nodeRect(n);
    painter.setPen(n.active ? QPen(n.activeBorderColor, 2.2) : QPen(n.borderColor, 1.2));
    painter.setBrush(n.fillColor);
    painter.drawRoundedRect(r, kCornerRadius, kCornerRadius);

    painter.setPen(Qt::NoPen);
    painter.setBrush(n.accentColor);
    painter.drawEllipse(QRectF(r.left() + 9, r.top() + 9, 9, 9));

    QFont font = painter.font();
    font.setWeight(QFont::Bold);
    painter.setFont(font);
    painter.setPen(kTitleColor);
    painter.drawText(QRectF(r.left() + 24, r.top() + 5, r.width() - 31, 23), Qt::AlignLeft | Qt::AlignVCenter, n.title);

    font.setWeight(QFont::Normal);
    painter.setFont(font);
    painter.setPen(kSubtitleColor);
    const QString subtitle = QFontMetricsF(font).elidedText(n.subtitle, Qt::ElideRight, std::max(r.width() - 18, 20.0));
    painter.drawText(QRectF(r.left() + 9, r.top() + 27, r.width() - 18, std::max(r.height() - 51, 15.0)),
                     Qt::AlignLeft | Qt::AlignVCenter, subtitle);

    painter.setPen(n.accentColor);
    painter.drawText(QRectF(r.left() + 9, r.bottom() - 23, r.width() - 18, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     n.value);
}

} // namespace KIVQtLib

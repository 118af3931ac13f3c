#pragma once

#include "core/layout/KIVQContainer.h"

#include <QList>

namespace KIVQtLib {

class KIVQRibbonButton;
class KIVQRibbonContextGroup;
class KIVQRibbonGroup;
class KIVQRibbonHost;

// One tab's content: a row of groups that share spare width among the expanding ones and scroll, by
// arrows or the wheel, when they do not fit.
class KIVQTLIB_EXPORT KIVQRibbonPage : public KIVQContainer
{
    Q_OBJECT
public:
    // An empty title shows the identifier.
    KIVQRibbonPage(const QString& id, const QString& title, QWidget* parent = nullptr);
    ~KIVQRibbonPage() override;

    QString pageId() const { return m_id; }
    QString title() const { return m_title; }
    void setTitle(const QString& title);

    // Set by the bar that makes the page; null leaves the ribbon's built-in values.
    void setRibbonHost(KIVQRibbonHost* host);
    KIVQRibbonHost* ribbonHost() const { return m_host; }
    void setContextGroup(KIVQRibbonContextGroup* group) { m_contextGroup = group; }
    KIVQRibbonContextGroup* contextGroup() const { return m_contextGroup; }

    KIVQRibbonGroup* addGroup(const QString& id, const QString& title);
    // The index is clamped to 0..groupCount().
    KIVQRibbonGroup* insertGroup(int index, const QString& id, const QString& title);
    // The group disappears at once and is deleted once control returns to the event loop.
    bool removeGroup(KIVQRibbonGroup* group);
    void clearGroups();
    int groupCount() const { return m_groups.size(); }
    KIVQRibbonGroup* groupAt(int index) const;
    KIVQRibbonGroup* groupById(const QString& id) const;

    void scrollBy(int delta);
    int scrollOffset() const { return m_scrollOffset; }
    bool isOverflowing() const;

    QSize sizeHint() const override;

protected:
    // A child whose size hint changed asks for a new layout.
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    qint64 contentWidth() const;
    // The width the groups may show in: the page less the arrows when they do not fit.
    qint64 availableWidth(qint64 content) const;
    void layoutGroups();
    void dropGroup(KIVQRibbonGroup* group);

    QString m_id;
    QString m_title;
    QList<KIVQRibbonGroup*> m_groups;
    KIVQRibbonButton* m_left;
    KIVQRibbonButton* m_right;
    int m_scrollOffset = 0;
    KIVQRibbonHost* m_host = nullptr;
    KIVQRibbonContextGroup* m_contextGroup = nullptr;
};

} // namespace KIVQtLib

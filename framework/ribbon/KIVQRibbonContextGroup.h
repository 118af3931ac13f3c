#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

namespace KIVQtLib {

class KIVQRibbonBar;
class KIVQRibbonPage;

// A set of pages whose tabs show only while the group is visible, marked by the group's colour.
class KIVQTLIB_EXPORT KIVQRibbonContextGroup : public QObject
{
    Q_OBJECT
public:
    KIVQRibbonContextGroup(const QString& id, const QString& title, const QColor& color, KIVQRibbonBar* bar);

    QString contextId() const { return m_id; }
    QString title() const { return m_title; }
    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    bool isVisible() const { return m_visible; }
    int pageCount() const { return m_pages.size(); }
    KIVQRibbonPage* pageAt(int index) const { return m_pages.value(index); }
    KIVQRibbonPage* addPage(const QString& id, const QString& title);

private:
    friend class KIVQRibbonBar;

    QString m_id;
    QString m_title;
    QColor m_color;
    bool m_visible = false;
    QList<KIVQRibbonPage*> m_pages;
    QPointer<KIVQRibbonBar> m_bar;
};

} // namespace KIVQtLib

#pragma once

#include "core/KIVQtLibGlobal.h"

#include <QHeaderView>
#include <QPointer>

namespace KIVQtLib {

class KIVQTableViewImpl;

// The table's header: sections filled and titled from the table's header styles, and in the table's
// check mode a check box in the first horizontal section whose click toggles the header-checked flag.
class KIVQTLIB_EXPORT KIVQTableHeader : public QHeaderView
{
    Q_OBJECT
public:
    KIVQTableHeader(KIVQTableViewImpl* impl, Qt::Orientation orientation, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect sectionRect(int logical) const;

    QPointer<KIVQTableViewImpl> m_impl;
};

} // namespace KIVQtLib

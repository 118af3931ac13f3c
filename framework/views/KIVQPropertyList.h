#pragma once

#include "controls/KIVQScrollView.h"

#include <QMetaType>

namespace KIVQtLib {

class KIVQPropertyListImpl;

// The property editor: one 30-pixel row per designer row of a control, a name column and an editor
// chosen by the row's kind, writing edits back through the row's bound setter. A row keeps the address
// of its definition, which must outlive it (until removeAll, or the list's end).
class KIVQTLIB_EXPORT KIVQPropertyList : public KIVQScrollView
{
    Q_OBJECT
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)
public:
    explicit KIVQPropertyList(QWidget* parent = nullptr);
    ~KIVQPropertyList() override;

    static const char* typeName() { return "qtproperty"; }
    static QWidget* createKIVQPropertyList() { return new KIVQPropertyList; }
    static QWidget* createControl() { return createKIVQPropertyList(); }
    static ControlInfo getProps();

    void addItem(const PropertyDef& def);
    // Hides every row and forgets its definition; the rows are kept for reuse.
    void removeAll();
    // For a receiver of selectEvent that wrote a value itself.
    void updateValue(PropertyDef* def);

    // The widget that holds the rows: the scrolled content.
    QWidget* contentWidget() const { return m_content; }

Q_SIGNALS:
    // A style row's picker was clicked; choosing and writing the style is the receiver's.
    void selectEvent(KIVQtLib::PropertyDef* propDef);
    // After an edit was written back; null when the editor had no definition.
    void valueChanged(KIVQtLib::PropertyDef* propDef);

protected:
    void layout();
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class KIVQPropertyListImpl;
    KIVQPropertyListImpl* listImpl() const;

    QWidget* m_content;
};

} // namespace KIVQtLib

Q_DECLARE_METATYPE(KIVQtLib::PropertyDef*)

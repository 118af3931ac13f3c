#pragma once

#include "controls/KIVQScrollViewImpl.h"

#include <map>
#include <memory>
#include <vector>

namespace KIVQtLib {

class KIVQCheckBox;
class KIVQContainer;
class KIVQLabel;
class KIVQLineEdit;
class KIVQPropertyList;
class KIVQPushButton;
class KIVQSpinBox;
struct PropertyDef;

// The property list's rows: a pool per row kind, reused after removeAll and freed only with this
// object. Keeps the scroll view's background and JSON.
class KIVQTLIB_EXPORT KIVQPropertyListImpl : public KIVQScrollViewImpl
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 30;

    KIVQPropertyListImpl(KIVQPropertyList* owner, const QString& typeName);
    ~KIVQPropertyListImpl() override;

    // The rows live in the content widget, which the list scrolls from its construction on; adopting
    // a container child would replace (and delete) it.
    void onCreateComplete() override {}

    void addItem(const PropertyDef& def);
    void removeAll();
    int displayedRows() const { return int(m_displayed.size()); }

    int nameWidth = 120;

private Q_SLOTS:
    void textChanged(const QString& text);
    void checkToggled(bool checked);
    void spinChanged(int value);
    void pickClicked();

private:
    struct Row
    {
        bool inUse = false;
        int kind = -1;
        KIVQContainer* container = nullptr;
        KIVQLabel* name = nullptr;
        KIVQLabel* value = nullptr;
        KIVQSpinBox* spin = nullptr;
        KIVQLineEdit* edit = nullptr;
        KIVQCheckBox* check = nullptr;
        KIVQPushButton* picker = nullptr;
    };

    Row* supplyRow(int kind);
    Row* buildRow(int kind, int width);
    // The definition an editor writes through, from its "Prop_ID"; null while it has none.
    PropertyDef* definitionOf(QObject* editor) const;

    KIVQPropertyList* m_list;
    std::vector<Row*> m_displayed;
    std::map<int, std::vector<std::unique_ptr<Row>>> m_pool;
};

} // namespace KIVQtLib

#include "KIVQPropertyListImpl.h"

#include "KIVQPropertyList.h"
#include "controls/KIVQCheckBox.h"
#include "controls/KIVQLabel.h"
#include "controls/KIVQLineEdit.h"
#include "controls/KIVQPushButton.h"
#include "controls/KIVQSpinBox.h"
#include "core/ControlInfo.h"
#include "core/layout/KIVQContainer.h"

namespace KIVQtLib {

namespace {

const char kPropId[] = "Prop_ID";
constexpr int kPickerSize = 20;
constexpr int kPickerRight = 25; // the picker's left edge, from the row's right
constexpr int kPickerRoom = 30;  // taken from the value label for the picker
const QColor kSeparatorColour(200, 200, 200);

void place(QWidget* w, int x, int y, int width, int height)
{
    w->QWidget::setGeometry(x, y, width, height);
}

// "Prop_ID" is an int 0 while the editor is filled or has no definition, else the definition.
void setDefinition(QObject* editor, const PropertyDef* def)
{
    editor->setProperty(kPropId, def ? QVariant::fromValue<void*>(const_cast<PropertyDef*>(def)) : QVariant(0));
}

QString textOf(const PropertyDef& def)
{
    return def.textGetter ? def.textGetter(def.target) : QString();
}

} // namespace

KIVQPropertyListImpl::KIVQPropertyListImpl(KIVQPropertyList* owner, const QString& typeName)
    : KIVQScrollViewImpl(owner, typeName), m_list(owner)
{
}

KIVQPropertyListImpl::~KIVQPropertyListImpl() = default;

PropertyDef* KIVQPropertyListImpl::definitionOf(QObject* editor) const
{
    const QVariant id = editor ? editor->property(kPropId) : QVariant();
    return id.userType() == QMetaType::VoidStar ? static_cast<PropertyDef*>(id.value<void*>()) : nullptr;
}

KIVQPropertyListImpl::Row* KIVQPropertyListImpl::supplyRow(int kind)
{
    std::vector<std::unique_ptr<Row>>& pool = m_pool[kind];
    const int width = m_list->width();
    const int y = kRowHeight * displayedRows();
    for (const std::unique_ptr<Row>& row : pool) {
        if (row->inUse)
            continue;
        row->inUse = true;
        // A reused row keeps its editors' widths from when it was built; only the row moves.
        place(row->container, 0, y, width, kRowHeight);
        m_displayed.push_back(row.get());
        row->container->show();
        row->container->raise();
        return row.get();
    }
    Row* row = buildRow(kind, width);
    place(row->container, 0, y, width, kRowHeight);
    pool.emplace_back(row);
    m_displayed.push_back(row);
    // Shown whatever its kind, so a separator added to a list already on screen shows too.
    row->container->show();
    return row;
}

KIVQPropertyListImpl::Row* KIVQPropertyListImpl::buildRow(int kind, int width)
{
    auto* row = new Row;
    row->kind = kind;
    row->inUse = true;
    row->container = new KIVQContainer(m_list->contentWidget());
    row->container->setChildLayout(KIVQContainer::NoUse);
    QWidget* c = row->container;
    const int editorWidth = width - nameWidth;

    if (kind == PropertyDef::Separator) {
        auto* line = new KIVQContainer(c);
        line->setColor(kSeparatorColour);
        place(line, nameWidth, kRowHeight / 2, width, 1);
        return row;
    }
    row->name = new KIVQLabel(c);
    place(row->name, 0, 0, nameWidth, kRowHeight);

    switch (kind) {
    case PropertyDef::ObjectName:
        row->edit = new KIVQLineEdit(c);
        place(row->edit, nameWidth, 0, editorWidth, kRowHeight);
        connect(row->edit, &QLineEdit::textChanged, this, &KIVQPropertyListImpl::textChanged);
        break;
    case PropertyDef::ReadOnlyText:
        row->value = new KIVQLabel(c);
        place(row->value, nameWidth, 0, editorWidth, kRowHeight);
        break;
    case PropertyDef::OnOff:
        row->check = new KIVQCheckBox(c);
        place(row->check, nameWidth, 0, editorWidth, kRowHeight);
        connect(row->check, &QAbstractButton::toggled, this, &KIVQPropertyListImpl::checkToggled);
        break;
    case PropertyDef::Fill:
        row->value = new KIVQLabel(c);
        place(row->value, nameWidth, 0, editorWidth - kPickerRoom, kRowHeight);
        row->picker = new KIVQPushButton(c);
        row->picker->setText(QStringLiteral("..."));
        place(row->picker, width - kPickerRight, (kRowHeight - kPickerSize) / 2, kPickerSize, kPickerSize);
        connect(row->picker, &QAbstractButton::clicked, this, &KIVQPropertyListImpl::pickClicked);
        break;
    case PropertyDef::Integer:
        row->spin = new KIVQSpinBox(c);
        place(row->spin, nameWidth, 0, editorWidth, kRowHeight);
        connect(row->spin, QOverload<int>::of(&QSpinBox::valueChanged), this, &KIVQPropertyListImpl::spinChanged);
        break;
    default:
        break;
    }
    return row;
}

void KIVQPropertyListImpl::addItem(const PropertyDef& def)
{
    int kind = def.kind;
    if (kind == PropertyDef::Text)
        kind = PropertyDef::ObjectName;
    else if (kind == PropertyDef::TextStyle)
        kind = PropertyDef::Fill;
    switch (kind) {
    case PropertyDef::ObjectName:
    case PropertyDef::ReadOnlyText:
    case PropertyDef::OnOff:
    case PropertyDef::Separator:
    case PropertyDef::Fill:
    case PropertyDef::Integer:
        break;
    default:
        m_list->layout();
        return;
    }

    Row* row = supplyRow(kind);
    if (row->name)
        row->name->setText(def.name);

    // Filled with an id of 0 so that filling writes nothing back. A row without a getter (or before
    // its target is set) shows the editor's default.
    switch (kind) {
    case PropertyDef::ObjectName:
        setDefinition(row->edit, nullptr);
        row->edit->setText(textOf(def));
        setDefinition(row->edit, &def);
        break;
    case PropertyDef::ReadOnlyText:
        row->value->setText(textOf(def));
        break;
    case PropertyDef::OnOff:
        setDefinition(row->check, nullptr);
        row->check->setChecked(def.boolGetter ? def.boolGetter(def.target) : false);
        setDefinition(row->check, &def);
        break;
    case PropertyDef::Fill:
        setDefinition(row->picker, nullptr);
        if (def.kind == PropertyDef::TextStyle)
            row->value->setText(def.textStyleGetter ? def.textStyleGetter(def.target, CtrlNormal).name : QString());
        else
            row->value->setText(def.fillGetter ? def.fillGetter(def.target, CtrlNormal).name : QString());
        setDefinition(row->picker, &def);
        break;
    case PropertyDef::Integer:
        setDefinition(row->spin, nullptr);
        row->spin->setMinimum(def.minimum);
        row->spin->setMaximum(def.maximum);
        row->spin->setValue(def.intGetter ? def.intGetter(def.target) : 0);
        setDefinition(row->spin, &def);
        break;
    default:
        break;
    }
    m_list->layout();
}

void KIVQPropertyListImpl::removeAll()
{
    for (Row* row : m_displayed) {
        row->inUse = false;
        row->container->hide();
        // The caller may free the definitions now: an editor that still held one would write through it.
        for (QObject* editor : {static_cast<QObject*>(row->edit), static_cast<QObject*>(row->check),
                                static_cast<QObject*>(row->spin), static_cast<QObject*>(row->picker)}) {
            if (editor)
                setDefinition(editor, nullptr);
        }
    }
    m_displayed.clear();
    // Nothing left to scroll over.
    m_list->layout();
}

void KIVQPropertyListImpl::textChanged(const QString& text)
{
    PropertyDef* def = definitionOf(sender());
    if (def && def->textSetter && def->target)
        def->textSetter(def->target, text);
    Q_EMIT m_list->valueChanged(def);
}

void KIVQPropertyListImpl::checkToggled(bool checked)
{
    PropertyDef* def = definitionOf(sender());
    if (def && def->boolSetter && def->target)
        def->boolSetter(def->target, checked);
    Q_EMIT m_list->valueChanged(def);
}

void KIVQPropertyListImpl::spinChanged(int value)
{
    PropertyDef* def = definitionOf(sender());
    if (def && def->intSetter && def->target)
        def->intSetter(def->target, value);
    Q_EMIT m_list->valueChanged(def);
}

void KIVQPropertyListImpl::pickClicked()
{
    if (PropertyDef* def = definitionOf(sender()))
        Q_EMIT m_list->selectEvent(def);
}

} // namespace KIVQtLib

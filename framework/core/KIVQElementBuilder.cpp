#include "KIVQElementBuilder.h"

#include "IKIVQWidgetBase.h"
#include "JsonRead.h"
#include "KIVQtLib.h"
#include "Limits.h"
#include "theme/KIVQResourceManager.h"

#include <json/json.h>

#include <QWidget>

#include <utility>

namespace KIVQtLib {

namespace {

ControlBudget* currentBudget = nullptr;

} // namespace

ControlBudget::ControlBudget(int limit, const QString& document)
    : m_outer(currentBudget), m_document(document), m_limit(limit), m_left(limit)
{
    currentBudget = this;
}

ControlBudget::~ControlBudget()
{
    currentBudget = m_outer;
}

bool ControlBudget::take(const QString& where)
{
    return take([&where] { return where; });
}

bool ControlBudget::take(const std::function<QString()>& where)
{
    for (ControlBudget* budget = currentBudget; budget; budget = budget->m_outer) {
        if (budget->m_left <= 0) {
            if (!budget->m_reported)
                budget->report(where());
            return false;
        }
    }
    for (ControlBudget* budget = currentBudget; budget; budget = budget->m_outer)
        --budget->m_left;
    return true;
}

void ControlBudget::report(const QString& where)
{
    m_reported = true;
    // Refused by the page around it, a nested document is named with its own part.
    const QString& inner = currentBudget->m_document;
    const QString at = currentBudget == this || inner == m_document ? where : inner + QStringLiteral(": ") + where;
    qCWarning(lcKivJson, "Document %s: the controls from %s on are left out, past %d controls",
              qUtf8Printable(m_document), qUtf8Printable(at), m_limit);
}

void ControlBudget::reportTooDeep(const QString& where)
{
    ControlBudget* outermost = currentBudget;
    while (outermost && outermost->m_outer)
        outermost = outermost->m_outer;
    if (!outermost) {
        qCWarning(lcKivJson, "Element %s is left out with what it holds, nested deeper than %d levels",
                  qUtf8Printable(where), limits::kMaxPageDepth);
    } else if (!std::exchange(outermost->m_reportedDepth, true)) {
        qCWarning(lcKivJson, "Document %s: %s is left out with what it holds, nested deeper than %d levels",
                  qUtf8Printable(outermost->m_document), qUtf8Printable(where), limits::kMaxPageDepth);
    }
}

namespace {

// Where an element sits in its document. Only a warning spells it out, and a build seldom warns: the text
// made for every child was about a percent of building a page.
struct ElementPath
{
    const QString* head = nullptr; // the caller's text, for the element the build started from
    const ElementPath* parent = nullptr;
    Json::ArrayIndex index = 0;
    int depth = 1;

    QString text() const
    {
        if (!parent)
            return *head;
        const QString above = parent->text();
        return (above.isEmpty() ? QString() : above + QLatin1Char('/')) + QStringLiteral("child[%1]").arg(index);
    }
};

// control, when given, receives the made control's interface (null for a widget that is no control).
QWidget* createControl(const char* type, const Json::Value* element, QWidget* parent, const ElementPath& path,
                       IKIVQWidgetBase** control = nullptr);

// owned, when given, is element itself, writable: each child is emptied once its subtree is built.
QWidget* buildTree(const Json::Value& element, Json::Value* owned, QWidget* parent, const ElementPath& path)
{
    const Json::Value& type = json::member(element, "type");
    if (!type.isString())
        return nullptr;
    if (path.depth > limits::kMaxPageDepth) {
        ControlBudget::reportTooDeep(path.text());
        return nullptr;
    }
    if (!ControlBudget::take([&path] { return path.text(); }))
        return nullptr;
    IKIVQWidgetBase* base = nullptr;
    QWidget* control = createControl(type.asCString(), &element, parent, path, &base);
    if (!control)
        return nullptr;
    if (const Json::Value* children = json::array(element, "child", 1)) {
        Json::Value* ownedChildren = owned ? &(*owned)["child"] : nullptr;
        for (Json::ArrayIndex i = 0; i < children->size(); ++i) {
            Json::Value* child = ownedChildren ? &(*ownedChildren)[i] : nullptr;
            buildTree((*children)[i], child, control, ElementPath{nullptr, &path, i, path.depth + 1});
            if (child)
                *child = Json::Value();
        }
    }
    if (base)
        base->createComplete();
    return control;
}

} // namespace

QWidget* buildControlTree(const Json::Value& element, QWidget* parent, const QString& where)
{
    return buildTree(element, nullptr, parent, ElementPath{&where});
}

QWidget* buildControlTreeConsuming(Json::Value& element, QWidget* parent, const QString& where)
{
    return buildTree(element, &element, parent, ElementPath{&where});
}

namespace {

QWidget* s_constructionParent = nullptr;
// What QWidget gives a widget made without a parent.
constexpr QSize kUnparentedSize(640, 480);

// A widget made without a parent and moved under one resolves its font and palette twice and is sent
// the events of a move; the registry's factories take the parent from here instead.
class ConstructionParentScope
{
public:
    explicit ConstructionParentScope(QWidget* parent) : m_previous(s_constructionParent)
    {
        s_constructionParent = parent;
    }
    ~ConstructionParentScope() { s_constructionParent = m_previous; }
    Q_DISABLE_COPY(ConstructionParentScope)

private:
    QWidget* m_previous;
};

} // namespace

QWidget* kivTakeConstructionParent()
{
    // Taken once: whatever the control makes in its own constructor has a parent of its own choosing.
    QWidget* parent = s_constructionParent;
    s_constructionParent = nullptr;
    return parent;
}

namespace {

QWidget* createControl(const char* type, const Json::Value* element, QWidget* parent, const ElementPath& path,
                       IKIVQWidgetBase** control)
{
    if (!type)
        return nullptr;
    QWidget* widget = nullptr;
    if (ControlCreateHook hook = kivControlCreateHook()) {
        const QString name = element ? json::stringOr(*element, "name") : QString();
        widget = hook(name, QString::fromUtf8(type));
    }
    if (!widget) {
        ControlCreateFunction create = kivFindCreateFunction(type);
        if (!create) {
            const QString where = path.text();
            qCWarning(lcKivJson, "Unknown control type %s at %s", type,
                      where.isEmpty() ? "an element built in code" : qUtf8Printable(where));
            return nullptr;
        }
        const ConstructionParentScope scope(parent);
        widget = create();
        if (!widget)
            return nullptr;
    }
    if (widget->parentWidget() != parent || widget->isWindow()) {
        // A window drops its window flags under a parent, as it always did.
        widget->setParent(parent);
    } else if (!widget->testAttribute(Qt::WA_Resized)) {
        // Made under the parent, a widget starts at a child's default size; it keeps the size of one made
        // on its own and moved there, which a control saved without a size lays out with.
        widget->resize(kUnparentedSize);
        widget->setAttribute(Qt::WA_Resized, false);
    }
    auto* base = dynamic_cast<IKIVQWidgetBase*>(widget);
    if (base && element) {
        // Each element starts outside any theme entry; a control applying its own theme entry may be
        // building this one, and its remaining reads must still see the flag it set.
        ThemeResScope scope(false);
        base->readJsonValue(const_cast<Json::Value*>(element));
    }
    if (control)
        *control = base;
    return widget;
}

} // namespace

QWidget* createControlByType(const char* type, const Json::Value* element, QWidget* parent, const QString& where)
{
    return createControl(type, element, parent, ElementPath{&where});
}

QWidget* createControlByTypeName(const char* type, QWidget* parent)
{
    ControlCreateFunction create = kivFindCreateFunction(type);
    if (!create)
        return nullptr;
    QWidget* control = create();
    if (control)
        control->setParent(parent);
    return control;
}

} // namespace KIVQtLib

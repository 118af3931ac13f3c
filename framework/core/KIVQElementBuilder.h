#pragma once

#include "KIVQtLibGlobal.h"

#include <QString>
#include <QtGlobal>

#include <functional>

class QWidget;

namespace KIVQtLib {

// A control and its "child" elements, then createComplete(); null when element has no string "type"
// or the type is unknown. Failed children are skipped. where names the document and the element's
// path in it for the warning about an unknown type.
KIVQTLIB_EXPORT QWidget* buildControlTree(const Json::Value& element, QWidget* parent,
                                          const QString& where = QString());
// The same for a document the caller drops afterwards: each child element is emptied once its control
// is built, while it is still in the cache, rather than all of them at the end.
KIVQTLIB_EXPORT QWidget* buildControlTreeConsuming(Json::Value& element, QWidget* parent,
                                                   const QString& where = QString());
// One control: the application's create hook first, else the registry; then the parent, then its JSON.
KIVQTLIB_EXPORT QWidget* createControlByType(const char* type, const Json::Value* element, QWidget* parent,
                                             const QString& where = QString());
// The parent createControlByType is making a control under, handed out once to the registry's factory
// (which makes the control under it); null at any other time.
KIVQTLIB_EXPORT QWidget* kivTakeConstructionParent();
// The registry only; no JSON is read and createComplete is not called.
KIVQTLIB_EXPORT QWidget* createControlByTypeName(const char* type, QWidget* parent);

// While one lives, buildControlTree makes at most limit controls; the elements past it are left out, and
// the first of them is reported with the document's name. A budget made inside another (a ribbon bar's
// configuration read while its page builds) spends from both, so the outermost caps the whole build.
class KIVQTLIB_EXPORT ControlBudget
{
public:
    ControlBudget(int limit, const QString& document);
    ~ControlBudget();
    Q_DISABLE_COPY(ControlBudget)

    static bool take(const QString& where);
    // The same, for a caller whose text costs something to make: where is called only to report.
    static bool take(const std::function<QString()>& where);
    // An element left out for nesting past the depth cap: said once a build, with where it is.
    static void reportTooDeep(const QString& where);

private:
    void report(const QString& where);

    ControlBudget* m_outer;
    QString m_document;
    int m_limit;
    int m_left;
    bool m_reported = false;
    bool m_reportedDepth = false;
};

} // namespace KIVQtLib

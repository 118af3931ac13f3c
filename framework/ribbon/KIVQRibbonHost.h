#pragma once

#include "core/KIVQtLibGlobal.h"

class QAction;
class QString;

namespace KIVQtLib {

struct FillStyle;
struct TextStyleDesc;

// What pages, groups and galleries ask of the ribbon bar that holds them. The bar sets itself on each
// page it makes and outlives them, as it owns them. Without a host the ribbon's built-in values hold:
// three group rows, a page 96 high, no registration and no group painting.
class KIVQTLIB_EXPORT KIVQRibbonHost
{
public:
    virtual ~KIVQRibbonHost() = default;

    // 2 or 3.
    virtual int groupRows() const = 0;
    virtual int pageHeight() const = 0;
    // The bar reports the command's triggers from now on.
    virtual void registerAction(QAction* action) = 0;
    // A gallery item: reported as a command that is never checked.
    virtual void galleryItemTriggered(const QString& commandId) = 0;
    // A page's title changed.
    virtual void pageTitleChanged() = 0;
    virtual const FillStyle& groupBackground() const = 0;
    virtual const TextStyleDesc& groupTitleStyle() const = 0;
    // While true (a load adding content piece by piece), pages and groups leave placing their content
    // to the layout request the bar sends them afterwards: placing it after each piece is quadratic.
    virtual bool holdsLayout() const { return false; }
};

} // namespace KIVQtLib

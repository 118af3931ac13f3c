#include "KIVQComboBox.h"
#include "KIVQList.h"
#include "KIVQListView.h"
#include "KIVQMenuBar.h"
#include "KIVQPropertyList.h"
#include "KIVQTableView.h"
#include "KIVQTreeView.h"
#include "core/KIVQtLib.h"

namespace KIVQtLib {

// Item views, menus and the property list register here as they land.
void registerViewControls()
{
    kivRegisterControl<KIVQTableView>({"datagrid"}, true);
    kivRegisterControl<KIVQComboBox>({"combobox"}, true);
    kivRegisterControl<KIVQMenuBar>({"menubar"}, true);
    // Described for designers, but not offered in their palettes.
    kivRegisterControl<KIVQListView>({"listview", "templateList"}, false);
    kivRegisterControl<KIVQList>({"list"}, true);
    kivRegisterControl<KIVQTreeView>({"tree"}, true);
    kivRegisterControl<KIVQPropertyList>({"property"}, true);
}

} // namespace KIVQtLib

#include "KIVQComboBox.h"
#include "KIVQListView.h"
#include "KIVQMenuBar.h"
#include "KIVQTableView.h"
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
}

} // namespace KIVQtLib

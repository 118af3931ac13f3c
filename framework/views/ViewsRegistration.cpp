#include "KIVQComboBox.h"
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
}

} // namespace KIVQtLib

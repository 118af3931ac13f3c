#include "KIVQComboBox.h"
#include "KIVQTableView.h"
#include "core/KIVQtLib.h"

namespace KIVQtLib {

// Item views, menus and the property list register here as they land.
void registerViewControls()
{
    kivRegisterControl<KIVQTableView>({"datagrid"}, true);
    kivRegisterControl<KIVQComboBox>({"combobox"}, true);
}

} // namespace KIVQtLib

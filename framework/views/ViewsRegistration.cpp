#include "KIVQComboBox.h"
#include "KIVQTableView.h"
#include "core/KIVQtLib.h"

namespace KIVQtLib {

// Item views, menus and the property list register here as they land.
void registerViewControls()
{
    kivRegisterQtControl("qtdatagrid", &KIVQTableView::createKIVQTableView, KIVQTableView::getProps(), true);
    kivRegisterDefaultControl("datagrid", &KIVQTableView::createKIVQTableView);
    kivRegisterQtControl("qtcombobox", &KIVQComboBox::createKIVQComboBox, KIVQComboBox::getProps(), true);
    kivRegisterDefaultControl("combobox", &KIVQComboBox::createKIVQComboBox);
}

} // namespace KIVQtLib

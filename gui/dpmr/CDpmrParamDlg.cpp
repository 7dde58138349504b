// The "dPMR param" dialog: its three pages on the shared tab host.
#include "dpmr/CDpmrParamDlg.h"

#include "dialogs/SharedByteDialogs.h"
#include "dpmr/CContactPage.h"
#include "dpmr/CDpmrBasicPage.h"
#include "dpmr/CGroupRxListPage.h"

CDpmrParamDlg::CDpmrParamDlg(dpmr::RadioImage& image, QWidget* parent)
    : CTabDialog(
          dpmr::DpmrParamDialogDecl(), image, parent,
          [](dpmr::form::FormPage& page, int index) -> CPageWidget* {
              switch (index) {
                  case 0:
                      return new CDpmrBasicPage(static_cast<dpmr::form::FieldPage&>(page));
                  case 1:
                      return new CContactPage(static_cast<dpmr::ContactPagePresenter&>(page));
                  default:
                      return new CGroupRxListPage(static_cast<dpmr::GroupRxListPresenter&>(page));
              }
          }) {}

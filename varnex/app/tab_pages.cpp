#include "varnex/app/tab_pages.h"

#include "varnex/label/label_set_dlg.h"
#include "varnex/logo/clogo_dlg.h"
#include "varnex/receipt/thermal_set_dlg.h"
#include "varnex/wireless/cdlg_wifi.h"
#include "varnex/wireless/prt_bt_dlg.h"

namespace varnex::app {
TabPages CreateTabPages(controls::PageContext& context, QWidget* parent) {
  TabPages tabs;
  tabs.receipt = new receipt::ThermalSetDlg(context, parent);
  receipt::ThermalSetDlg* receiptPage = tabs.receipt;
  receiptPage->SetLogoDialogOpener([&context, receiptPage] {
    logo::CLogoDlg dialog(context, receiptPage);
    dialog.exec();
  });
  tabs.pages = {tabs.receipt, new label::LabelSetDlg(context, parent),
                new wireless::PrtBTDlg(context, parent), new wireless::CDlgWIFI(context, parent)};
  return tabs;
}

}  // namespace varnex::app

#include "varnex/app/tab_pages.h"

#include <QLabel>
#include <QVBoxLayout>

#include "varnex/controls/page_look.h"
#include "varnex/receipt/thermal_set_dlg.h"
#include "varnex/wireless/cdlg_wifi.h"
#include "varnex/wireless/prt_bt_dlg.h"

namespace varnex::app {
namespace {

// A page whose controls are not there yet; it shows its tab's caption.
class PlaceholderPage : public controls::TabPage {
 public:
  PlaceholderPage(controls::PageContext& context, int captionId, QWidget* parent)
      : controls::TabPage(parent),
        context_(context),
        captionId_(captionId),
        label_(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_, 0, Qt::AlignCenter);
    RefreshTexts();
    controls::ApplyPageLook(this);
  }
  void RefreshTexts() override { label_->setText(context_.Text(captionId_)); }

 private:
  controls::PageContext& context_;
  int captionId_;
  QLabel* label_;
};

}  // namespace

TabPages CreateTabPages(controls::PageContext& context, QWidget* parent) {
  TabPages tabs;
  tabs.receipt = new receipt::ThermalSetDlg(context, parent);
  tabs.pages = {tabs.receipt, new PlaceholderPage(context, 108, parent),
                new wireless::PrtBTDlg(context, parent), new wireless::CDlgWIFI(context, parent)};
  return tabs;
}

}  // namespace varnex::app

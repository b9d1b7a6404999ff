#include "varnex/app/tab_pages.h"

#include <QLabel>
#include <QVBoxLayout>

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
    setMinimumSize(560, 420);
    RefreshTexts();
  }
  void RefreshTexts() override { label_->setText(context_.Text(captionId_)); }

 private:
  controls::PageContext& context_;
  int captionId_;
  QLabel* label_;
};

}  // namespace

std::array<controls::TabPage*, 4> CreateTabPages(controls::PageContext& context, QWidget* parent) {
  return {new PlaceholderPage(context, 107, parent), new PlaceholderPage(context, 108, parent),
          new PlaceholderPage(context, 109, parent), new PlaceholderPage(context, 251, parent)};
}

}  // namespace varnex::app

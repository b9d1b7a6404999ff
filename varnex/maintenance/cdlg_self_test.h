#pragma once

#include <QDialog>

#include "varnex/controls/page_context.h"
#include "varnex/maintenance/self_test_texts.h"

namespace varnex::maintenance {

// The self-test page settings: the five texts the printer prints on its self-test page, each
// with an edit (filled with its default) and a set button that sends the text to the printer.
// Modal; Enter does nothing, Esc closes. The texts are the same in both UI languages.
class CDlgSelfTest : public QDialog {
  Q_OBJECT

 public:
  explicit CDlgSelfTest(controls::PageContext& context, QWidget* parent = nullptr);

 private:
  void OnSet(const SelfTestFieldRow& row);

  controls::PageContext& context_;
};

}  // namespace varnex::maintenance

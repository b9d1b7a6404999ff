#pragma once

#include <QDialog>

namespace varnex::maintenance {

// The printer test system window: an empty modal dialog with the plain dialog look. It holds
// no data and sends nothing; Enter does nothing, Esc closes it.
class CDialogTestSys : public QDialog {
  Q_OBJECT

 public:
  explicit CDialogTestSys(QWidget* parent = nullptr);
};

}  // namespace varnex::maintenance

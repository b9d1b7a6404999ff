#include "varnex/maintenance/cdialog_test_sys.h"

namespace varnex::maintenance {

CDialogTestSys::CDialogTestSys(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Marlo打印机测试系统"));
  // 273 x 178 dialog units of the dialog font.
  setFixedSize(410, 290);
}

}  // namespace varnex::maintenance

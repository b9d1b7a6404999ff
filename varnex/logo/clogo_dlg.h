#pragma once

#include <QDialog>
#include <QString>

#include "varnex/controls/page_context.h"
#include "varnex/logo/logo_paper.h"
#include "varnex/logo/nv_logo_commands.h"

class QButtonGroup;
class QLabel;

namespace varnex::logo {

class LogoPreview;

// The NV logo dialog: the user opens a BMP picture (previewed in the dialog), stores it in the
// printer as NV bit image 1 for the chosen paper, prints the stored image at one of four sizes,
// or clears it. Captions come from the string table in the language current when the dialog is
// made; it lives only while shown. Modal; Enter does nothing, Esc closes.
class CLogoDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CLogoDlg(controls::PageContext& context, QWidget* parent = nullptr);

  // The full path of the chosen picture: empty until one is opened, emptied again when the
  // picture opened is too wide for the paper.
  const QString& imagePath() const { return imagePath_; }

 private:
  void BuildControls();
  LogoPaper Paper() const;
  LogoZoom Zoom() const;

  void OnOpenPicture();
  void OnPaperChosen();
  void OnDownload();
  void OnPrint();
  void OnClear();

  controls::PageContext& context_;
  QString imagePath_;
  QButtonGroup* papers_ = nullptr;
  QButtonGroup* zooms_ = nullptr;
  LogoPreview* preview_ = nullptr;
  QLabel* sizeHint_ = nullptr;
};

}  // namespace varnex::logo

#include "varnex/logo/clogo_dlg.h"

#include <QButtonGroup>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <filesystem>
#include <variant>

#include "varnex/controls/cch_button.h"
#include "varnex/controls/page_look.h"
#include "varnex/controls/page_parts.h"
#include "varnex/logo/logo_preview.h"
#include "varnex/logo/logo_raster.h"
#include "varnex/logo/open_picture_icon.h"

namespace varnex::logo {
namespace {

// The file dialog's filter; the same Chinese text in both languages. Both spellings of the
// extension are listed because file names are case-sensitive here.
const QString kPictureFilter = QStringLiteral("位图文件(*.BMP *.bmp)");
const QString kPictureSuffix = QStringLiteral("bmp");
// Texts held in code, the same in both languages.
const QString kDownloaded = QStringLiteral("NV LOGO Downloaded successfully！");
const QString kTooWide = QStringLiteral("The width of the bitmap should not exceed %1 pixels!");

constexpr int kMsgNoPicture = 164;  // "Please load a BMP file first!"

constexpr int kPictureGroup = 1068;
constexpr int kPreviewArea = 1069;
constexpr int kOpenButton = 1076;
constexpr int kDownloadButton = 1077;
constexpr int kPrintButton = 1078;
constexpr int kClearButton = 1079;
constexpr int kSizeHint = 1080;

const QSize kPreviewSize(300, 180);
const QSize kOpenIconSize(32, 32);

struct PaperRadio {
  int radio;
  const char* caption;  // the same in both languages
  LogoPaper paper;
};
constexpr PaperRadio kPaperRadios[] = {
    {1070, "POS58", LogoPaper::Pos58},
    {1071, "POS80", LogoPaper::Pos80},
};

struct ZoomRadio {
  int radio;
  int caption;
  LogoZoom zoom;
};
constexpr ZoomRadio kZoomRadios[] = {
    {1072, 157, LogoZoom::Normal},
    {1073, 158, LogoZoom::DoubleWidth},
    {1074, 159, LogoZoom::DoubleHeight},
    {1075, 160, LogoZoom::DoubleWidthHeight},
};

using controls::WithId;

// A picture as the preview sees it, and the width the paper check uses.
struct Picture {
  QImage image;
  int width = 0;
};

// Reads the picture for the preview. Its width comes from the decoded image or, when the image
// cannot be decoded (too large to hold, for one), from its header alone; a file that gives
// neither counts as 0 pixels wide, and the download's own checks report what is wrong with it.
// Only regular files are read: opening a FIFO or a device by name could block the dialog.
Picture LoadPicture(const QString& path) {
  Picture picture;
  if (!QFileInfo(path).isFile()) {
    return picture;
  }
  QImageReader reader(path);
  const QSize headerSize = reader.size();
  picture.image = reader.read();
  if (!picture.image.isNull()) {
    picture.width = picture.image.width();
  } else if (headerSize.isValid()) {
    picture.width = headerSize.width();
  }
  return picture;
}

}  // namespace

CLogoDlg::CLogoDlg(controls::PageContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setWindowTitle(QStringLiteral("Download NVLogo"));
  BuildControls();
  OnPaperChosen();
  controls::ApplyPageLook(this);
}

void CLogoDlg::BuildControls() {
  auto* group = WithId(new QGroupBox(context_.Text(153)), kPictureGroup);
  auto* groupBox = new QVBoxLayout(group);
  preview_ = WithId(new LogoPreview(kPreviewSize), kPreviewArea);
  groupBox->addWidget(preview_);

  auto* choices = new QVBoxLayout();
  papers_ = new QButtonGroup(this);
  auto* paperRow = new QHBoxLayout();
  for (const PaperRadio& row : kPaperRadios) {
    auto* radio = WithId(new QRadioButton(QString::fromLatin1(row.caption)), row.radio);
    papers_->addButton(radio, static_cast<int>(row.paper));
    paperRow->addWidget(radio);
  }
  papers_->button(static_cast<int>(LogoPaper::Pos58))->setChecked(true);
  choices->addLayout(paperRow);
  sizeHint_ = WithId(new QLabel(), kSizeHint);
  choices->addWidget(sizeHint_);
  choices->addSpacing(8);

  zooms_ = new QButtonGroup(this);
  for (const ZoomRadio& row : kZoomRadios) {
    auto* radio = WithId(new QRadioButton(context_.Text(row.caption)), row.radio);
    zooms_->addButton(radio, static_cast<int>(row.zoom));
    choices->addWidget(radio);
  }
  zooms_->button(static_cast<int>(LogoZoom::Normal))->setChecked(true);
  choices->addStretch(1);

  auto* open = WithId(new QPushButton(), kOpenButton);
  open->setIcon(QIcon(OpenPictureIcon(kOpenIconSize.width())));
  open->setIconSize(kOpenIconSize);
  open->setAccessibleName(QStringLiteral("Open picture"));
  // Enter never presses a button of this dialog.
  open->setAutoDefault(false);
  choices->addWidget(open, 0, Qt::AlignLeft);

  auto* commands = new QHBoxLayout();
  auto* download = WithId(new controls::CCHButton(context_.Text(154)), kDownloadButton);
  auto* print = WithId(new controls::CCHButton(context_.Text(155)), kPrintButton);
  auto* clear = WithId(new controls::CCHButton(context_.Text(156)), kClearButton);
  for (QPushButton* button : {download, print, clear}) {
    commands->addWidget(button);
  }

  auto* grid = new QGridLayout(this);
  grid->addWidget(group, 0, 0);
  grid->addLayout(choices, 0, 1);
  grid->addLayout(commands, 1, 0, 1, 2);
  grid->setSizeConstraint(QLayout::SetFixedSize);

  connect(open, &QPushButton::clicked, this, &CLogoDlg::OnOpenPicture);
  // Any change of paper, by mouse or by arrow keys, updates the size hint.
  connect(papers_, &QButtonGroup::idToggled, this, [this] { OnPaperChosen(); });
  connect(download, &QPushButton::clicked, this, &CLogoDlg::OnDownload);
  connect(print, &QPushButton::clicked, this, &CLogoDlg::OnPrint);
  connect(clear, &QPushButton::clicked, this, &CLogoDlg::OnClear);
}

LogoPaper CLogoDlg::Paper() const {
  return static_cast<LogoPaper>(papers_->checkedId());
}

LogoZoom CLogoDlg::Zoom() const {
  return static_cast<LogoZoom>(zooms_->checkedId());
}

void CLogoDlg::OnOpenPicture() {
  const QString path = context_.files.OpenFile(this, kPictureFilter, kPictureSuffix);
  // The file dialog answers a cancel with an empty path: nothing changes.
  if (path.isEmpty()) {
    return;
  }
  const Picture picture = LoadPicture(path);
  const int maxWidth = LogoMaxWidth(Paper());
  if (picture.width > maxWidth) {
    imagePath_.clear();
    preview_->Clear();
    context_.ShowMessage(this, kTooWide.arg(maxWidth));
    return;
  }
  imagePath_ = path;
  preview_->ShowPicture(picture.image);
}

void CLogoDlg::OnPaperChosen() {
  sizeHint_->setText(QString::fromStdString(LogoSizeHint(Paper())));
}

void CLogoDlg::OnDownload() {
  if (imagePath_.isEmpty()) {
    context_.ShowMessage(this, kMsgNoPicture);
    return;
  }
  // The file is read again on every download, so a picture changed on disk goes out as it is now.
  const LogoResult result =
      BuildLogoRaster(std::filesystem::path(QFile::encodeName(imagePath_).toStdString()), Paper());
  if (const auto* failure = std::get_if<LogoFailure>(&result)) {
    if (failure->IsFileError()) {
      context_.ShowMessage(this, QString::fromStdString(failure->fileError));
    } else {
      context_.ShowMessage(this, failure->messageId);
    }
    return;
  }
  // A failed send has already told the user why; success is announced only when the bytes went out.
  if (context_.printer.Send(NvLogoDownloadCommand(std::get<LogoRaster>(result)))) {
    context_.ShowMessage(this, kDownloaded);
  }
}

void CLogoDlg::OnPrint() {
  context_.printer.Send(NvLogoPrintCommand(Zoom()));
}

void CLogoDlg::OnClear() {
  context_.printer.Send(NvLogoClearCommand());
}

}  // namespace varnex::logo

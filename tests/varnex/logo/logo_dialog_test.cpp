#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/page_test_context.h"
#include "tests/support/scratch_dir.h"
#include "tests/varnex/logo/bmp_writer.h"
#include "varnex/controls/cch_button.h"
#include "varnex/controls/page_look.h"
#include "varnex/logo/clogo_dlg.h"

namespace varnex::logo {
namespace {

using Bytes = std::vector<std::uint8_t>;
using controls::FindControl;
using platform::UiLanguage;
using testsupport::BmpFile;

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kRed = 0xFF0000;
const QColor kPreviewGrey(240, 240, 240);
const QString kDownloaded = QStringLiteral("NV LOGO Downloaded successfully！");

class LogoDialogTest : public ::testing::Test {
 protected:
  LogoDialogTest() { Open(UiLanguage::English); }

  void Open(UiLanguage language) {
    dialog.reset();
    ctx = std::make_unique<testsupport::PageTestContext>(language);
    dialog = std::make_unique<CLogoDlg>(ctx->context);
    dialog->show();
  }

  // Writes a 24-bit picture into the scratch directory; every pixel black unless told.
  std::string Picture(const std::string& name, int width, int height,
                      std::function<std::uint32_t(int, int)> pixel = nullptr) {
    BmpFile bmp;
    bmp.width = width;
    bmp.height = height;
    bmp.pixel = pixel ? std::move(pixel) : [](int, int) { return kBlack; };
    return testsupport::WriteBmp(scratch.File(name), bmp);
  }

  // Answers the next file dialog with `path` and presses the open button.
  void Choose(const std::string& path) {
    ctx->files.answers.append(QString::fromStdString(path));
    Press(1076);
  }
  void Press(int id) const { FindControl<QPushButton>(dialog.get(), id)->click(); }
  QRadioButton* Radio(int id) const { return FindControl<QRadioButton>(dialog.get(), id); }
  QString SizeHint() const { return FindControl<QLabel>(dialog.get(), 1080)->text(); }
  QImage Preview() const { return FindControl<QWidget>(dialog.get(), 1069)->grab().toImage(); }
  const std::vector<Bytes>& Sends() const { return ctx->printer.sends; }
  const QStringList& Messages() const { return ctx->messages.texts; }

  testsupport::ScratchDir scratch;
  std::unique_ptr<testsupport::PageTestContext> ctx;
  std::unique_ptr<CLogoDlg> dialog;
};

TEST_F(LogoDialogTest, CaptionsComeFromTheContextLanguage) {
  struct Case {
    UiLanguage language;
    std::vector<std::pair<int, const char*>> captions;  // radios and buttons
    const char* group;
  };
  const Case cases[] = {
      {UiLanguage::English,
       {{1070, "POS58"},
        {1071, "POS80"},
        {1072, "Nomal Mode"},
        {1073, "Double Width"},
        {1074, "Double Height"},
        {1075, "Double WidHig"},
        {1077, "Down Logo"},
        {1078, "Print Logo"},
        {1079, "Clean Logo"}},
       "Load Picture"},
      {UiLanguage::Chinese,
       {{1070, "POS58"},
        {1071, "POS80"},
        {1072, "默认"},
        {1073, "倍宽"},
        {1074, "倍高"},
        {1075, "倍宽倍高"},
        {1077, "下载Logo"},
        {1078, "打印Logo"},
        {1079, "清除Logo"}},
       "加载图片"},
  };
  for (const Case& c : cases) {
    Open(c.language);
    EXPECT_EQ(dialog->windowTitle(), "Download NVLogo");
    EXPECT_EQ(FindControl<QGroupBox>(dialog.get(), 1068)->title(), QString::fromUtf8(c.group));
    for (const auto& [id, caption] : c.captions) {
      EXPECT_EQ(FindControl<QAbstractButton>(dialog.get(), id)->text(), QString::fromUtf8(caption))
          << id;
    }
    EXPECT_EQ(SizeHint(), "Max BMP Size:384 X 600");
  }
}

TEST_F(LogoDialogTest, OpensWithPos58NormalSizeAndThePageLook) {
  EXPECT_TRUE(Radio(1070)->isChecked());
  EXPECT_FALSE(Radio(1071)->isChecked());
  EXPECT_TRUE(Radio(1072)->isChecked());
  for (int id : {1073, 1074, 1075}) {
    EXPECT_FALSE(Radio(id)->isChecked()) << id;
  }
  // The two radio groups are independent.
  Radio(1075)->click();
  EXPECT_TRUE(Radio(1070)->isChecked());
  for (int id : {1077, 1078, 1079}) {
    EXPECT_NE(qobject_cast<controls::CCHButton*>(FindControl<QPushButton>(dialog.get(), id)),
              nullptr)
        << id;
  }
  const auto* open = FindControl<QPushButton>(dialog.get(), 1076);
  EXPECT_TRUE(open->text().isEmpty());
  EXPECT_FALSE(open->icon().isNull());
  EXPECT_EQ(dialog->palette().color(QPalette::Window), controls::kPageBackground);
  EXPECT_EQ(FindControl<QLabel>(dialog.get(), 1080)->palette().color(QPalette::WindowText),
            controls::kStaticText);
  EXPECT_TRUE(dialog->imagePath().isEmpty());
}

TEST_F(LogoDialogTest, SizeHintFollowsThePaper) {
  Radio(1071)->click();
  EXPECT_EQ(SizeHint(), "Max BMP Size:576 X 600");
  Radio(1070)->click();
  EXPECT_EQ(SizeHint(), "Max BMP Size:384 X 600");
}

TEST_F(LogoDialogTest, Downloads16By16PictureInOneSend) {
  const std::string path = Picture("logo.bmp", 16, 16);
  Choose(path);
  EXPECT_EQ(ctx->files.filters, QStringList{QStringLiteral("位图文件(*.BMP *.bmp)")});
  EXPECT_EQ(dialog->imagePath(), QString::fromStdString(path));
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_TRUE(Sends().empty());

  Press(1077);
  ASSERT_EQ(Sends().size(), 1u);
  const Bytes sent = Sends()[0];
  ASSERT_EQ(sent.size(), 40u);
  EXPECT_EQ(Bytes(sent.begin(), sent.begin() + 7),
            (Bytes{0x1C, 0x71, 0x01, 0x02, 0x00, 0x02, 0x00}));
  EXPECT_EQ(Bytes(sent.begin() + 7, sent.end() - 1), Bytes(32, 0xFF));
  EXPECT_EQ(sent.back(), 0x0A);
  EXPECT_EQ(Messages(), QStringList{kDownloaded});

  // The path stays, so the same picture can go out again.
  Press(1077);
  EXPECT_EQ(Sends().size(), 2u);
  EXPECT_EQ(Sends()[1], sent);
}

TEST_F(LogoDialogTest, FailedSendIsNotAnnouncedAsSuccess) {
  ctx->printer.sendSucceeds = false;
  Choose(Picture("logo.bmp", 16, 16));
  Press(1077);
  EXPECT_EQ(Sends().size(), 1u);
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(LogoDialogTest, TooWidePictureIsRefusedAndForgotten) {
  // A picture whose rows are missing: its width is known from the header alone.
  BmpFile headerOnly;
  headerOnly.width = 20000;
  headerOnly.height = 1;
  headerOnly.truncateTo = 54;
  const std::string wideHeader = testsupport::WriteBmp(scratch.File("header.bmp"), headerOnly);
  struct Case {
    UiLanguage language;
    int paperRadio;
    std::string path;
    const char* widthMessage;
    const char* noPicture;
  };
  const Case cases[] = {
      {UiLanguage::English, 1070, Picture("w400.bmp", 400, 8),
       "The width of the bitmap should not exceed 384 pixels!", "Please load a BMP file first!"},
      {UiLanguage::Chinese, 1070, Picture("w400.bmp", 400, 8),
       "The width of the bitmap should not exceed 384 pixels!", "请先选择一张BMP图片!"},
      {UiLanguage::English, 1071, Picture("w577.bmp", 577, 8),
       "The width of the bitmap should not exceed 576 pixels!", "Please load a BMP file first!"},
      {UiLanguage::English, 1070, wideHeader,
       "The width of the bitmap should not exceed 384 pixels!", "Please load a BMP file first!"},
  };
  const std::string fits = Picture("fits.bmp", 16, 16);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    Open(c.language);
    Radio(c.paperRadio)->click();
    // A picture already chosen is forgotten too.
    Choose(fits);
    ASSERT_FALSE(dialog->imagePath().isEmpty());
    Choose(c.path);
    EXPECT_EQ(Messages(), QStringList{QString::fromUtf8(c.widthMessage)});
    EXPECT_TRUE(dialog->imagePath().isEmpty());
    EXPECT_EQ(Preview().pixelColor(0, 0), kPreviewGrey);

    Press(1077);
    EXPECT_EQ(Messages(),
              (QStringList{QString::fromUtf8(c.widthMessage), QString::fromUtf8(c.noPicture)}));
    EXPECT_TRUE(Sends().empty());
  }
}

TEST_F(LogoDialogTest, Pos80PictureIsRefusedByDownloadAfterSwitchingToPos58) {
  Radio(1071)->click();
  Choose(Picture("w400.bmp", 400, 8));
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_FALSE(dialog->imagePath().isEmpty());

  Radio(1070)->click();
  Press(1077);
  EXPECT_EQ(Messages(), QStringList{"The size is too big!"});
  EXPECT_TRUE(Sends().empty());
}

TEST_F(LogoDialogTest, UnreadablePictureIsKeptAndDownloadReportsWhy) {
  const std::string garbage = scratch.File("garbage.bmp");
  testsupport::WriteFileBytes(garbage, {0x47, 0x49, 0x46, 0x38});
  struct Case {
    std::string path;
    const char* messageStart;
  };
  const Case cases[] = {
      {garbage, "Incorrect bitmap file format!"},
      {scratch.File("missing.bmp"), "Cannot read the file"},
      {scratch.path(), "Cannot read the file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    Open(UiLanguage::English);
    Choose(c.path);
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(dialog->imagePath(), QString::fromStdString(c.path));
    EXPECT_EQ(Preview().pixelColor(0, 0), kPreviewGrey);
    Press(1077);
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_TRUE(Messages()[0].startsWith(QString::fromUtf8(c.messageStart)))
        << Messages()[0].toStdString();
    EXPECT_TRUE(Sends().empty());
  }
}

TEST_F(LogoDialogTest, CancelledFileDialogChangesNothing) {
  Press(1076);
  EXPECT_EQ(ctx->files.filters.size(), 1);
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_TRUE(Sends().empty());
  EXPECT_TRUE(dialog->imagePath().isEmpty());

  const std::string path = Picture("logo.bmp", 16, 16);
  Choose(path);
  Press(1076);
  EXPECT_EQ(dialog->imagePath(), QString::fromStdString(path));
  EXPECT_EQ(Preview().pixelColor(0, 0), QColor(Qt::black));
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_TRUE(Sends().empty());
}

TEST_F(LogoDialogTest, PreviewDrawsThePictureAtTheTopLeft) {
  // Left half black, right half red; the preview area is 300 x 180.
  struct Case {
    int width;
    int height;
    std::vector<std::pair<QPoint, QColor>> pixels;
  };
  const QColor black(Qt::black);
  const QColor red(Qt::red);
  const Case cases[] = {
      // Smaller: drawn at its own size.
      {16,
       16,
       {{{0, 0}, black},
        {{7, 15}, black},
        {{8, 0}, red},
        {{15, 15}, red},
        {{16, 0}, kPreviewGrey},
        {{0, 16}, kPreviewGrey},
        {{299, 179}, kPreviewGrey}}},
      // Larger both ways: squeezed into the whole area.
      {500, 400, {{{0, 0}, black}, {{140, 179}, black}, {{160, 0}, red}, {{299, 179}, red}}},
      // Wider only: squeezed across, its own height.
      {400, 20, {{{0, 19}, black}, {{299, 19}, red}, {{0, 20}, kPreviewGrey}}},
  };
  Radio(1071)->click();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    const int half = c.width / 2;
    Choose(Picture("p" + std::to_string(c.width) + ".bmp", c.width, c.height,
                   [half](int x, int) { return x < half ? kBlack : kRed; }));
    const QImage preview = Preview();
    EXPECT_EQ(preview.size(), QSize(300, 180));
    for (const auto& [point, colour] : c.pixels) {
      EXPECT_EQ(preview.pixelColor(point), colour) << point.x() << "," << point.y();
    }
  }
}

TEST_F(LogoDialogTest, PrintSendsTheChosenSize) {
  const std::pair<int, std::uint8_t> cases[] = {
      {1072, 0x00}, {1073, 0x01}, {1074, 0x02}, {1075, 0x03}};
  for (const auto& [radio, m] : cases) {
    ctx->printer.sends.clear();
    Radio(radio)->click();
    Press(1078);
    EXPECT_EQ(Sends(), (std::vector<Bytes>{{0x1B, 0x40, 0x1B, 0x61, 0x01, 0x1C, 0x70, 0x01, m, 0x0A,
                                            0x0A, 0x0A, 0x1B, 0x40}}))
        << radio;
  }
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(LogoDialogTest, ClearSendsTheSameSixteenBytes) {
  const Bytes clear{0x1C, 0x71, 0x01, 0x01, 0x00, 0x01, 0x00, 0x00,
                    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0A};
  Press(1079);
  Choose(Picture("logo.bmp", 16, 16));
  Radio(1071)->click();
  Radio(1075)->click();
  Press(1079);
  EXPECT_EQ(Sends(), (std::vector<Bytes>{clear, clear}));
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(LogoDialogTest, EnterDoesNothingAndEscCloses) {
  Choose(Picture("logo.bmp", 16, 16));
  for (int focus : {1070, 1075}) {
    Radio(focus)->setFocus();
    QTest::keyClick(Radio(focus), Qt::Key_Return);
  }
  QTest::keyClick(dialog.get(), Qt::Key_Enter);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(Sends().empty());
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(ctx->files.filters.size(), 1);

  QTest::keyClick(Radio(1075), Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_TRUE(Sends().empty());
}

}  // namespace
}  // namespace varnex::logo

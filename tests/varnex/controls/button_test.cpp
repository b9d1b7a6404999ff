#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "varnex/controls/button_gradient.h"
#include "varnex/controls/cch_button.h"

namespace {

using varnex::controls::GradientColour;
using varnex::controls::Rgb;

TEST(ButtonGradient, ColourTablePerLook) {
  struct Case {
    bool hover;
    bool pressed;
    int i;
    Rgb expected;
  };
  const Case cases[] = {
      {false, false, 0, {255, 255, 255}}, {false, false, 63, {234, 234, 243}},
      {false, true, 63, {234, 234, 240}}, {true, false, 63, {240, 240, 243}},
      {true, true, 63, {240, 240, 234}},  {false, false, 14, {251, 251, 253}},
      {true, true, 14, {252, 252, 251}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GradientColour(c.hover, c.pressed, c.i), c.expected) << c.hover << c.pressed << c.i;
  }
}

TEST(ButtonGradient, RowIndexNeverExceeds63) {
  struct Case {
    int y;
    int height;
    int expected;
  };
  const Case cases[] = {{0, 20, 0},   {2, 20, 6}, {10, 20, 31}, {20, 20, 63},
                        {22, 20, 63}, {1, 1, 63}, {5, 0, 63}};
  for (const Case& c : cases) {
    EXPECT_EQ(varnex::controls::GradientIndexForRow(c.y, c.height), c.expected)
        << c.y << "/" << c.height;
  }
}

TEST(CCHButton, DrawsGradientAndHoverLook) {
  varnex::controls::CCHButton button("Setting");
  button.setFocusPolicy(Qt::NoFocus);
  button.resize(100, 30);
  button.show();
  const QImage normal = button.grab().toImage();
  // Inner rectangle rows 2 to 27 (26 high): row 2 uses colour 4, row 27 colour 63.
  EXPECT_EQ(normal.pixelColor(50, 2), QColor(254, 254, 255));
  EXPECT_EQ(normal.pixelColor(50, 27), QColor(234, 234, 243));

  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&button, &enter);
  EXPECT_TRUE(button.hovering());
  const QImage hover = button.grab().toImage();
  EXPECT_EQ(hover.pixelColor(3, 15), QColor(65, 105, 225));  // the royal-blue left frame line
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&button, &leave);
  EXPECT_FALSE(button.hovering());
  EXPECT_EQ(button.grab().toImage(), normal);
}

TEST(CCHButton, EnterOnTheFocusedButtonClicksIt) {
  varnex::controls::CCHButton button("Print");
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, &button, [&clicks] { ++clicks; });
  button.show();
  QTest::keyClick(&button, Qt::Key_Return);
  QTest::keyClick(&button, Qt::Key_Space);
  EXPECT_EQ(clicks, 2);
  button.setEnabled(false);
  QTest::keyClick(&button, Qt::Key_Return);
  EXPECT_EQ(clicks, 2);
}

}  // namespace

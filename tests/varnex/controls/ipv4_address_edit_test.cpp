#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "varnex/controls/ipv4_address_edit.h"

namespace {

using varnex::controls::Ipv4AddressEdit;
using varnex::controls::Ipv4Fields;

TEST(Ipv4Fields, BlankPartialAndCompleteStates) {
  Ipv4Fields blank;
  EXPECT_TRUE(blank.IsBlank());
  EXPECT_EQ(blank.Packed(), 0u);

  Ipv4Fields partial;
  partial.fields = {192, 168, std::nullopt, 7};
  EXPECT_EQ(partial.FilledCount(), 3);
  EXPECT_FALSE(partial.IsComplete());
  EXPECT_EQ(partial.Bytes(), (std::array<std::uint8_t, 4>{192, 168, 0, 7}));

  const Ipv4Fields full = Ipv4Fields::FromBytes(127, 0, 1, 2);
  EXPECT_TRUE(full.IsComplete());
  EXPECT_EQ(full.Packed(), 0x7F000102u);
}

TEST(Ipv4AddressEdit, TypingMovesThroughFieldsAndClampsTo255) {
  Ipv4AddressEdit edit;
  edit.show();
  edit.field(0)->setFocus();
  QTest::keyClicks(edit.field(0), "10");
  QTest::keyClick(edit.field(0), Qt::Key_Period);
  QTest::keyClicks(edit.field(1), "300");  // three digits move on by themselves
  QTest::keyClicks(edit.field(2), "7");
  EXPECT_EQ(edit.fields().fields[0], 10);
  EXPECT_EQ(edit.fields().fields[1], 255);
  EXPECT_EQ(edit.fields().fields[2], 7);
  EXPECT_EQ(edit.fields().FilledCount(), 3);
  QTest::keyClick(edit.field(2), Qt::Key_A);  // not a digit
  EXPECT_EQ(edit.field(2)->text(), "7");

  edit.setAddress(192, 168, 1, 99);
  EXPECT_EQ(edit.fields().Bytes(), (std::array<std::uint8_t, 4>{192, 168, 1, 99}));
  edit.clear();
  EXPECT_TRUE(edit.fields().IsBlank());
}

}  // namespace

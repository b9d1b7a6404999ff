#include "tools/virtual-printer/request_watch.h"

#include <gtest/gtest.h>

#include <vector>

namespace virtual_printer {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(RequestWatch, CountsEveryRequestOnce) {
  RequestWatch watch({{0x10, 0x04, 0x01}, {0x1B, 0x76}});
  EXPECT_EQ(watch.Feed(Bytes{0x10, 0x04, 0x01}), 1u);
  EXPECT_EQ(watch.Feed(Bytes{0x1B, 0x76, 0x10, 0x04, 0x01, 0x00}), 2u);
  EXPECT_EQ(watch.Feed(Bytes{0x00, 0x00}), 0u) << "requests already counted stay counted";
  EXPECT_EQ(watch.Feed(Bytes{0x10, 0x04, 0x02, 0x1B, 0x75}), 0u);
}

TEST(RequestWatch, FindsARequestCutByReads) {
  RequestWatch watch({{0x10, 0x04, 0x13}});
  EXPECT_EQ(watch.Feed(Bytes{0xAA, 0x10}), 0u);
  EXPECT_EQ(watch.Feed(Bytes{0x04}), 0u);
  EXPECT_EQ(watch.Feed(Bytes{0x13, 0x10, 0x04}), 1u);
  EXPECT_EQ(watch.Feed(Bytes{}), 0u);
  EXPECT_EQ(watch.Feed(Bytes{0x13}), 1u);
}

}  // namespace
}  // namespace virtual_printer

#include "varnex/label/config_commands.h"

#include <gtest/gtest.h>

#include <string>

namespace varnex::label {
namespace {

struct ConfigCase {
  ConfigSetting setting;
  std::string shownText;
  Bytes expected;
};

void PrintTo(const ConfigCase& c, std::ostream* os) {
  *os << RowOf(c.setting).name << " \"" << c.shownText << "\"";
}

class BuildConfigTest : public testing::TestWithParam<ConfigCase> {};

TEST_P(BuildConfigTest, SendsPrefixValueAndSuffix) {
  EXPECT_EQ(BuildConfig(GetParam().setting, GetParam().shownText), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryChoice, BuildConfigTest,
    testing::Values(
        ConfigCase{ConfigSetting::CommandLanguage, "TSPL", {0x1F, 0x1B, 0x1F, 0xFB, 0x01}},
        ConfigCase{ConfigSetting::CommandLanguage, "CPCL", {0x1F, 0x1B, 0x1F, 0xFB, 0x02}},
        ConfigCase{ConfigSetting::CommandLanguage, "ESC/POS", {0x1F, 0x1B, 0x1F, 0xFB, 0x00}},
        ConfigCase{ConfigSetting::Reprint, "ON", {0x1F, 0x1B, 0x16, 0x0A, 0x01}},
        ConfigCase{ConfigSetting::Reprint, "OFF", {0x1F, 0x1B, 0x16, 0x0A, 0x00}},
        ConfigCase{ConfigSetting::SensorIntensity, "level_1", {0x1F, 0x1B, 0x16, 0x06, 0xFA, 0x00}},
        ConfigCase{ConfigSetting::SensorIntensity, "level_2", {0x1F, 0x1B, 0x16, 0x06, 0xBA, 0x00}},
        ConfigCase{ConfigSetting::SensorIntensity, "level_3", {0x1F, 0x1B, 0x16, 0x06, 0x32, 0x00}},
        ConfigCase{ConfigSetting::SupplyVoltage, "100V", {0x1F, 0x1B, 0x17, 0x02, 0x01}},
        ConfigCase{ConfigSetting::SupplyVoltage, "110-220V", {0x1F, 0x1B, 0x17, 0x02, 0x00}}));

INSTANTIATE_TEST_SUITE_P(
    UnknownTextSendsZero, BuildConfigTest,
    testing::Values(
        ConfigCase{ConfigSetting::CommandLanguage, "tspl", {0x1F, 0x1B, 0x1F, 0xFB, 0x00}},
        ConfigCase{ConfigSetting::Reprint, "on", {0x1F, 0x1B, 0x16, 0x0A, 0x00}},
        ConfigCase{ConfigSetting::SensorIntensity, "level_4", {0x1F, 0x1B, 0x16, 0x06, 0x00, 0x00}},
        ConfigCase{ConfigSetting::SupplyVoltage, "", {0x1F, 0x1B, 0x17, 0x02, 0x00}}));

TEST(SensorTubeTypeTest, ByPositionInTheList) {
  EXPECT_EQ(BuildSensorTubeType(0), (Bytes{0x1F, 0x1B, 0x16, 0x0B, 0x01}));
  EXPECT_EQ(BuildSensorTubeType(1), (Bytes{0x1F, 0x1B, 0x16, 0x0B, 0x00}));
  EXPECT_EQ(BuildSensorTubeType(-1), (Bytes{0x1F, 0x1B, 0x16, 0x0B, 0x00}));
}

TEST(ConfigRowsTest, OneRowPerSettingInEnumerationOrder) {
  const auto rows = ConfigRows();
  ASSERT_EQ(rows.size(), 4u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(static_cast<std::size_t>(rows[i].setting), i) << rows[i].name;
  }
}

}  // namespace
}  // namespace varnex::label

#include "varnex/link/serial_port_list.h"

#include <algorithm>

namespace varnex::link {
namespace {

int NumberAfterPrefix(const std::string& name) {
  int number = 0;
  for (std::size_t i = 3; i < name.size() && i < 5; ++i) {
    if (name[i] < '0' || name[i] > '9') {
      break;
    }
    number = number * 10 + (name[i] - '0');
  }
  return number;
}

}  // namespace

std::vector<std::string> SerialPortEntries(const std::vector<std::string>& systemNames) {
  std::vector<int> numbers;
  for (const std::string& name : systemNames) {
    if (numbers.size() == kMaxSerialPorts) {
      break;
    }
    numbers.push_back(NumberAfterPrefix(name));
  }
  std::sort(numbers.begin(), numbers.end());
  std::vector<std::string> entries;
  entries.reserve(numbers.size());
  for (int number : numbers) {
    entries.push_back("COM" + std::to_string(number));
  }
  return entries;
}

}  // namespace varnex::link

#include "tests/support/scratch_dir.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace testsupport {

ScratchDir::ScratchDir() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern =
      std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/printer-tools-test-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a scratch directory");
  }
  path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
  if (const char* old = std::getenv(name)) {
    hadValue_ = true;
    oldValue_ = old;
  }
  ::setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
  if (hadValue_) {
    ::setenv(name_.c_str(), oldValue_.c_str(), 1);
  } else {
    ::unsetenv(name_.c_str());
  }
}

}  // namespace testsupport

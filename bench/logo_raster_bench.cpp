// The logo conversion against merely reading the same file, on the largest images the printer
// accepts. The conversion should cost at most about three times the read.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"
#include "tests/varnex/logo/bmp_writer.h"
#include "varnex/logo/logo_raster.h"

namespace {

using varnex::logo::LogoPaper;

struct Image {
  const char* name;
  int width;
  int height;
  int bitCount;
  LogoPaper paper;
};

constexpr Image kImages[] = {
    {"384x152_24bit", 384, 152, 24, LogoPaper::Pos58},
    {"576x96_24bit", 576, 96, 24, LogoPaper::Pos80},
    {"8x8168_1bit", 8, 8168, 1, LogoPaper::Pos58},
};

// A grey pattern with about as many dark as light dots.
testsupport::BmpFile BmpOf(const Image& image) {
  testsupport::BmpFile bmp;
  bmp.width = image.width;
  bmp.height = image.height;
  bmp.bitCount = image.bitCount;
  bmp.palette = {0xFFFFFF, 0x000000};
  bmp.pixel = [bits = image.bitCount](int x, int y) -> std::uint32_t {
    const std::uint32_t grey = static_cast<std::uint32_t>(x * 7 + y * 13) % 256;
    return bits == 1 ? grey / 128 : (grey << 16) | (grey << 8) | grey;
  };
  return bmp;
}

const testsupport::ScratchDir& Dir() {
  static const testsupport::ScratchDir dir;
  return dir;
}

std::string PathOf(const Image& image) {
  return Dir().File(std::string(image.name) + ".bmp");
}

// The whole file with plain reads, as the conversion reads it.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    throw std::runtime_error("cannot open " + path);
  }
  struct stat status {};
  ::fstat(fd, &status);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(status.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (got <= 0) {
      break;
    }
    done += static_cast<std::size_t>(got);
  }
  ::close(fd);
  bytes.resize(done);
  return bytes;
}

void BM_ReadFile(benchmark::State& state, const Image& image) {
  const std::string path = PathOf(image);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadWholeFile(path));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(ReadWholeFile(path).size()));
}

void BM_BuildLogoRaster(benchmark::State& state, const Image& image) {
  const std::string path = PathOf(image);
  for (auto _ : state) {
    auto result = varnex::logo::BuildLogoRaster(path, image.paper);
    if (!std::holds_alternative<varnex::logo::LogoRaster>(result)) {
      state.SkipWithError("the image was refused");
      break;
    }
    benchmark::DoNotOptimize(result);
  }
}

void BM_ConvertInMemory(benchmark::State& state, const Image& image) {
  const auto bytes = ReadWholeFile(PathOf(image));
  for (auto _ : state) {
    benchmark::DoNotOptimize(varnex::logo::ConvertLogoBitmap(bytes, image.paper));
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (const Image& image : kImages) {
    testsupport::WriteBmp(PathOf(image), BmpOf(image));
    benchmark::RegisterBenchmark((std::string("ReadFile/") + image.name).c_str(), BM_ReadFile,
                                 image);
    benchmark::RegisterBenchmark((std::string("BuildLogoRaster/") + image.name).c_str(),
                                 BM_BuildLogoRaster, image);
    benchmark::RegisterBenchmark((std::string("ConvertInMemory/") + image.name).c_str(),
                                 BM_ConvertInMemory, image);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

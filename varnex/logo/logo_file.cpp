#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>
#include <new>
#include <optional>
#include <system_error>

#include "platform/file_handle.h"
#include "varnex/logo/bmp_layout.h"
#include "varnex/logo/logo_raster.h"

namespace varnex::logo {

namespace {

LogoFailure FileFailure(const std::filesystem::path& path, const std::string& reason) {
  return LogoFailure{kFileError, "Cannot read the file \"" + path.string() + "\": " + reason};
}

std::string SystemReason(int error) {
  return std::generic_category().message(error);
}

// Reads up to `count` bytes, fewer only at the end of the file. Empty when the system fails
// the read; errno tells why.
std::optional<std::size_t> ReadUpTo(int fd, std::uint8_t* buffer, std::size_t count) {
  std::size_t done = 0;
  while (done < count) {
    const ssize_t got = ::read(fd, buffer + done, count - done);
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      return std::nullopt;
    }
    if (got == 0) {
      break;
    }
    done += static_cast<std::size_t>(got);
  }
  return done;
}

}  // namespace

LogoResult BuildLogoRaster(const std::filesystem::path& path, LogoPaper paper) {
  // Opening without blocking keeps a FIFO from stalling the dialog until it is refused below;
  // for a regular file the flag changes nothing.
  platform::FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!file.valid()) {
    return FileFailure(path, SystemReason(errno));
  }
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) {
    return FileFailure(path, SystemReason(errno));
  }
  if (!S_ISREG(status.st_mode)) {
    return FileFailure(path, S_ISDIR(status.st_mode) ? SystemReason(EISDIR) : "not a regular file");
  }

  std::array<std::uint8_t, kBmpHeadersSize> headers{};
  const auto headerBytes = ReadUpTo(file.get(), headers.data(), headers.size());
  if (!headerBytes) {
    return FileFailure(path, SystemReason(errno));
  }
  auto layout = ReadBmpLayout(std::span(headers.data(), *headerBytes), paper);
  if (auto* failure = std::get_if<LogoFailure>(&layout)) {
    return std::move(*failure);
  }
  // A file too short for the palette and rows its header promises is refused before a buffer
  // of the promised size is allocated.
  const auto& accepted = std::get<BmpLayout>(layout);
  const std::uint64_t needed = accepted.FileBytes();
  if (static_cast<std::uint64_t>(status.st_size) < needed) {
    return LogoFailure{kMsgBadBitmap, {}};
  }
  // An image too tall for the printer is refused before its rows are read, so only the rows of
  // an image that can be sent (a few hundred kilobytes at most) are ever held in memory.
  if (auto failure = CheckReceiveBuffer(accepted)) {
    return std::move(*failure);
  }

  // The buffer is filled by the read, so it is not cleared first.
  std::unique_ptr<std::uint8_t[]> bytes;
  try {
    bytes = std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(needed));
  } catch (const std::bad_alloc&) {
    return LogoFailure{kMsgNoMemory, {}};
  }
  std::copy(headers.begin(), headers.end(), bytes.get());
  const auto rest = ReadUpTo(file.get(), bytes.get() + kBmpHeadersSize,
                             static_cast<std::size_t>(needed) - kBmpHeadersSize);
  if (!rest) {
    return FileFailure(path, SystemReason(errno));
  }
  file.reset();
  // A file cut short while being read converts to message 165 like any short file.
  return ConvertLogoBitmap(std::span(bytes.get(), kBmpHeadersSize + *rest), paper);
}

}  // namespace varnex::logo

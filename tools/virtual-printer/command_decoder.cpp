#include "tools/virtual-printer/command_decoder.h"

#include <algorithm>
#include <cstdio>

#include "tools/virtual-printer/byte_format.h"
#include "tools/virtual-printer/command_table.h"

namespace virtual_printer {
namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::size_t kUnknownShown = 32;  // bytes of an unknown run shown in hexadecimal
constexpr std::size_t kTextShown = 240;    // bytes of a text line shown

constexpr std::uint8_t kCr = 0x0D;
constexpr std::uint8_t kLf = 0x0A;

enum class MatchState { kNone, kIncomplete, kComplete };

struct Match {
  MatchState state = MatchState::kNone;
  const CommandRow* row = nullptr;
  std::size_t length = 0;  // prefix, value bytes and suffix
};

bool InChoices(const CommandRow& row, std::uint8_t value) {
  return std::any_of(row.choices.begin(), row.choices.end(),
                     [value](const Choice& choice) { return choice.value == value; });
}

// The best row for the bytes at `at`: the longest complete command (the first in the table on a
// tie); otherwise whether the bytes up to the end could still become a command.
Match FindCommand(Bytes bytes, std::size_t at) {
  Match best;
  bool incomplete = false;
  const std::size_t available = bytes.size() - at;
  for (const CommandRow& row : KnownCommands()) {
    const auto& prefix = row.prefix;
    if (available < prefix.size()) {
      if (std::equal(bytes.begin() + at, bytes.end(), prefix.begin())) {
        incomplete = true;
      }
      continue;
    }
    if (!std::equal(prefix.begin(), prefix.end(), bytes.begin() + at)) {
      continue;
    }
    const std::size_t needed = prefix.size() + ValueByteCount(row.kind);
    if (available < needed) {
      incomplete = true;
      continue;
    }
    if (row.strict && !InChoices(row, bytes[at + prefix.size()])) {
      continue;
    }
    std::size_t length = needed;
    if (!row.suffix.empty() && available >= needed + row.suffix.size() &&
        std::equal(row.suffix.begin(), row.suffix.end(), bytes.begin() + at + needed)) {
      length += row.suffix.size();
    }
    if (length > best.length) {
      best = {MatchState::kComplete, &row, length};
    }
  }
  if (best.row == nullptr && incomplete) {
    best.state = MatchState::kIncomplete;
  }
  return best;
}

bool IsIntroducer(std::uint8_t byte) {
  return byte == 0x10 || byte == 0x1B || byte == 0x1C || byte == 0x1D || byte == 0x1F;
}

std::string Hex2(std::uint8_t byte) {
  char text[3];
  std::snprintf(text, sizeof text, "%02X", byte);
  return text;
}

std::string ChoiceText(const CommandRow& row, std::uint8_t value) {
  for (const Choice& choice : row.choices) {
    if (choice.value == value) {
      return std::string(choice.text);
    }
  }
  return "unlisted value " + Hex2(value);
}

std::string NvPrintMode(std::uint8_t mode) {
  static constexpr const char* kModes[] = {"normal", "double width", "double height",
                                           "double width and height"};
  if (mode <= 3) {
    return kModes[mode];
  }
  if (mode >= 0x30 && mode <= 0x33) {
    return kModes[mode - 0x30];
  }
  return "mode " + Hex2(mode);
}

// The shown value of a command whose value bytes all arrived.
std::string ValueText(const CommandRow& row, Bytes value) {
  char text[64];
  switch (row.kind) {
    case ValueKind::kChoice:
      return ChoiceText(row, value[0]);
    case ValueKind::kDecimal:
      return std::to_string(value[0]);
    case ValueKind::kHex:
      return Hex2(value[0]);
    case ValueKind::kId16:
      return Hex2(value[1]) + Hex2(value[0]);
    case ValueKind::kIpv4:
      std::snprintf(text, sizeof text, "%u.%u.%u.%u", value[0], value[1], value[2], value[3]);
      return text;
    case ValueKind::kMac:
      std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", value[0], value[1],
                    value[2], value[3], value[4], value[5]);
      return text;
    case ValueKind::kDrawerPulse:
      std::snprintf(text, sizeof text, "pin %s, on %u, off %u", (value[0] & 1) != 0 ? "5" : "2",
                    value[1], value[2]);
      return text;
    case ValueKind::kNvPrint:
      return "image " + std::to_string(value[0]) + ", " + NvPrintMode(value[1]);
    default:
      return {};
  }
}

std::string NvLogoText(Bytes size) {
  const unsigned xBytes = size[0] | (size[1] << 8);
  const unsigned yBands = size[2] | (size[3] << 8);
  return std::to_string(xBytes) + " x " + std::to_string(yBands) + " bytes (" +
         std::to_string(xBytes * 8) + " x " + std::to_string(yBands * 8) + " dots)";
}

std::string LineBreakText(Bytes run) {
  const auto feeds = static_cast<std::size_t>(std::count(run.begin(), run.end(), kLf));
  const std::string name = feeds > 0 ? "line feed" : "carriage return";
  const std::size_t count = feeds > 0 ? feeds : run.size();
  return count > 1 ? name + " x" + std::to_string(count) : name;
}

std::string TextLine(Bytes run) {
  if (run.size() <= kTextShown) {
    return "text: " + RenderText(run, false);
  }
  return "text: " + RenderText(run.first(kTextShown), false) + " ... (" +
         std::to_string(run.size()) + " bytes)";
}

// The module commands in a WiFi wrapper text: "AT+WSSSID=x\r,AT+WSKEY=y\r" holds two.
void AppendAtLines(Bytes text, std::vector<std::string>& lines) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    while (end < text.size() && text[end] != kCr) {
      ++end;
    }
    std::size_t from = start;
    while (from < end && text[from] == ',') {
      ++from;
    }
    if (from < end) {
      lines.push_back("WiFi AT: " + RenderText(text.subspan(from, end - from), false));
    }
    start = end + 1;
  }
}

enum class RunKind { kNone, kText, kLineBreaks, kUnknown };

// Collects consecutive bytes of one kind and emits them as one line.
class RunCollector {
 public:
  RunCollector(Bytes bytes, std::vector<std::string>& lines) : bytes_(bytes), lines_(lines) {}

  void Extend(RunKind kind, std::size_t at, std::size_t length) {
    if (kind != kind_) {
      Emit();
      kind_ = kind;
      start_ = at;
    }
    end_ = at + length;
  }

  void Emit() {
    const Bytes run = bytes_.subspan(start_, end_ - start_);
    switch (kind_) {
      case RunKind::kText:
        lines_.push_back(TextLine(run));
        break;
      case RunKind::kLineBreaks:
        lines_.push_back(LineBreakText(run));
        break;
      case RunKind::kUnknown:
        lines_.push_back("unknown: " + HexBytes(run, kUnknownShown));
        break;
      case RunKind::kNone:
        break;
    }
    kind_ = RunKind::kNone;
  }

  RunKind kind() const { return kind_; }

 private:
  Bytes bytes_;
  std::vector<std::string>& lines_;
  RunKind kind_ = RunKind::kNone;
  std::size_t start_ = 0;
  std::size_t end_ = 0;
};

}  // namespace

std::vector<std::string> CommandDecoder::Decode(std::span<const std::uint8_t> chunk) {
  std::vector<std::uint8_t> bytes = std::move(carry_);
  carry_.clear();
  bytes.insert(bytes.end(), chunk.begin(), chunk.end());
  std::vector<std::string> lines;
  Walk(bytes, lines);
  return lines;
}

void CommandDecoder::Walk(std::span<const std::uint8_t> bytes, std::vector<std::string>& lines) {
  RunCollector run(bytes, lines);
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (hasPayload_) {
      i += TakePayload(bytes.subspan(i), lines);
      continue;
    }
    if (inUpgradeData_) {
      upgradeBytes_ += bytes.size() - i;
      break;
    }
    const Match match = FindCommand(bytes, i);
    if (match.state == MatchState::kComplete) {
      run.Emit();
      StartCommand(*match.row, bytes.subspan(i, match.length), lines);
      i += match.length;
      continue;
    }
    if (match.state == MatchState::kIncomplete) {
      run.Emit();
      carry_.assign(bytes.begin() + i, bytes.end());
      break;
    }
    const std::uint8_t byte = bytes[i];
    if (const std::size_t length = PrintableCharLength(bytes, i); length > 0) {
      run.Extend(RunKind::kText, i, length);
      i += length;
    } else if (byte == kCr || byte == kLf) {
      if (run.kind() == RunKind::kText) {
        // The line break that ends a text line belongs to it.
        run.Emit();
        i += (byte == kCr && i + 1 < bytes.size() && bytes[i + 1] == kLf) ? 2 : 1;
      } else {
        run.Extend(RunKind::kLineBreaks, i, 1);
        ++i;
      }
    } else {
      // An unknown command byte takes the byte after it along (1B 99 is one unknown command),
      // unless a known command starts there.
      const bool takeNext = IsIntroducer(byte) && i + 1 < bytes.size() &&
                            FindCommand(bytes, i + 1).state == MatchState::kNone;
      const std::size_t length = takeNext ? 2 : 1;
      run.Extend(RunKind::kUnknown, i, length);
      i += length;
    }
  }
  run.Emit();
}

void CommandDecoder::StartCommand(const CommandRow& row, std::span<const std::uint8_t> header,
                                  std::vector<std::string>& lines) {
  const std::string name(row.name);
  const std::string hex = " (" + HexBytes(header) + ")";
  const Bytes value = header.subspan(row.prefix.size());
  std::size_t expected = 0;
  switch (row.kind) {
    case ValueKind::kNone:
      lines.push_back(name + hex);
      return;
    case ValueKind::kUpgrade:
      lines.push_back(name + hex);
      inUpgradeData_ = true;
      upgradeBytes_ = 0;
      return;
    case ValueKind::kText:
    case ValueKind::kWifiAt:
      expected = value[0];
      break;
    case ValueKind::kWifiAtPair:
      expected = static_cast<std::size_t>(value[0]) + value[1];
      break;
    case ValueKind::kNvLogo:
      expected = static_cast<std::size_t>(value[0] | (value[1] << 8)) *
                 static_cast<std::size_t>(value[2] | (value[3] << 8)) * 8;
      break;
    default:
      lines.push_back(name + ": " + ValueText(row, value) + hex);
      return;
  }
  payload_ =
      Payload{&row, std::vector<std::uint8_t>(header.begin(), header.end()), expected, 0, {}};
  hasPayload_ = true;
  if (expected == 0) {
    FinishPayload(true, lines);
  }
}

std::size_t CommandDecoder::TakePayload(std::span<const std::uint8_t> bytes,
                                        std::vector<std::string>& lines) {
  const std::size_t taken = std::min(bytes.size(), payload_.expected - payload_.received);
  if (payload_.row->kind != ValueKind::kNvLogo) {
    payload_.bytes.insert(payload_.bytes.end(), bytes.begin(), bytes.begin() + taken);
  }
  payload_.received += taken;
  if (payload_.received == payload_.expected) {
    FinishPayload(true, lines);
  }
  return taken;
}

void CommandDecoder::FinishPayload(bool complete, std::vector<std::string>& lines) {
  hasPayload_ = false;
  const CommandRow& row = *payload_.row;
  const std::string name(row.name);
  const std::string hex = " (" + HexBytes(payload_.header) + ")";
  const std::string missing = complete ? std::string()
                                       : " (incomplete: " + std::to_string(payload_.received) +
                                             " of " + std::to_string(payload_.expected) + " bytes)";
  const Bytes header = payload_.header;
  switch (row.kind) {
    case ValueKind::kNvLogo:
      lines.push_back(name + ": " + NvLogoText(header.subspan(row.prefix.size())) + ", " +
                      std::to_string(payload_.expected) + " data bytes" + missing);
      break;
    case ValueKind::kWifiAt:
    case ValueKind::kWifiAtPair: {
      const std::size_t before = lines.size();
      AppendAtLines(payload_.bytes, lines);
      if (lines.size() == before || !complete) {
        lines.push_back(name + ": " + std::to_string(payload_.received) + " bytes of AT text" +
                        missing + hex);
      }
      break;
    }
    default:
      lines.push_back(name + ": " + RenderText(payload_.bytes, true) + missing + hex);
      break;
  }
  payload_ = Payload{};
}

std::vector<std::string> CommandDecoder::EndOfSend() {
  std::vector<std::string> lines;
  if (!carry_.empty()) {
    lines.push_back("incomplete command: " + HexBytes(carry_));
    carry_.clear();
  }
  return lines;
}

std::vector<std::string> CommandDecoder::Flush() {
  std::vector<std::string> lines = EndOfSend();
  if (hasPayload_) {
    FinishPayload(false, lines);
  }
  if (inUpgradeData_) {
    lines.push_back("upgrade data: " + std::to_string(upgradeBytes_) + " bytes");
    inUpgradeData_ = false;
    upgradeBytes_ = 0;
  }
  return lines;
}

bool CommandDecoder::HasPending() const {
  return !carry_.empty() || hasPayload_ || inUpgradeData_;
}

}  // namespace virtual_printer

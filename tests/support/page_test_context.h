#pragma once

#include <cstdint>
#include <vector>

#include "platform/qt/file_dialog_service.h"
#include "platform/qt/message_service.h"
#include "platform/sleeper.h"
#include "varnex/controls/page_context.h"
#include "varnex/link/printer_sender.h"
#include "varnex/texts/string_table.h"

namespace testsupport {

// A printer link for page tests: records every send as one byte vector, and reports the
// connected flag and the send outcome the test chooses.
class RecordingPrinter : public varnex::link::PrinterSender {
 public:
  bool SendToPrinter(const std::uint8_t* bytes, std::int32_t count) override {
    sends.emplace_back(bytes, bytes + (count > 0 ? count : 0));
    return sendSucceeds;
  }
  bool IsConnected() const override { return connected; }

  std::vector<std::vector<std::uint8_t>> sends;
  bool connected = true;
  bool sendSucceeds = true;
};

// Everything a page or dialog receives from the main window, recorded.
struct PageTestContext {
  explicit PageTestContext(platform::UiLanguage language = platform::UiLanguage::English)
      : texts(language) {}

  RecordingPrinter printer;
  varnex::texts::UiTexts texts;
  platform::RecordingMessageService messages;
  platform::ScriptedFileDialogService files;
  platform::RecordingSleeper sleeper;
  varnex::controls::PageContext context{printer, texts, messages, files, sleeper};
};

}  // namespace testsupport

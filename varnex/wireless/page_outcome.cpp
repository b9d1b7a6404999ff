#include "varnex/wireless/page_outcome.h"

#include "varnex/controls/ipv4_address_edit.h"
#include "varnex/controls/page_parts.h"

namespace varnex::wireless {

controls::Ipv4AddressEdit* AddressControls::Of(AddressKind kind) const {
  switch (kind) {
    case AddressKind::IpAddress:
      return ip;
    case AddressKind::Gateway:
      return gateway;
    case AddressKind::SubnetMask:
      return mask;
  }
  return nullptr;
}

QString MessageText(const Message& message, const controls::PageContext& context) {
  if (message.IsFromTable()) {
    return context.Text(message.string_id);
  }
  return controls::FromUtf8(message.InCodeText(context.texts.language()));
}

void CarryOut(const Outcome& outcome, controls::PageContext& context, QWidget* owner,
              const AddressControls& addresses) {
  if (outcome.message) {
    context.ShowMessage(owner, MessageText(*outcome.message, context));
    if (outcome.clear) {
      if (controls::Ipv4AddressEdit* control = addresses.Of(*outcome.clear)) {
        control->clear();
      }
    }
    return;
  }
  context.printer.SendInOrder(outcome.sends);
}

}  // namespace varnex::wireless

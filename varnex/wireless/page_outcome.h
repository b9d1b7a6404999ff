#pragma once

#include <QString>

#include "varnex/controls/page_context.h"
#include "varnex/wireless/outcome.h"

class QWidget;

namespace varnex::controls {
class Ipv4AddressEdit;
}

namespace varnex::wireless {

// The IP address, gateway and subnet mask controls of a page.
struct AddressControls {
  controls::Ipv4AddressEdit* ip = nullptr;
  controls::Ipv4AddressEdit* gateway = nullptr;
  controls::Ipv4AddressEdit* mask = nullptr;

  controls::Ipv4AddressEdit* Of(AddressKind kind) const;
};

// The text of a message in the current UI language: from the string table, or held in code.
QString MessageText(const Message& message, const controls::PageContext& context);

// Carries out one button press: shows the outcome's message and then empties the address
// control it names, or makes each of its sends in order. Each send is made even when an
// earlier one failed (the send operation has already told the user why).
void CarryOut(const Outcome& outcome, controls::PageContext& context, QWidget* owner,
              const AddressControls& addresses);

}  // namespace varnex::wireless

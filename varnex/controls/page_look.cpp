#include "varnex/controls/page_look.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include "varnex/controls/ipv4_address_edit.h"

namespace varnex::controls {
namespace {

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

// Marks a note that keeps its red text when the page look is applied again.
constexpr const char* kWarningNoteProperty = "warningNote";

bool InsideAddressControl(const QWidget* widget) {
  for (const QWidget* parent = widget->parentWidget(); parent != nullptr;
       parent = parent->parentWidget()) {
    if (qobject_cast<const Ipv4AddressEdit*>(parent) != nullptr) {
      return true;
    }
  }
  return false;
}

}  // namespace

void ApplyPageLook(QWidget* page) {
  page->setAutoFillBackground(true);
  SetColour(page, QPalette::Window, kPageBackground);
  for (QLabel* label : page->findChildren<QLabel*>()) {
    if (!InsideAddressControl(label) && !label->property(kWarningNoteProperty).toBool()) {
      SetColour(label, QPalette::WindowText, kStaticText);
    }
  }
  for (QLineEdit* edit : page->findChildren<QLineEdit*>()) {
    if (!InsideAddressControl(edit)) {
      SetColour(edit, QPalette::Text, kEditText);
    }
  }
  for (QPlainTextEdit* edit : page->findChildren<QPlainTextEdit*>()) {
    SetColour(edit, QPalette::Text, kEditText);
  }
}

void MarkWarningNote(QLabel* note) {
  note->setProperty(kWarningNoteProperty, true);
  SetColour(note, QPalette::WindowText, kWarningText);
}

}  // namespace varnex::controls

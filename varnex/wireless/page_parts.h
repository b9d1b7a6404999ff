#pragma once

#include <QString>
#include <span>
#include <string_view>

#include "varnex/controls/page_context.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace varnex::controls {
class CCHButton;
}

namespace varnex::wireless {

// Gives a new control its numeric id as object name and returns it.
template <typename Control>
Control* WithId(Control* control, int id) {
  control->setObjectName(QString::number(id));
  return control;
}

// The controls the wireless pages are built from, each named by its id.
// A field label, right-aligned so the captions line up in front of their controls.
QLabel* FieldLabel(int id, const QString& text = QString());
// A command button; its caption is set with the page's other captions.
controls::CCHButton* CommandButton(int id);
// A line edit that takes at most `maxChars` characters (0: no limit), showing `text`.
QLineEdit* TextEdit(int id, int maxChars, std::u16string_view text = {});
// A drop-down list (not editable) with these entries and nothing selected.
QComboBox* ChoiceList(int id, std::span<const std::string_view> choices);

// One language-dependent caption of a page: the control's id and the string-table id of its text.
struct CaptionRow {
  int control;
  int string;
};

// Sets each listed control's caption (label text, button text or group box title) from the
// string table in the current language.
void SetCaptions(QWidget* page, std::span<const CaptionRow> rows,
                 const controls::PageContext& context);

}  // namespace varnex::wireless

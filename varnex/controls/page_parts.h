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

// Gives a new control its numeric id as object name and returns it.
template <typename Control>
Control* WithId(Control* control, int id) {
  control->setObjectName(QString::number(id));
  return control;
}

// The controls the pages are built from, each named by its id.
// A field label, right-aligned so the captions line up in front of their controls.
QLabel* FieldLabel(int id, const QString& text = QString());
// A command button; its caption is set with the page's other captions.
controls::CCHButton* CommandButton(int id);
// A line edit that takes at most `maxChars` characters (0: no limit), showing `text`.
QLineEdit* TextEdit(int id, int maxChars, std::u16string_view text = {});
// A drop-down list (not editable) with these entries (UTF-8) and entry `selected` chosen
// (-1: nothing selected).
QComboBox* ChoiceList(int id, std::span<const std::string_view> choices, int selected = -1);

// A UTF-8 text of the command tables as a QString.
QString FromUtf8(std::string_view text);

// One language-dependent caption of a page: the control's id and the string-table id of its text.
struct CaptionRow {
  int control;
  int string;
};

// Sets each listed control's caption (label text, button text or group box title) from the
// string table in the current language.
void SetCaptions(QWidget* page, std::span<const CaptionRow> rows, const PageContext& context);

}  // namespace varnex::controls

#pragma once

#include "varnex/controls/page_context.h"
#include "varnex/label/outcome.h"
#include "varnex/label/page_choices.h"
#include "varnex/label/unit_conversion.h"

class QComboBox;
class QGridLayout;
class QLayout;
class QLineEdit;
class QRadioButton;

namespace varnex::label {

// The label printer tab: sets a label printer's paper size (in millimetres or inches),
// direction, density, media sensor, command language, reprint, sensor intensity and tube type,
// supply voltage and model text, calibrates its sensor, reads out the sensor (AD visualization)
// and prints a test label. Each button sends one command built from the shown values.
class LabelSetDlg : public controls::TabPage {
  Q_OBJECT

 public:
  explicit LabelSetDlg(controls::PageContext& context, QWidget* parent = nullptr);

  // Captions and the language-dependent list entries in the current UI language; the media
  // sensor and sensor tube lists keep their selected positions, the supply voltage list goes
  // back to "110-220V". The size texts and their unit stay as they are.
  void RefreshTexts() override;

 private:
  QWidget* BuildUnitGroup();
  void BuildLeftColumn(QGridLayout* grid);
  void BuildRightColumn(QGridLayout* grid);
  void BuildModelRow(QGridLayout* grid, int row);
  QLayout* BuildActionRow();
  QComboBox* ChoiceList(Combo combo);
  void ConnectButtons();

  void OnUnitSelected(Unit unit);
  void OnPaperSize();
  void OnMediaSensor();
  void OnAdVisualization();
  // Sends every byte sequence of the outcome in order, or shows its refusal. A send that fails
  // (already reported by the send operation) ends the press.
  void Carry(const Outcome& outcome);

  controls::PageContext& context_;
  // The unit the size texts are written in; the radios only say which one the user asks for.
  Unit unit_ = Unit::Millimetres;
  QRadioButton* millimetres_ = nullptr;
  QRadioButton* inches_ = nullptr;
  QLineEdit* width_ = nullptr;
  QLineEdit* height_ = nullptr;
  QLineEdit* model_ = nullptr;
};

}  // namespace varnex::label

#pragma once

#include <QFrame>
#include <array>

#include "varnex/controls/ipv4_fields.h"

class QLineEdit;

namespace varnex::controls {

// An IPv4 address control: four number fields separated by dots. Each field is blank or 0 to
// 255 (a larger number is taken as 255); typing a dot or a third digit moves to the next field,
// Backspace in an empty field moves back.
class Ipv4AddressEdit : public QFrame {
  Q_OBJECT

 public:
  explicit Ipv4AddressEdit(QWidget* parent = nullptr);

  Ipv4Fields fields() const;
  void setFields(const Ipv4Fields& fields);
  void setAddress(int a, int b, int c, int d);
  void clear();

  QLineEdit* field(int index) const { return fields_[static_cast<std::size_t>(index)]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void OnFieldEdited(int index);
  std::array<QLineEdit*, 4> fields_{};
};

}  // namespace varnex::controls

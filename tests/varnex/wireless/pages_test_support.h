#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QString>
#include <QStringList>

#include "varnex/controls/page_context.h"

namespace wirelesstest {

// The caption a control shows: label text, button text or group box title.
inline QString Caption(const QWidget* page, int id) {
  const QWidget* control = varnex::controls::FindControl<QWidget>(page, id);
  if (const auto* label = qobject_cast<const QLabel*>(control)) {
    return label->text();
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
    return button->text();
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
    return group->title();
  }
  return QStringLiteral("<no control %1>").arg(id);
}

inline QStringList Entries(const QComboBox* combo) {
  QStringList entries;
  for (int i = 0; i < combo->count(); ++i) {
    entries << combo->itemText(i);
  }
  return entries;
}

inline QColor TextColour(const QLabel* label) {
  return label->palette().color(QPalette::WindowText);
}

// One caption of a page in both languages.
struct CaptionCase {
  int id;
  const char* english;
  const char* chinese;
};

}  // namespace wirelesstest

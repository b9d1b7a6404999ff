#pragma once

#include <QColor>

class QLabel;
class QWidget;

namespace varnex::controls {

// The look shared by the main window, its pages and their dialogs.
inline const QColor kPageBackground(240, 240, 220);
inline const QColor kStaticText(50, 50, 200);
inline const QColor kEditText(150, 105, 200);
inline const QColor kWarningText(178, 34, 34);

// Fills the widget with the page background and gives its labels the blue text and its edits
// the violet text. Call it once the children exist; children added later keep their defaults.
void ApplyPageLook(QWidget* page);

// Draws one label (a warning note) in red instead of blue.
void MarkWarningNote(QLabel* note);

}  // namespace varnex::controls

#pragma once
// What each input and result of the four design tabs is, its unit and, where
// it matters, how to read it: one table by control name, shown as tooltips.
#include <QString>

class QWidget;

namespace kelvora {

// The explanation of a control ("EIs3", "LZpl1", ...), or an empty text.
QString tooltipFor(const QString& control);
// Gives every control under `root` that the table names its explanation.
void applyTooltips(QWidget* root);
// Gives the controls under `root` that have their explanation its text in the
// language installed now.
void retranslateTooltips(QWidget* root);

} // namespace kelvora

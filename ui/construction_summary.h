#pragma once
// The label beside a tab's "Construção" button: the construction's verdicts
// in one line, in the verdict colours, after every recalculation.
#include "summary.h"

#include <QLabel>

namespace kelvora {

QLabel* makeSummaryLabel(QWidget* parent, const char* name);
// Writes `s` into the label: good pair when every verdict passes, else bad.
void showSummary(QLabel* label, const construction::Summary& s);

} // namespace kelvora

#pragma once
// The mark of a field whose text the calculation did not use as typed: a
// frame drawn over the field, seen on any background (a verdict may paint the
// field green or red), and the note as the field's tooltip.
#include <QString>

class QLineEdit;
class QWidget;

namespace kelvora {

// Marks `field` with `note`, or removes the mark when `note` is empty. The
// field's own tooltip comes back when the mark goes.
void setReadMark(QWidget* field, const QString& note);
// The mark's note on `field` (empty when unmarked), for tests.
QString readMarkOf(const QWidget* field);

// Makes a line edit take no control characters: a tab or line break typed
// or pasted becomes a blank, as a design file can carry it.
void refuseControlCharacters(QLineEdit* edit);

} // namespace kelvora

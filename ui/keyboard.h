#pragma once
// Keyboard use of the forms: Tab walks each page in reading order (rows top
// to bottom, each row left to right) and every control carries an accessible
// name taken from its caption, so a screen reader announces what it edits.
#include <QList>

class QTabWidget;
class QWidget;

namespace kelvora {

// Property of a container read whole before its siblings, wherever it stands.
inline constexpr char kReadFirst[] = "kelvoraReadFirst";

// The inputs of `page` (edits, combos, buttons, radios, check boxes) in
// reading order of their current page positions: rows top to bottom, each
// left to right, and each container (group box) read whole where it stands
// among its siblings. Children of compound inputs (the line edit inside an
// editable combo) are not listed separately.
QList<QWidget*> readingOrder(QWidget* page);

// Chains the inputs of `page` in reading order and names them from their
// captions. Needs the page's geometry, so call it once the page is laid out.
void applyKeyboardOrder(QWidget* page);
// Names the fields of `page` (in `order`, else in reading order) after their
// captions, again after a change of language; a name set by hand stays.
void nameFieldsByCaptions(QWidget* page);
void nameFieldsByCaptions(QWidget* page, const QList<QWidget*>& order);
// What a message calls the field `w` of `page`: its caption as it reads now,
// its name set by hand, or else its object name.
QString fieldName(QWidget* w, QWidget* page);

// Applies applyKeyboardOrder to every page of `tabs` each time the page is
// shown (hidden pages have no layout geometry until then).
void installKeyboardOrder(QTabWidget* tabs);

// The caption of `w`: its own text for buttons, otherwise the nearest label
// to its left on the same row, else the label just above it, else the title
// of the group it sits in. Empty if none of these exist.
QString captionOf(QWidget* w, QWidget* page);

} // namespace kelvora

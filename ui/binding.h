#pragma once
// The glue between a Sheet and the widgets of a tab, matched by object name.
#include "sheet.h"

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

namespace kelvora {

// What a widget shows as its background and font colour (the palette roles
// its kind paints with), for tests and the random-typing checks.
QColor shownBackground(const QWidget* w);
QColor shownFont(const QWidget* w);

class SheetBinding {
public:
    SheetBinding(Sheet& sheet, QWidget* root);

    // Gives the widgets their fixed properties (items, maximum length,
    // read-only) and the sheet's initial state. Run once after the form is built.
    void setup();
    // Copies what the user typed or chose into the sheet.
    void readInputs();
    // Copies texts, colours, visibility and positions into the widgets,
    // without emitting change signals (no recalculation from our own writes).
    // Both do nothing before setup(): a form built later starts from the sheet.
    void mirror();

    Sheet& sheet() { return sheet_; }
    // The widget whose children are the controls (null once it is gone).
    QWidget* root() const { return root_; }

private:
    void bind();

    Sheet& sheet_;
    QPointer<QWidget> root_;
    // The widget of each control, in the sheet's name order (null when the
    // form has none), and the colours last given to it.
    std::vector<QWidget*> widgets_;
    std::vector<std::optional<std::pair<Colour, Colour>>> painted_;
    bool bound_ = false;
};

} // namespace kelvora

#pragma once
// Small builders for the recurring pieces of the forms. Every control that a
// calculation reads or writes gets its design name as objectName; the
// binding gives it its items, limits and initial text from the design.
#include <QColor>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

namespace kelvora {

// Property that marks a result label as always painting its own background.
inline constexpr char kOpaqueResult[] = "kelvoraOpaqueResult";
// Property of a label whose text a tab's sheet holds: the calculations write it.
inline constexpr char kSheetText[] = "kelvoraSheetText";
// Property of a control whose tooltip comes from the controls' table.
inline constexpr char kTableTooltip[] = "kelvoraTableTooltip";
// The forms' one accent colour, maroon: the titles, the start page's heading
// and the notes under the results.
inline constexpr QColor kTitleMaroon(0x80, 0, 0);

QLabel* makeLabel(QWidget* parent, const QString& text, const char* name = nullptr);
// A result label: left-aligned, framed lightly so a coloured verdict reads as a field.
QLabel* makeResult(QWidget* parent, const char* name, int minWidth = 90);
// A result in a form row: the result label, framed, of a fixed height.
QLabel* makeResultField(QWidget* parent, const char* name, int minWidth = 90, int height = 18);
// Sets up a label made by the caller (of a QLabel subclass) as makeResultField does.
QLabel* setUpResultField(QLabel* label, const char* name, int minWidth = 90, int height = 18);
// A verdict line: bold, centred and framed, so its colour reads as a judgement.
QLabel* makeVerdict(QWidget* parent, const char* name, int height = 22);
// Sets up a label made by the caller (of a QLabel subclass) as makeVerdict does.
QLabel* setUpVerdict(QLabel* label, const char* name, int height = 22);
// An edit of a fixed width and, when given, a fixed height.
QLineEdit* makeEdit(QWidget* parent, const char* name, int width = 64, int height = 0);
QComboBox* makeCombo(QWidget* parent, const char* name, int width = 72);
QRadioButton* makeRadio(QWidget* parent, const char* name, const QString& caption);
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption);
QGroupBox* makeGroup(QWidget* parent, const QString& caption, const char* name = nullptr);
// The "Salva resultados em arquivo texto" group of a tab whose report carries the
// user's name and the application: the two edits and the save button, placed
// as on the power transformer tab. The caller places the group.
QGroupBox* makeReportGroup(QWidget* page, const char* group, const char* user,
                           const char* application, const char* button,
                           const QString& applicationTip);
// A title line: bold, coloured (maroon by default).
QLabel* makeTitle(QWidget* parent, const QString& text, const char* name = nullptr,
                  int pixelSize = 16, const QColor& colour = kTitleMaroon);

// The windows' font: the forms are laid out for MS Sans Serif at 11 pixels.
void setFormFont(QWidget* window);
// The standard error box: "Kelvora", the message and OK, modal over `parent`.
void showErrorBox(QWidget* parent, const QString& message);

// The grid of a group box's rows, with the tab's own margins and spacing.
QGridLayout* makeGrid(QGroupBox* group, const QMargins& margins, int hSpacing, int vSpacing);

// Names a field by its caption (without the closing ":"), for screen readers
// and for messages that point at it. A name already given stays. The caption
// is kept (kNameCaption), so that the name follows it into another language.
void nameField(QWidget* field, const QString& caption);
inline constexpr char kNameCaption[] = "kelvoraNameCaption";

// "caption  [field]  unit" on row `row` of a grid (columns 0, 1, 2); the
// field is named by its caption.
void addRow(QGridLayout* grid, int row, const QString& caption, QWidget* field,
            const QString& unit = {});

// A core dimension on row `row`: "caption  [chosen]  [calculated]  mm", the
// chosen one a combo box, the calculated one a greyed edit.
struct CoreRowSizes {
    int comboWidth, calcWidth, height;
};
void addCoreDimensionRow(QGridLayout* grid, int row, const QString& caption, const char* combo,
                         const char* calc, CoreRowSizes sizes);

} // namespace kelvora

#pragma once
// The program's file dialogs, each made on first use: building a file dialog
// costs more start-up time than the whole rest of a window, and most
// sessions never save.
#include <QString>
#include <QStringList>

#include <functional>

class QFileDialog;
class QWidget;

namespace kelvora {

// Runs a file dialog and returns the path chosen, empty when cancelled.
// Tests answer the dialog through one of these.
using FileChooser = std::function<QString(QFileDialog*)>;

// The program's own answer: the dialog, modal.
QString execFileDialog(QFileDialog* dialog);

// The name filter of the text files written: the reports and the winding sheet.
QString textFileFilter();

class LazyFileDialog {
public:
    enum class Mode { Open, Save };
    // `name` becomes the dialog's object name; `suffix` is added to a name
    // typed without one.
    LazyFileDialog(QWidget* parent, const char* name, Mode mode, const char* suffix,
                   QStringList filters);

    // The dialog, made on the first call; the same one after.
    QFileDialog* dialog();
    // Asks through `chooser` under `title`, offering `offered` until a file
    // has been chosen, then the last one chosen. Returns the path, empty
    // when cancelled.
    QString choose(const FileChooser& chooser, const QString& title, const QString& offered);

private:
    QWidget* parent_;
    const char* name_;
    Mode mode_;
    const char* suffix_;
    QStringList filters_;
    QFileDialog* dialog_ = nullptr;
    bool chosen_ = false;
};

} // namespace kelvora

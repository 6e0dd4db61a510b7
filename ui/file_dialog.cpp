#include "file_dialog.h"

#include <QFileDialog>

#include <utility>

namespace kelvora {

QString execFileDialog(QFileDialog* dialog)
{
    return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
}

QString textFileFilter() { return QStringLiteral("Arquivo Texto (*.txt)"); }

LazyFileDialog::LazyFileDialog(QWidget* parent, const char* name, Mode mode, const char* suffix,
                               QStringList filters)
    : parent_(parent), name_(name), mode_(mode), suffix_(suffix), filters_(std::move(filters))
{
}

QFileDialog* LazyFileDialog::dialog()
{
    if (dialog_)
        return dialog_;
    const bool save = mode_ == Mode::Save;
    // Owned by the window, which outlives every use.
    dialog_ = new QFileDialog(parent_);
    dialog_->setObjectName(QString::fromLatin1(name_));
    // The same dialog (and language) on every desktop, and one a test can drive.
    dialog_->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog_->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog_->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog_->setDefaultSuffix(QString::fromLatin1(suffix_));
    dialog_->setNameFilters(filters_);
    dialog_->setSizeGripEnabled(true);
    return dialog_;
}

QString LazyFileDialog::choose(const FileChooser& chooser, const QString& title,
                               const QString& offered)
{
    QFileDialog* d = dialog();
    d->setWindowTitle(title);
    if (!chosen_)
        d->selectFile(offered);
    const QString path = chooser(d);
    if (!path.isEmpty()) {
        d->selectFile(path);
        chosen_ = true;
    }
    return path;
}

} // namespace kelvora

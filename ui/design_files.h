#pragma once
// The main window's "Arquivo" menu: new, open, save, save as, the recent
// files and quit, with the question about unsaved changes and the caption
// that names the file. The document itself is project/design_file.h.
#include "Ukelvora1.h"
#include "design_file.h"
#include "file_dialog.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

class QAction;
class QFileDialog;
class QMenu;
class QMenuBar;

namespace kelvora {

class DesignFiles : public QObject {
    Q_OBJECT
public:
    enum class Answer { Save, Discard, Cancel };
    // The most recent files kept in the list.
    static constexpr int MaxRecent = 8;

    explicit DesignFiles(TFKelvora& window);

    QMenuBar* menuBar() const { return bar_; }

    // The menu's commands.
    void newDesign();
    void openDesign();
    bool save();
    bool saveAs();
    void openRecent(const QString& path);
    // Opens a file without asking about unsaved changes (start-up, tests).
    // The window is unchanged when the file is refused; false then.
    bool openFile(const QString& path);
    // Before the design is replaced or the window closes: asks about unsaved
    // changes and saves if told to. False when the user cancelled.
    bool settleChanges();

    bool isModified() const { return modified_; }
    QString currentFile() const { return path_; }
    QStringList recentFiles() const;

    // Connects every stored input of the built pages and windows to the change
    // tracking; a sheet already watched is left as it is.
    void watchInputs();
    // A window of stored inputs made after start-up (the construction
    // settings): it takes the inputs last opened, saved or made new, and its
    // fields are watched from now on.
    // `settle`, when given, recalculates the window: what it rewrites of the
    // inputs just taken (the pi network fills its frequency from its band)
    // belongs to them and is no change.
    void adopt(std::string_view sheet, const std::function<void()>& settle = {});
    // A stored sheet's inputs as last opened, saved or made new (the
    // construction settings before their window exists).
    const Sheet& storedInputs(std::string_view sheet) { return saved()[sheet]; }

    // Tests answer the unsaved-changes question and take the notices
    // (a missing recent file) instead of modal boxes.
    void setUnsavedQuestion(std::function<Answer(const QString&)> question);
    void setMessageReporter(std::function<void(const QString&)> reporter);

private:
    void readInputs();
    void apply(const DesignInputs& inputs);
    void markSaved();
    void inputsChanged(std::string_view sheet);
    void updateCaption();
    bool writeTo(const QString& path);
    void rememberRecent(const QString& path);
    void forgetRecent(const QString& path);
    void rebuildRecentMenu();
    QFileDialog* dialog(LazyFileDialog& d);
    QString displayName() const;

    TFKelvora& w_;
    QMenuBar* bar_ = nullptr;
    QMenu* recent_ = nullptr;
    LazyFileDialog openDialog_;
    LazyFileDialog saveDialog_;
    QString path_;
    // The inputs as last opened, saved or made new; made on first use, when the
    // window's decimal separator is known. A sheet whose window does not exist
    // yet is kept (and saved) as it stands here.
    DesignInputs& saved();
    std::optional<DesignInputs> saved_;
    bool modified_ = false;
    std::set<std::string, std::less<>> watched_;
    bool applying_ = false;
    std::function<Answer(const QString&)> question_;
    std::function<void(const QString&)> message_;
};

} // namespace kelvora

#pragma once
#include "fonte.h"
// The main window: seven tabs, the recalculation wiring and the handlers.
#include "binding.h"
#include "design.h"
#include "file_dialog.h"
#include "results.h"
#include "summary.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class QFileDialog;
class QLabel;
class QTabWidget;

namespace kelvora {

class DesignFiles;
class TFNucleo;
class TFConstrucao;
class TFFonte;
class TFCalcPI;
class TFCalcReator;

class TFKelvora : public QWidget {
    Q_OBJECT
public:
    // When the pages other than the first are built: at once, or just after
    // the window has first been painted, so that it appears sooner.
    enum class Pages { Now, AfterFirstPaint };
    explicit TFKelvora(QWidget* parent = nullptr, Pages pages = Pages::Now);
    ~TFKelvora() override;

    // Shrinks the window to `available` (a screen's free area, in logical
    // pixels) when it is larger; the tabs then scroll.
    void fitInto(const QSize& available);
    // Grows the window to hold its built pages whole where `available` has
    // room (no scroll bar while the screen could show everything), then fits.
    void growToPages(const QSize& available);

    // The secondary windows, created after this one at start-up.
    void attach(TFNucleo* nucleo, TFCalcPI* calcPi, TFCalcReator* calcReator);

    // Handlers of the recalculation wiring.
    void CBBnChange();
    void TInicioShow();
    void TTrafoAlimShow();
    void CNumPriChange();
    void CNumSecChange();
    void TModValvulShow();
    void CBSelTMChange();
    void ImgConvTMMouseDown(int x, int y);
    void TReatorFiltroShow();
    void BBVisNucleoTAClick();
    void BBVisNucleoTMClick();
    void BBVisNucleoReatorClick();
    void BCircuitoPIClick();
    // "Construção": the construction window of that tab, made on first use.
    void showConstrucao(const char* tab);
    // Makes the construction window on first use (hidden).
    TFConstrucao& makeConstrucao();
    TFConstrucao* construcao() const { return FConstrucao.get(); }
    // "Fonte": the supply window of the power transformer, made on first use.
    void showFonte();
    // Makes the supply window (hidden) if it is not there: the construction
    // takes the simulated currents from it.
    void ensureFonte();
    // The filter reactor tab's choke for a supply ladder that uses it.
    std::optional<fonte::Reactor> fonteReactor();
    TFFonte* fonteWindow() const { return FFonte.get(); }
    void BSalvaTAClick();
    void BSalva_TMClick();
    void BSalvaRFClick();

    // Each returns false when a calculation error ended it (already reported).
    bool CalculaTrafoAlim();
    bool CalculaTrafoMod();
    bool CalculaTrafoModTrans();
    bool CalcReatorFiltro();
    void TAEnrolamentos();
    void SelConfigTM();
    void VisNucleo(float En, float Bn);
    // A design was put on the pi network's window (opened or made new): the
    // valve modulator tab's RF stage counts as the one it goes with.
    void calcPiTakesRfStage();

    DesignResults& results() { return results_; }
    // The sheet of a tab by its control name ("TTrafoAlim", "TAjustes", ...).
    Sheet& sheet(const char* tab);
    Settings settings();

    // Tests replace the error box, the save dialog's answer and the answer
    // to a yes-or-no question (true for "Sim").
    void setErrorReporter(std::function<void(const QString&)> reporter);
    void setFileChooser(FileChooser chooser);
    void setQuestioner(std::function<bool(const QString&)> questioner);
    // Tests see each message a failed recalculation puts on its tab's line.
    void setErrorLineObserver(std::function<void(const QString&)> observer);
    // The message line of the tab on view: a failed recalculation's error,
    // or the fields whose texts the calculation did not use as typed.
    QString messageOf(const char* tab);
    void setDecimalSeparator(char separator) { separator_ = separator; }
    // How many error boxes have been shown.
    int errorCount() const { return errorCount_; }
    // Builds the pages still waiting; true once every page is built.
    void buildPendingPages();
    bool pagesBuilt() const { return pending_.empty(); }
    // The "Arquivo" menu: design files, recent files, unsaved changes.
    DesignFiles& designFiles() { return *files_; }

signals:
    void allPagesBuilt();

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    friend class DesignFiles;
    struct Tab;
    Tab& tab(const char* name);
    SheetBinding* bindingOf(std::string_view tab); // null when no such tab
    bool recalculate(Tab& t, const std::function<void()>& run, bool calculation = false);
    void showMessageLine();
    bool calculate(Tab& t, const std::function<void()>& run);
    void reportError(const QString& message);
    bool ask(const QString& question);
    void wireRecalculation();
    void followOwnerFields();
    // After a tab's calculation or arrangement: the construction window and
    // the summary beside the tab's "Construção" button follow it.
    void constructionFollows(const std::string& tab);
    void onChange(std::initializer_list<const char*> names, void (TFKelvora::*handler)());
    void onChange(std::initializer_list<const char*> names, const std::function<void()>& handler);
    void onShow(const char* tab, const std::function<void()>& handler);
    void runHandler(std::string_view name);
    bool run(std::string_view procedure);
    void saveReport(LazyFileDialog& dialog, const Design& d);
    void showCore(const Design& d);

    QTabWidget* PageControl1 = nullptr;
    QLabel* LMensagem = nullptr; // the message line under the tab on view
    // The reports' save dialogs.
    LazyFileDialog SaveTA{this, "SaveTA", LazyFileDialog::Mode::Save, "txt", {textFileFilter()}};
    LazyFileDialog SaveTM{this, "SaveTM", LazyFileDialog::Mode::Save, "txt", {textFileFilter()}};
    LazyFileDialog SaveRF{this, "SaveRF", LazyFileDialog::Mode::Save, "txt", {textFileFilter()}};
    TFNucleo* FNucleo = nullptr;
    TFCalcPI* FCalcPI = nullptr;
    TFCalcReator* FCalcReator = nullptr;

    std::vector<std::unique_ptr<Tab>> tabs_;
    DesignFiles* files_ = nullptr;
    // Declared after the tabs, so it goes before the sheets it reads.
    std::unique_ptr<TFConstrucao> FConstrucao;
    std::unique_ptr<TFFonte> FFonte;
    // Pages not built yet: the tab and its form builder.
    std::vector<std::pair<Tab*, void (*)(QWidget*)>> pending_;
    bool buildQueued_ = false;
    DesignResults results_;
    // The construction summary of each tab's last run, for a page built later.
    std::map<std::string, construction::Summary> summaries_;
    char separator_ = 0;

    std::function<void(const QString&)> errorReporter_;
    FileChooser fileChooser_ = execFileDialog;
    std::function<bool(const QString&)> questioner_;
    std::function<void(const QString&)> errorLineObserver_;
    int errorCount_ = 0;
    bool errorBoxOpen_ = false;
    bool skipActivation_ = false;
    bool shownOnce_ = false;
};

} // namespace kelvora

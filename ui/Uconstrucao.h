#pragma once
// "Construção e perdas": the construction analysis of the power transformer,
// the valve modulator or the filter reactor, live with the tab it belongs to:
// the settings, the windings table, the cross-section drawn to scale, the
// figures and verdicts, and the winding sheet to save, export or print.
#include "binding.h"
#include "construction.h"
#include "wound_part.h"
#include "file_dialog.h"
#include "results.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QFileDialog;
class QLabel;
class QPrintDialog;
class QStackedWidget;
class QTableView;
class QTimer;

namespace kelvora {

class CrossSectionView;
class PainelRede;
class PainelSugestoes;
class WindingTableModel;
struct SheetPages;
struct TFConstrucaoResults;

// Where the window takes its design from: the tab's sheet, the state the
// tab's last calculation left, whether that calculation failed, and the
// program's settings (decimal separator, current density).
struct ConstrucaoSource {
    std::string tab;                             // the tab's control name
    const construction::WoundPart* part = nullptr; // what its design builds
    QString caption; // the tab's caption
    const Sheet* sheet = nullptr;
    const DesignResults* state = nullptr;
    std::function<bool()> tabFailed;
    std::function<Settings()> settings;
    // The power transformer's analysis with the simulated rectifier currents
    // (the Fonte window's), when there is one.
    std::function<std::optional<construction::Analysis>(const construction::ConstructionSettings&,
                                                        const Settings&)>
        supplyAnalysis;
    // "Usar este núcleo": writes Bn and En (texts) into the tab, which recalculates.
    std::function<void(const QString& bn, const QString& en)> useCore;
};

class TFConstrucao : public QWidget {
    Q_OBJECT
public:
    // `separator` writes the settings' default texts.
    explicit TFConstrucao(char separator, QWidget* parent = nullptr);
    ~TFConstrucao() override;

    // Shows the analysis of that design, switching from the one shown before.
    void showDesign(ConstrucaoSource source);
    // The tab has just recalculated: the window follows it when it shows that tab.
    void tabRecalculated(std::string_view tab);
    // Reads the settings and analyses the design again.
    void recalculate();

    const std::string& design() const { return source_.tab; }
    const construction::Analysis& analysis() const { return analysis_; }
    PainelRede* rede() const { return GBCoRede; }
    Sheet& settingsSheet() { return sheet_; }
    SheetBinding& settingsBinding() { return binding_; }
    // The winding sheet of what the window shows.
    std::string sheetText() const;

    // Handlers of the three sheet buttons.
    void BCoGravaFolhaClick();
    void BCoExportaPdfClick();
    void BCoImprimeClick();

    // The design file's name (no folder, no extension), which the sheet's
    // file names start with; empty for a design never saved.
    void setDesignName(const QString& name) { designName_ = name; }

    // Tests replace the error box, the file dialogs' answer and the print dialog.
    void setErrorReporter(std::function<void(const QString&)> reporter);
    void setFileChooser(FileChooser chooser);
    void setPrintRunner(std::function<bool(QPrintDialog*)> runner);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void buildSettings(QWidget* group, QWidget* loads);
    void buildFigures(QWidget* group);
    void present();
    void orderColumns();
    void fitColumns();
    QString chooseFile(LazyFileDialog& dialog, const char* file, const QString& title);
    SheetPages pages() const;
    void reportError(const QString& message);

    Sheet sheet_;
    SheetBinding binding_;
    ConstrucaoSource source_;
    construction::Analysis analysis_;
    construction::ConstructionSettings settings_;
    double a_ = 0, b_ = 0;
    construction::Core core_;
    int activeSecondaries_ = 0;
    char separator_ = ',';

    QStackedWidget* SWCo = nullptr;
    QWidget* GBCoCargas = nullptr;
    QLabel* LCoErro = nullptr;
    QLabel* LCoOcupacao = nullptr;
    PainelSugestoes* PSugestoes = nullptr; // the core adviser, live while open
    // The adviser's search once the typing pauses; at once when it is opened.
    QTimer* adviceTimer_ = nullptr;
    bool adviceNow_ = false;
    void refreshAdvice();
    CrossSectionView* PBCoCorte = nullptr;
    QTableView* TVCoEnrolamentos = nullptr;
    WindingTableModel* model_ = nullptr;
    QLabel* verdicts_[6] = {};
    QWidget* verdictHolders_[6] = {}; // each verdict's place in the column
    PainelRede* GBCoRede = nullptr;   // the power transformer's mains checks
    std::unique_ptr<TFConstrucaoResults> results_;
    std::vector<QLabel*> loadCaptions_; // of CBCoRet1-6
    std::vector<QWidget*> uiRows_;      // captions and units of the U/I window's settings
    // The U/I window's two fields and their captions' sources: named by hand
    // (hidden at first, no caption beside them to be named by).
    std::vector<std::pair<QWidget*, const char*>> uiFieldNames_;
    std::vector<QComboBox*> settingLists_; // the settings group's lists
    void nameUIFields();
    void fitLists();
    std::vector<bool> columnsToFit_;    // of the table: a text in it changed
    std::vector<std::array<QWidget*, 3>> figureWidgets_; // caption, value, unit
    LazyFileDialog SaveFolha{this, "SaveFolha", LazyFileDialog::Mode::Save, "txt",
                             {textFileFilter()}};
    LazyFileDialog SavePdf{this, "SavePdf", LazyFileDialog::Mode::Save, "pdf",
                           {QStringLiteral("Documento PDF (*.pdf)")}};
    QString designName_;

    std::function<void(const QString&)> errorReporter_;
    FileChooser fileChooser_ = execFileDialog;
    std::function<bool(QPrintDialog*)> printRunner_;
};

} // namespace kelvora

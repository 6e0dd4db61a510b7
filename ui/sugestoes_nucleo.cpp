#include "sugestoes_nucleo.h"

#include "form_helpers.h"
#include "language.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace kelvora {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QString fieldText(const QWidget* w)
{
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    if (auto* c = qobject_cast<const QComboBox*>(w))
        return c->currentText();
    return {};
}

// Sets the text of a field of the tab: a line edit, or an editable list.
void setFieldText(QWidget* w, const QString& text)
{
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(text);
    else if (auto* c = qobject_cast<QComboBox*>(w))
        c->setEditText(text);
}

} // namespace

// ------------------------------------------------------------------ model

void SugestoesModel::setAdvice(const construction::Advice& advice, const Settings& cfg)
{
    beginResetModel();
    header_.clear();
    for (const std::string& h : construction::suggestionHeader(advice.part))
        header_ << q(h);
    rows_.clear();
    cores_.assign(advice.ranked.begin(),
                  advice.ranked.begin() + std::min<std::size_t>(Shown, advice.ranked.size()));
    for (const construction::Suggestion& s : cores_) {
        QStringList row;
        for (const std::string& cell : construction::suggestionRow(s, advice.part, cfg))
            row << q(cell);
        rows_.push_back(row);
    }
    endResetModel();
}

const construction::Suggestion* SugestoesModel::suggestion(int row) const
{
    return row >= 0 && std::size_t(row) < cores_.size() ? &cores_[std::size_t(row)] : nullptr;
}

int SugestoesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int SugestoesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(header_.size());
}

QVariant SugestoesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || std::size_t(index.row()) >= rows_.size())
        return {};
    if (role == Qt::DisplayRole)
        return rows_[std::size_t(index.row())].value(index.column());
    if (role == Qt::TextAlignmentRole) // the name left, the figures right
        return int((index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    return {};
}

QVariant SugestoesModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (o == Qt::Vertical)
        return section + 1;
    // The adviser's headings, in the chosen language.
    return QCoreApplication::translate("Adviser", header_.value(section).toUtf8().constData());
}

// ------------------------------------------------------------------ panel

PainelSugestoes::PainelSugestoes(QWidget* parent) : QWidget(parent)
{
    setObjectName("PSugestoes");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    BSugereNucleo = makeButton(this, "BSugereNucleo", tx("Sugerir núcleo"));
    BSugereNucleo->setToolTip(tx("Os núcleos do catálogo que passam em todas as verificações, "
                                 "os mais leves primeiro"));
    LSugestoes = makeLabel(this, {}, "LSugestoes");
    LSugestoes->setWordWrap(true);
    model_ = new SugestoesModel(this);
    GSugestoes = new QTableView(this);
    GSugestoes->setObjectName("GSugestoes");
    GSugestoes->setModel(model_);
    GSugestoes->setSelectionBehavior(QAbstractItemView::SelectRows);
    GSugestoes->setSelectionMode(QAbstractItemView::SingleSelection);
    GSugestoes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GSugestoes->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    GSugestoes->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // A few rows at least; the window gives it room for the ten when it can.
    GSugestoes->setMinimumHeight(GSugestoes->fontMetrics().height() * 6);
    BUsaNucleo = makeButton(this, "BUsaNucleo", tx("Usar este núcleo"));
    for (QPushButton* b : {BSugereNucleo, BUsaNucleo})
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    auto* top = new QHBoxLayout;
    top->addWidget(BSugereNucleo, 0, Qt::AlignLeft);
    top->addWidget(LSugestoes, 1);
    layout->addLayout(top);
    layout->addWidget(GSugestoes, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(BUsaNucleo);
    layout->addLayout(bottom);
    for (QWidget* w : {static_cast<QWidget*>(LSugestoes), static_cast<QWidget*>(GSugestoes),
                       static_cast<QWidget*>(BUsaNucleo)})
        w->setVisible(false);

    connect(BSugereNucleo, &QPushButton::clicked, this, [this] {
        open_ = true;
        for (QWidget* w : {static_cast<QWidget*>(LSugestoes), static_cast<QWidget*>(GSugestoes),
                           static_cast<QWidget*>(BUsaNucleo)})
            w->setVisible(true);
        emit openRequested();
    });
    connect(BUsaNucleo, &QPushButton::clicked, this, &PainelSugestoes::choose);
    connect(GSugestoes, &QTableView::doubleClicked, this, &PainelSugestoes::choose);
}

void PainelSugestoes::refresh(const construction::WoundPart& part, const Sheet& tab,
                              const DesignResults& s, bool tabError,
                              const construction::ConstructionSettings& set, const Settings& cfg)
{
    if (!open_)
        return;
    cfg_ = cfg;
    const construction::Advice advice = construction::adviseCore(part, tab, s, tabError, set, cfg);
    // Keep the chosen core selected while the list follows the typing.
    const construction::Suggestion* before = model_->suggestion(GSugestoes->currentIndex().row());
    const std::pair<const construction::Lamination*, double> kept =
        before ? std::pair{before->lamination, before->b} : std::pair{nullptr, 0.0};
    model_->setAdvice(advice, cfg);
    int row = 0;
    for (int r = 0; r < model_->rowCount(); ++r)
        if (model_->suggestion(r)->lamination == kept.first
            && model_->suggestion(r)->b == kept.second)
            row = r;
    if (model_->rowCount() > 0)
        GSugestoes->selectRow(row);
    BUsaNucleo->setEnabled(model_->rowCount() > 0);
    if (advice.ranked.empty())
        LSugestoes->setText(q(construction::adviceMessage(advice, inInstalledLanguage)));
    else
        LSugestoes->setText(tr("%1 de %2 núcleos passam em todas as verificações.")
                                .arg(advice.ranked.size())
                                .arg(advice.tried));
}

void PainelSugestoes::choose()
{
    const construction::Suggestion* s = model_->suggestion(GSugestoes->currentIndex().row());
    if (!s)
        return;
    emit coreChosen(q(construction::coreText(s->a, cfg_)), q(construction::coreText(s->b, cfg_)));
}

void useCore(QWidget* tabPage, const construction::CoreFields& fields, const QString& bn,
             const QString& en)
{
    QWidget* b = tabPage->findChild<QWidget*>(
        QString::fromUtf8(fields.bn.data(), fields.bn.size()));
    QWidget* e = tabPage->findChild<QWidget*>(
        QString::fromUtf8(fields.en.data(), fields.en.size()));
    if (!b || !e)
        return;
    // The tab recalculates once, with both: on the last field that changes.
    if (fieldText(e) == en) {
        setFieldText(b, bn);
        return;
    }
    {
        const QSignalBlocker quiet(b);
        setFieldText(b, bn);
    }
    setFieldText(e, en);
}

} // namespace kelvora

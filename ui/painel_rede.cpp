#include "painel_rede.h"

#include "form_helpers.h"
#include "language.h"
#include "numbers.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>
#include <QTableView>

#include <algorithm>
#include <cmath>

namespace kelvora {

using namespace construction;

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

QString num(double v, int decimals, char separator)
{
    return text(fixed(v, 15, decimals, separator));
}

// A round step (1, 2 or 5 times a power of ten) that cuts `span` into about
// `parts` intervals.
double niceStep(double span, int parts)
{
    const double raw = span / parts;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}

// Decimals that write every multiple of `step` exactly.
int decimalsOf(double step) { return std::clamp(int(std::ceil(-std::log10(step) - 1e-9)), 0, 6); }

// Working voltage, the one-minute test, clearance, creepage, through insulation.
constexpr const char* Columns[] = {
    QT_TRANSLATE_NOOP("kelvora::InsulationTableModel", "Secundário"),
    QT_TRANSLATE_NOOP("kelvora::InsulationTableModel", "U trab. (V)"),
    QT_TRANSLATE_NOOP("kelvora::InsulationTableModel", "Ensaio (V)"),
    QT_TRANSLATE_NOOP("kelvora::InsulationTableModel", "Ar (mm)"),
    QT_TRANSLATE_NOOP("kelvora::InsulationTableModel", "Escoam. (mm)"),
    QT_TRANSLATE_NOOP("kelvora::InsulationTableModel", "Através (mm)")};
constexpr const char* ColumnTips[] = {
    QT_TRANSLATE_NOOP("kelvora::InsulationTableModel", "Secundário isolado do primário"),
    QT_TRANSLATE_NOOP("kelvora::InsulationTableModel",
                      "Tensão de trabalho entre o primário e o secundário na rede alta"),
    QT_TRANSLATE_NOOP("kelvora::InsulationTableModel",
                      "Tensão do ensaio de isolação, aplicada por um minuto"),
    QT_TRANSLATE_NOOP("kelvora::InsulationTableModel",
                      "Distância mínima no ar entre os dois circuitos"),
    QT_TRANSLATE_NOOP("kelvora::InsulationTableModel",
                      "Distância mínima de escoamento, pela superfície da isolação"),
    QT_TRANSLATE_NOOP("kelvora::InsulationTableModel",
                      "Espessura mínima da isolação reforçada em camadas finas")};

} // namespace

// ---- the plot ----------------------------------------------------------------

NoLoadPlot::NoLoadPlot(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PBCoVazio"));
    setAccessibleName(tx("Corrente em vazio contra a tensão da rede"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void NoLoadPlot::setContent(Content c)
{
    if (c == content_)
        return;
    content_ = std::move(c);
    update();
}

void NoLoadPlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    const Content& c = content_;
    if (c.curve.size() < 2)
        return;
    double top = std::max(c.limitA, c.high.amps);
    for (const NoLoadPoint& q : c.curve)
        top = std::max(top, q.amps);
    const double x0 = c.curve.front().volts, x1 = c.curve.back().volts;
    if (!std::isfinite(top) || !(top > 0) || !(x1 > x0))
        return;

    // Axes: round steps, the current from zero.
    const QFontMetrics fm = p.fontMetrics();
    const double yStep = niceStep(top, 4);
    const double yTop = std::ceil(top * 1.05 / yStep) * yStep;
    const int yDecimals = decimalsOf(yStep);
    const double xStep = niceStep(x1 - x0, 5);
    const int xDecimals = decimalsOf(xStep);
    const int left = fm.horizontalAdvance(num(yTop, yDecimals, c.separator)) + 10;
    const QRectF area(left, fm.height() + 6, width() - left - 12, height() - 3 * fm.height() - 14);
    if (area.width() < 20 || area.height() < 20)
        return;
    auto at = [&](double v, double a) {
        return QPointF(area.left() + (v - x0) / (x1 - x0) * area.width(),
                       area.bottom() - a / yTop * area.height());
    };

    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor grid = palette().mid().color();
    p.setPen(QPen(grid, 0, Qt::DotLine));
    for (double y = yStep; y <= yTop * (1 + 1e-9); y += yStep)
        p.drawLine(at(x0, y), at(x1, y));
    for (double x = std::ceil(x0 / xStep) * xStep; x <= x1 * (1 + 1e-9); x += xStep)
        p.drawLine(at(x, 0), at(x, yTop));
    p.setPen(palette().text().color());
    p.drawRect(area);
    for (double y = 0; y <= yTop * (1 + 1e-9); y += yStep) {
        const QPointF q = at(x0, y);
        p.drawText(QRectF(0, q.y() - fm.height() / 2.0, left - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, num(y, yDecimals, c.separator));
    }
    for (double x = std::ceil(x0 / xStep) * xStep; x <= x1 * (1 + 1e-9); x += xStep) {
        const QPointF q = at(x, 0);
        p.drawText(QRectF(q.x() - 40, area.bottom() + 3, 80, fm.height()), Qt::AlignCenter,
                   num(x, xDecimals, c.separator));
    }
    p.drawText(QRectF(area.left(), area.bottom() + 3 + fm.height(), area.width(), fm.height()),
               Qt::AlignCenter, tr("Tensão da rede (V)"));
    p.drawText(QRectF(area.left(), 2, area.width(), fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
               tr("Corrente em vazio (A)"));

    p.setRenderHint(QPainter::Antialiasing, true);
    p.save();
    p.setClipRect(area);
    // The limit of ECoImagMax.
    if (c.limitA > 0) {
        p.setPen(QPen(QColor(0xC0, 0, 0), 1.2, Qt::DashLine));
        p.drawLine(at(x0, c.limitA), at(x1, c.limitA));
    }
    QPainterPath path(at(c.curve.front().volts, c.curve.front().amps));
    for (const NoLoadPoint& q : c.curve)
        path.lineTo(at(q.volts, std::min(q.amps, 2 * yTop))); // beyond the top: clipped
    p.setPen(QPen(QColor(0, 0, 0x90), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();

    // The two points, named beside them.
    // The nominal point named below the curve, the high line's above it: the
    // two points sit close together.
    auto mark = [&](const NoLoadPoint& q, const QColor& fill, const QString& name, bool below) {
        const QPointF m = at(q.volts, q.amps);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(fill);
        p.drawEllipse(m, 4, 4);
        p.setBrush(Qt::NoBrush);
        const double w = fm.horizontalAdvance(name);
        const double x = m.x() + 6 + w < area.right() ? m.x() + 6 : m.x() - 6 - w;
        const double y = below ? m.y() + 3 : m.y() - fm.height() - 3;
        p.drawText(QRectF(x, y, w + 1, fm.height()), Qt::AlignLeft | Qt::AlignVCenter, name);
    };
    mark(c.nominal, Qt::black, tr("nominal"), true);
    mark(c.high, c.highGood ? QColor(0, 0xC0, 0) : QColor(0xE0, 0, 0), tr("rede alta"),
         false);
}

// ---- the insulation table ----------------------------------------------------

void InsulationTableModel::setRows(const std::vector<InsulationRow>& rows, bool reinforced,
                                   char separator)
{
    std::vector<std::vector<QString>> cells;
    for (const InsulationRow& r : rows) {
        std::vector<QString> c = {r.secondaryWords.empty() ? text(r.secondary)
                                                           : shownWords(r.secondaryWords),
                                  num(r.workingV, 1, separator)};
        if (r.aboveTable) {
            c.insert(c.end(), {tr("acima da tabela"), QStringLiteral("-"),
                               QStringLiteral("-"), QStringLiteral("-")});
        } else {
            c.insert(c.end(),
                     {num(r.testV, 0, separator), num(r.clearanceMm, 1, separator),
                      num(r.creepageMm, 1, separator),
                      r.throughMm ? num(*r.throughMm, 2, separator) : QStringLiteral("-")});
        }
        cells.push_back(std::move(c));
    }
    if (cells.size() != cells_.size() || reinforced != reinforced_) {
        beginResetModel();
        cells_ = std::move(cells);
        reinforced_ = reinforced;
        endResetModel();
        return;
    }
    for (std::size_t r = 0; r < cells.size(); ++r)
        if (cells[r] != cells_[r]) {
            cells_[r] = std::move(cells[r]);
            emit dataChanged(index(int(r), 0), index(int(r), columnCount() - 1));
        }
}

const QString& InsulationTableModel::cell(int row, int column) const
{
    return cells_[std::size_t(row)][std::size_t(column)];
}

int InsulationTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(cells_.size());
}

int InsulationTableModel::columnCount(const QModelIndex& parent) const
{
    // The distance through insulation is asked for reinforced insulation only.
    return parent.isValid() ? 0 : reinforced_ ? 6 : 5;
}

QVariant InsulationTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(index.column() == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant InsulationTableModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::ToolTipRole)
        return tr(ColumnTips[section]);
    if (role != Qt::DisplayRole)
        return {};
    return tr(Columns[section]);
}

// ---- the group ---------------------------------------------------------------

PainelRede::PainelRede(QWidget* parent) : QGroupBox(tx(" Rede "), parent)
{
    setObjectName(QStringLiteral("GBCoRede"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 6, 8, 8);
    row->setSpacing(10);

    // 1. Nominal and high line side by side.
    auto* figures = new QVBoxLayout;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    grid->addWidget(makeLabel(this, tx("Nominal")), 0, 1, Qt::AlignRight);
    LCoRedeAlta = makeLabel(this, tx("Rede alta"), "LCoRedeAlta");
    grid->addWidget(LCoRedeAlta, 0, 2, Qt::AlignRight);
    const struct {
        const char* caption;
        const char* nominal;
        const char* high;
        const char* unit;
    } rows[] = {
        {QT_TRANSLATE_NOOP("kelvora", "Indução:"), "LCoRedeB", "LCoRedeBAlta", "Gauss"},
        {QT_TRANSLATE_NOOP("kelvora", "Corrente em vazio:"), "LCoImag", "LCoImagAlta", "A"},
        {QT_TRANSLATE_NOOP("kelvora", "Da corrente a plena carga:"), "LCoImagPct", "LCoImagPctAlta",
         "%"},
        {QT_TRANSLATE_NOOP("kelvora", "Perda em vazio:"), "LCoP0", "LCoP0Alta", "W"},
    };
    int r = 1;
    for (const auto& f : rows) {
        grid->addWidget(makeLabel(this, QString::fromUtf8(f.caption)), r, 0);
        for (int column = 1; column <= 2; ++column) {
            QLabel* value = makeResultField(this, column == 1 ? f.nominal : f.high, 70, 18);
            // A fixed size: a new figure repaints its label and lays nothing out again.
            value->setFixedWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0000000"))
                                 + 8);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(value, r, column);
        }
        grid->addWidget(makeLabel(this, QString::fromUtf8(f.unit)), r, 3);
        ++r;
    }
    figures->addLayout(grid);
    // The fuse lines as wide as their longest texts: a new rating lays nothing out again.
    QLabel* fuse = makeResultField(this, "LCoFusivel", 200, 18);
    fuse->setFixedWidth(fuse->fontMetrics().horizontalAdvance(
                            QString::fromUtf8("Fusível do primário: 12,5 A retardado"))
                        + 12);
    figures->addWidget(fuse);
    QLabel* series = makeLabel(this, QString(), "LCoFusivelSerie");
    series->setFixedSize(series->fontMetrics().horizontalAdvance(QString::fromUtf8(
                             "Com os primários em série: acima de 16 A retardado"))
                             + 12,
                         series->fontMetrics().height() + 2);
    figures->addWidget(series);
    // The note stays in its place, empty when there is none: it comes and goes
    // as the flux crosses the curve's end, and that lays nothing out again.
    QLabel* note = makeLabel(this, QString(), "LCoRedeNota");
    note->setStyleSheet(QStringLiteral("color: #800000"));
    note->setFixedSize(note->fontMetrics().horizontalAdvance(
                           QString::fromUtf8("Nota: indução acima da curva do aço"))
                           + 12,
                       note->fontMetrics().height() + 2);
    figures->addWidget(note);
    // 3. The knee, seen: under the figures it explains, so the group is no
    // wider than a 1366 px screen's window holds beside the settings.
    plot_ = new NoLoadPlot(this);
    figures->addWidget(plot_, 1);
    row->addLayout(figures, 3);

    // 2. The insulation between the primary and each secondary.
    auto* insulation = new QVBoxLayout;
    insulation->addWidget(makeLabel(this, QString(), "LCoIsolacao"));
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("TVCoIsolacao"));
    table_->setAccessibleName(tx("Isolação entre primário e secundários"));
    model_ = new InsulationTableModel(table_);
    table_->setModel(model_);
    // As wide as its columns once they have their texts (new rows or columns only).
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        table_->resizeColumnsToContents();
        const int frame = 2 * table_->frameWidth();
        table_->setMinimumWidth(table_->horizontalHeader()->length() + frame + 2);
    });
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setMinimumHeight(90);
    insulation->addWidget(table_, 1);
    QLabel* norm = makeLabel(this, QString::fromUtf8(Iec61558Note), "LCoNormaIsol");
    norm->setStyleSheet(QStringLiteral("color: #800000"));
    insulation->addWidget(norm);
    row->addLayout(insulation, 5);
}

QLabel* PainelRede::label(const char* name) const
{
    return findChild<QLabel*>(QString::fromLatin1(name));
}

void PainelRede::setContent(const Analysis& a, const ConstructionSettings& set, char separator)
{
    if (!a.mains)
        return;
    const MainsChecks& m = *a.mains;
    auto put = [&](const char* name, const QString& s) {
        if (QLabel* l = label(name); l && l->text() != s)
            l->setText(s);
    };
    auto pct = [&](const std::optional<double>& v) {
        return v ? num(*v, 1, separator) : QStringLiteral("-");
    };
    put("LCoRedeAlta", tr("Rede alta (+%1 %)").arg(num(m.tolerancePct, 1, separator)));
    put("LCoRedeB", num(m.bGauss, 0, separator));
    put("LCoRedeBAlta", num(m.bHighGauss, 0, separator));
    put("LCoImag", num(m.iMagA, 3, separator));
    put("LCoImagAlta", num(m.iMagHighA, 3, separator));
    put("LCoImagPct", pct(m.iMagPct));
    put("LCoImagPctAlta", pct(m.iMagHighPct));
    put("LCoP0", num(m.p0W, 2, separator));
    put("LCoP0Alta", num(m.p0HighW, 2, separator));
    put("LCoFusivel", shownWords(fuseWords(m, separator)));
    QString series;
    if (m.halves)
        series = m.fuseSeriesA ? tr("Com os primários em série: %1 A retardado")
                                     .arg(text(general(*m.fuseSeriesA, separator)))
                               : tr("Com os primários em série: acima de 16 A retardado");
    put("LCoFusivelSerie", series);
    label("LCoFusivelSerie")->setVisible(m.halves);
    QString notes;
    for (const ShownText& n : m.noteWords)
        notes += (notes.isEmpty() ? QString() : QStringLiteral("; "))
                 + shownWords(
                     say(KELVORA_WORDS("Construction", "Nota: %1"), {inInstalledLanguage(n)}));
    put("LCoRedeNota", notes);
    put("LCoIsolacao", m.reinforced ? tr("Isolação reforçada (IEC 61558-1):")
                                    : tr("Isolação básica (IEC 61558-1):"));
    model_->setRows(m.insulation, m.reinforced, separator);

    NoLoadPlot::Content c;
    c.curve = noLoadCurve(a, set);
    c.nominal = {a.primaryVolts, m.iMagA};
    c.high = {a.primaryVolts * (1 + m.tolerancePct / 100), m.iMagHighA};
    c.limitA = set.noLoadMaxPct / 100 * a.primaryAmps;
    c.highGood = !m.iMagHighPct || *m.iMagHighPct <= set.noLoadMaxPct;
    c.separator = separator;
    plot_->setContent(std::move(c));
}

} // namespace kelvora

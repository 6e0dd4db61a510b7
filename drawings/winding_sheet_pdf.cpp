#include "winding_sheet_pdf.h"

#include "lamination_drawing.h"
#include "nucleo.h"
#include "nucleo_labels.h"
#include "report_file.h"
#include "ui_core_drawing.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace kelvora {

namespace {

constexpr double MarginMm = 15;
constexpr double TextPoints = 9;
// The part of the core window the drawing and its labels occupy.
const QRectF laminationArea(16, 56, 752, 428);

double mm(const QPaintDevice& d, double v) { return v * d.logicalDpiY() / 25.4; }

QFont textFont(bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setPointSizeF(TextPoints);
    f.setBold(bold);
    return f;
}

// The lamination with its dimension labels, placed as the core window places them.
void paintLaminationWithLabels(QPainter& p, const QRectF& target, const SheetPages& s)
{
    const double scale = std::min(target.width() / laminationArea.width(),
                                  target.height() / laminationArea.height());
    p.save();
    p.translate(target.center());
    p.scale(scale, scale);
    p.translate(-laminationArea.center());
    p.setRenderHint(QPainter::Antialiasing);
    paintLamination(p);

    Settings cfg;
    cfg.decimalSeparator = s.separator;
    // Label1..Label19, whatever order the labels are written in.
    std::array<QString, 19> texts;
    for (const auto& [name, text] : VisNucleoLabels(float(s.b), float(s.a), cfg))
        if (name.rfind("Label", 0) == 0)
            if (const int k = std::atoi(name.c_str() + 5); k >= 1 && k <= 19)
                texts[std::size_t(k - 1)] = QString::fromStdString(text);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10); // window pixels: the painter's scale takes them to the page
    p.setFont(f);
    const QFontMetricsF fm(f);
    std::array<int, 19> widths{};
    for (std::size_t i = 0; i < texts.size(); ++i)
        widths[i] = int(std::ceil(fm.horizontalAdvance(texts[i])));
    const NucleoLabelLayout layout = layoutNucleoLabels(widths, 789);
    p.setPen(QColor::fromRgb(lamination::dimensionInk));
    for (const QLineF& l : layout.leaders)
        p.drawLine(l);
    p.setPen(Qt::black);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        p.fillRect(layout.rects[i], Qt::white);
        p.drawText(layout.rects[i], Qt::AlignCenter, texts[i]);
    }
    p.restore();
}

void paintDrawingPage(QPainter& p, const QPagedPaintDevice& d, const SheetPages& s)
{
    const double margin = mm(d, MarginMm);
    const QRectF page(margin, margin, d.width() - 2 * margin, d.height() - 2 * margin);
    p.setFont(textFont(true));
    const double line = QFontMetricsF(p.font(), const_cast<QPagedPaintDevice*>(&d)).lineSpacing();
    double y = page.top();
    p.drawText(QPointF(page.left(), y + line), QString::fromStdString(s.captions.section));
    y += 1.5 * line;
    const QRectF section(page.left(), y, page.width(), page.height() * 0.45);
    paintCrossSection(p, section, s.section);
    y = section.bottom() + line;
    p.setFont(textFont());
    if (s.section.analysis)
        p.drawText(QPointF(page.left(), y),
                   QString::fromStdString(s.captions.fill)
                       .arg(QString::fromStdString(
                           fixed(s.section.analysis->fillPct, 15, 1, s.separator))));
    y += 2 * line;
    p.setFont(textFont(true));
    // The core the analysis wound on: a U/I is drawn to scale with its own window.
    const construction::Core& core = s.section.analysis->core;
    const bool ui = core.family == construction::CoreFamily::UI;
    p.drawText(QPointF(page.left(), y), QString::fromStdString(ui ? s.captions.uiCore
                                                                     : s.captions.lamination));
    y += line;
    const QRectF drawing(page.left(), y, page.width(), page.bottom() - y);
    if (ui) {
        Settings cfg;
        cfg.decimalSeparator = s.separator;
        // Drawn in the core window's pixels, scaled to the page.
        const QRectF window(0, 0, 729, 341);
        const double scale = std::min(drawing.width() / window.width(),
                                      drawing.height() / window.height());
        p.save();
        p.translate(drawing.center());
        p.scale(scale, scale);
        p.translate(-window.center());
        paintUICore(p, window, core, cfg);
        p.restore();
    } else {
        paintLaminationWithLabels(p, drawing, s);
    }
}

// The sheet's lines as they fit `width`: a line too long is broken after the
// last blank that fits, and its rest continues under it, indented two places
// more than the line began; a word longer than the whole width is cut.
QStringList wrapLines(const QStringList& lines, const QFontMetricsF& fm, double width)
{
    QStringList out;
    for (const QString& line : lines) {
        if (fm.horizontalAdvance(line) <= width) {
            out << line;
            continue;
        }
        qsizetype indent = 0;
        while (indent < line.size() && line.at(indent) == u' ')
            ++indent;
        const QString lead(indent + 2, u' ');
        QString rest = line;
        bool first = true;
        while (!rest.isEmpty()) {
            const QString head = first ? QString() : lead;
            const QString all = head + rest;
            if (fm.horizontalAdvance(all) <= width) {
                out << all;
                break;
            }
            // The longest part that fits, then back to its last blank.
            qsizetype fit = 0;
            while (fit < rest.size() && fm.horizontalAdvance(head + rest.left(fit + 1)) <= width)
                ++fit;
            qsizetype cut = rest.lastIndexOf(u' ', fit);
            while (cut > 0 && rest.at(cut - 1) == u' ')
                --cut;
            if (cut <= 0 || rest.left(cut).trimmed().isEmpty())
                cut = std::max<qsizetype>(fit, 1);
            out << head + rest.left(cut);
            rest = rest.mid(cut);
            while (rest.startsWith(u' '))
                rest.remove(0, 1);
            first = false;
        }
    }
    return out;
}

} // namespace

int paintWindingSheet(QPagedPaintDevice& device, const SheetPages& s)
{
    QPainter p;
    if (!p.begin(&device))
        return 0;
    const double margin = mm(device, MarginMm);
    const QFont font = textFont();
    p.setFont(font);
    const QFontMetricsF fm(font, &device);
    const double usable = device.height() - 2 * margin;
    const int perPage = std::max(1, int(usable / fm.lineSpacing()));

    QStringList lines = QString::fromStdString(s.text).split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    lines = wrapLines(lines, fm, device.width() - 2 * margin);
    int pages = 0;
    for (int first = 0; first < lines.size(); first += perPage) {
        if (pages++ > 0)
            device.newPage();
        for (int i = first; i < std::min<int>(lines.size(), first + perPage); ++i)
            p.drawText(QPointF(margin, margin + fm.ascent() + (i - first) * fm.lineSpacing()),
                       lines[i]);
    }
    if (s.section.analysis && !s.section.analysis->error) {
        if (pages++ > 0)
            device.newPage();
        paintDrawingPage(p, device, s);
    }
    p.end();
    return pages;
}

std::optional<QString> writeWindingSheetPdf(const QString& path, const SheetPages& pages,
                                            QPageSize::PageSizeId size)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(size));
        writer.setResolution(300);
        writer.setTitle(QString::fromStdString(pages.captions.title));
        writer.setCreator(QStringLiteral("Kelvora"));
        if (paintWindingSheet(writer, pages) == 0)
            return fileText(QT_TRANSLATE_NOOP("FileError", "Não foi possível desenhar a folha de "
                                                           "enrolamento em PDF."));
    }
    return writeReportBytes(path, buffer.data(),
                            fileText(
                                QT_TRANSLATE_NOOP("FileError", "a folha de enrolamento em PDF")));
}

} // namespace kelvora

#include "glyph_text.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextLayout>

#include <cmath>
#include <optional>

namespace kelvora {

namespace {

// Samples for the check: figures and verdict lines of the kind the window
// shows, in both decimal separators.
const char16_t* const samples[] = {
    u"0123456789",
    u"-98,76 %",
    u"+1.234,5",
    u"100000,000",
    u"7,12",
    u"O enrolamento cabe na janela (65,7 % ocupados)",
    u"Elevação de temperatura 32.9 K: dentro da classe",
    u"Indução real 10328,5 G acima do Bmax escolhido",
};

} // namespace

bool GlyphText::useFont(const QFont& font)
{
    if (font == font_ && raw_.isValid())
        return fontUsable_;
    font_ = font;
    glyphs_.clear();
    pairs_.clear();
    checked_.clear();
    raw_ = QRawFont::fromFont(font);
    fontUsable_ = raw_.isValid();
    const QFontMetricsF fm(font);
    ascent_ = fm.ascent();
    descent_ = fm.descent();
    return fontUsable_;
}

const GlyphText::Glyph* GlyphText::glyph(QChar c)
{
    auto it = glyphs_.constFind(c.unicode());
    if (it == glyphs_.constEnd()) {
        Glyph g;
        // Latin text only, one code unit per character, no combining marks.
        if (c.unicode() >= 0x20 && c.unicode() < 0x250 && !c.isMark() && c.isPrint()) {
            quint32 index = 0;
            int count = 1;
            if (raw_.glyphIndexesForChars(&c, 1, &index, &count) && count == 1 && index != 0) {
                QPointF advance;
                if (raw_.advancesForGlyphIndexes(&index, &advance, 1, QRawFont::SeparateAdvances)) {
                    g.index = index;
                    g.advance = advance.x();
                }
            }
        }
        it = glyphs_.insert(c.unicode(), g);
    }
    return it->index ? &*it : nullptr;
}

bool GlyphText::alone(QChar a, QChar b)
{
    const quint32 key = (quint32(a.unicode()) << 16) | b.unicode();
    auto it = pairs_.constFind(key);
    if (it != pairs_.constEnd())
        return *it;
    // By value: looking up b may add it to the cache and move a's entry.
    const Glyph* pa = glyph(a);
    const std::optional<Glyph> ga = pa ? std::optional<Glyph>(*pa) : std::nullopt;
    const Glyph* gb = glyph(b);
    bool ok = false;
    if (ga && gb) {
        QTextLayout layout(QString(a) + b, font_);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        if (runs.size() == 1) {
            const QList<quint32> indexes = runs[0].glyphIndexes();
            const QList<QPointF> at = runs[0].positions();
            ok = indexes == QList<quint32>{ga->index, gb->index} && at.size() == 2
                 && std::abs(at[1].x() - at[0].x() - ga->advance) < 1.0 / 256;
        }
    }
    pairs_.insert(key, ok);
    return ok;
}

bool GlyphText::shapesAlone(const QString& text)
{
    if (text.isEmpty() || text.size() > 120 || !glyph(text[0]))
        return false;
    for (qsizetype i = 1; i < text.size(); ++i)
        if (!alone(text[i - 1], text[i]))
            return false;
    return true;
}

bool GlyphText::fits(const QString& text, const QRect& rect)
{
    // drawText clips a text wider than its box; a glyph run would not.
    qreal width = 0;
    for (QChar c : text)
        width += glyph(c)->advance;
    return width <= rect.width();
}

void GlyphText::drawRun(QPainter& p, const QRect& rect, Qt::AlignmentFlag align,
                        const QString& text)
{
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(text.size());
    positions.reserve(text.size());
    qreal x = 0;
    for (QChar c : text) {
        const Glyph* g = glyph(c);
        indexes.push_back(g->index);
        positions.push_back(QPointF(x, 0));
        x += g->advance;
    }
    QGlyphRun run;
    run.setRawFont(raw_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    // As drawText places one line: at the box's edge or centred in it, and the
    // line's height (ascent and descent) centred in the box.
    // Centred, the half of an odd 1/64 pixel is dropped, as QTextLine takes its
    // position (QFixed, in 1/64 pixel, cut towards zero).
    const qreal left = align == Qt::AlignRight ? rect.x() + rect.width() - x
                       : align == Qt::AlignHCenter
                           ? std::trunc((rect.x() + (rect.width() - x) / 2) * 64) / 64
                           : rect.x();
    const qreal baseline = rect.y() + (rect.height() - (ascent_ + descent_)) / 2 + ascent_;
    p.drawGlyphRun(QPointF(left, baseline), run);
}

bool GlyphText::verified(QPainter& p, const QRect& rect, Qt::AlignmentFlag align)
{
    const qreal dpr = p.device() ? p.device()->devicePixelRatio() : 1.0;
    const quint64 key = (quint64(std::lround(dpr * 1000)) << 32)
                        | (quint64(rect.height() & 0xffff) << 8) | quint64(align == Qt::AlignRight);
    if (auto it = checked_.constFind(key); it != checked_.constEnd())
        return *it;
    // Both ways onto white, in black, at the painter's scale: the same pixels or
    // drawText from now on for such a box.
    const QRect box(2, 0, 400, rect.height());
    bool same = true;
    int compared = 0;
    for (const char16_t* sample : samples) {
        const QString text = QString::fromUtf16(sample);
        if (!shapesAlone(text))
            continue;
        QImage a(QSize(box.right() + 4, box.height()) * dpr, QImage::Format_ARGB32_Premultiplied);
        a.setDevicePixelRatio(dpr);
        a.fill(Qt::white);
        QImage b = a;
        {
            QPainter q(&a);
            q.setFont(font_);
            q.setPen(Qt::black);
            q.drawText(box, int(align | Qt::AlignVCenter | Qt::TextSingleLine), text);
        }
        {
            QPainter q(&b);
            q.setFont(font_);
            q.setPen(Qt::black);
            drawRun(q, box, align, text);
        }
        ++compared;
        if (a != b) {
            same = false;
            break;
        }
    }
    same = same && compared > 0;
    checked_.insert(key, same);
    return same;
}

void GlyphText::draw(QPainter& p, const QRect& rect, Qt::AlignmentFlag align, const QString& text)
{
    // Only in whole pixels: a painter scaled or moved by a fraction of a pixel
    // (a printer, a PDF) places glyphs differently from the samples.
    const QTransform& t = p.transform();
    const bool plain = t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx())
                       && t.dy() == std::floor(t.dy());
    if (plain && useFont(p.font()) && shapesAlone(text) && fits(text, rect)
        && verified(p, rect, align)) {
        drawRun(p, rect, align, text);
        ++runs_;
        return;
    }
    p.drawText(rect, int(align | Qt::AlignVCenter | Qt::TextSingleLine), text);
    ++fallbacks_;
}

void GlyphLabel::paintEvent(QPaintEvent* e)
{
    const Qt::Alignment a = alignment();
    const Qt::AlignmentFlag h = a == (Qt::AlignRight | Qt::AlignVCenter)     ? Qt::AlignRight
                                : a == (Qt::AlignLeft | Qt::AlignVCenter)    ? Qt::AlignLeft
                                : a == (Qt::AlignHCenter | Qt::AlignVCenter) ? Qt::AlignHCenter
                                                                             : Qt::AlignJustify;
    if (h == Qt::AlignJustify || wordWrap() || !isEnabled() || layoutDirection() != Qt::LeftToRight
        || textFormat() != Qt::PlainText || text().isEmpty()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    drawFrame(&p);
    // QLabel's box for its text: the contents less the margin, and, with a
    // frame and no indent set, half an 'x' in from the edge it is aligned to.
    QRect box = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int in = indent();
    if (in < 0 && frameWidth())
        in = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (in > 0 && h == Qt::AlignRight)
        box.setRight(box.right() - in);
    if (in > 0 && h == Qt::AlignLeft)
        box.setLeft(box.left() + in);
    // The style's pen for a label's text.
    p.setPen(QPen(palette().brush(foregroundRole()), p.pen().widthF()));
    glyphs_.draw(p, box, h, text());
}

} // namespace kelvora

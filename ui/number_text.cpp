#include "number_text.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace kelvora {

namespace {

const char16_t numberChars[] = u"0123456789,.-+% ";

int charIndex(QChar c)
{
    for (int i = 0; numberChars[i]; ++i)
        if (c.unicode() == numberChars[i])
            return i;
    return -1;
}

// Samples for the check: every character of a number, next to each other and
// in the lengths a table shows.
const char* const samples[] = {"0123456789", "-98,76 %", "+1.234,5", "100000,000", "7,12", "47 %", "3,1"};

} // namespace

bool NumberText::isNumber(const QString& text)
{
    if (text.isEmpty() || text.size() > 40)
        return false;
    for (QChar c : text)
        if (charIndex(c) < 0)
            return false;
    return true;
}

bool NumberText::useFont(const QFont& font)
{
    if (font == font_ && raw_.isValid())
        return fontUsable_;
    font_ = font;
    checked_.clear();
    raw_ = QRawFont::fromFont(font);
    fontUsable_ = raw_.isValid();
    if (!fontUsable_)
        return false;
    const QString all = QString::fromUtf16(numberChars);
    const QList<quint32> glyphs = raw_.glyphIndexesForString(all);
    const QList<QPointF> advances = raw_.advancesForGlyphIndexes(glyphs, QRawFont::SeparateAdvances);
    if (glyphs.size() != Chars || advances.size() != Chars)
        return fontUsable_ = false;
    for (int i = 0; i < Chars; ++i) {
        // A character missing from the font is drawn by a fallback font: not here.
        if (glyphs[i] == 0)
            return fontUsable_ = false;
        glyphs_[std::size_t(i)] = glyphs[i];
        advances_[std::size_t(i)] = advances[i].x();
    }
    const QFontMetricsF fm(font);
    ascent_ = fm.ascent();
    descent_ = fm.descent();
    return true;
}

void NumberText::drawRun(QPainter& p, const QRect& rect, Qt::AlignmentFlag align, const QString& text)
{
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(text.size());
    positions.reserve(text.size());
    qreal x = 0;
    for (QChar c : text) {
        const std::size_t i = std::size_t(charIndex(c));
        glyphs.push_back(glyphs_[i]);
        positions.push_back(QPointF(x, 0));
        x += advances_[i];
    }
    QGlyphRun run;
    run.setRawFont(raw_);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    // As drawText places one line: the box's edge, and the line's height
    // (ascent and descent) centred in the box.
    const qreal left = align == Qt::AlignRight ? rect.x() + rect.width() - x : rect.x();
    const qreal baseline = rect.y() + (rect.height() - (ascent_ + descent_)) / 2 + ascent_;
    p.drawGlyphRun(QPointF(left, baseline), run);
}

bool NumberText::verified(QPainter& p, const QRect& rect, Qt::AlignmentFlag align)
{
    const qreal dpr = p.device() ? p.device()->devicePixelRatio() : 1.0;
    const quint64 key = (quint64(std::lround(dpr * 1000)) << 32) | (quint64(rect.height() & 0xffff) << 8)
                        | quint64(align == Qt::AlignRight);
    if (auto it = checked_.constFind(key); it != checked_.constEnd())
        return *it;
    // Both ways onto white, in black, at the painter's scale: the same pixels or
    // drawText from now on for this box.
    const QRect box(2, 0, 120, rect.height());
    bool same = true;
    for (const char* sample : samples) {
        const QString text = QString::fromLatin1(sample);
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
        if (a != b) {
            same = false;
            break;
        }
    }
    checked_.insert(key, same);
    return same;
}

void NumberText::draw(QPainter& p, const QRect& rect, Qt::AlignmentFlag align, const QString& text)
{
    // Only in whole pixels: a painter scaled or moved by a fraction of a pixel
    // (a printer, a PDF) places glyphs differently from the samples.
    const QTransform& t = p.transform();
    const bool plain = t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx())
                       && t.dy() == std::floor(t.dy());
    if (plain && isNumber(text) && useFont(p.font()) && verified(p, rect, align)) {
        drawRun(p, rect, align, text);
        ++runs_;
        return;
    }
    p.drawText(rect, int(align | Qt::AlignVCenter | Qt::TextSingleLine), text);
    ++fallbacks_;
}

void FigureLabel::paintEvent(QPaintEvent* e)
{
    const QString& shown = text();
    if (alignment() != (Qt::AlignRight | Qt::AlignVCenter) || wordWrap() || !isEnabled()
        || layoutDirection() != Qt::LeftToRight || !NumberText::isNumber(shown)) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    drawFrame(&p);
    // QLabel's box for its text: the contents less the margin, and, with a
    // frame and no indent set, half an 'x' in from the right.
    QRect box = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int in = indent();
    if (in < 0 && frameWidth())
        in = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (in > 0)
        box.setRight(box.right() - in);
    // The style's pen for a label's text.
    p.setPen(QPen(palette().brush(foregroundRole()), p.pen().widthF()));
    numbers_.draw(p, box, Qt::AlignRight, shown);
}

} // namespace kelvora

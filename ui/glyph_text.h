#pragma once
// Short texts (figures, winding names, verdict lines) drawn as one run of glyphs taken
// straight from the font, without the text layout and shaping QPainter::drawText
// does for any text: that is about 40 % of a text's cost, and the Construção
// window redraws tens of figures on every keystroke. Used only where it gives
// the very pixels drawText gives: every character must have its own glyph in
// the font (no fallback font, no combining mark), every two neighbours must be
// shaped as their two glyphs side by side (no kerning, no ligature: checked once
// per pair with QTextLayout), and samples drawn both ways must match, checked
// once for each font, scale, box and alignment. Elsewhere drawText draws.
#include <QFont>
#include <QHash>
#include <QLabel>
#include <QRawFont>
#include <QString>

class QPainter;
class QRect;

namespace kelvora {

class GlyphText {
public:
    // Draws `text` as p.drawText(rect, align | Qt::AlignVCenter | Qt::TextSingleLine,
    // text) would, in the painter's font and pen; `align` is Qt::AlignLeft,
    // Qt::AlignRight or Qt::AlignHCenter.
    void draw(QPainter& p, const QRect& rect, Qt::AlignmentFlag align, const QString& text);

    // How many texts went the glyph-run way and how many through drawText (for tests).
    int runs() const { return runs_; }
    int fallbacks() const { return fallbacks_; }

private:
    struct Glyph {
        quint32 index = 0; // 0: not in the font
        qreal advance = 0;
    };
    bool useFont(const QFont& font);
    const Glyph* glyph(QChar c);
    bool alone(QChar a, QChar b);
    bool shapesAlone(const QString& text);
    bool fits(const QString& text, const QRect& rect); // after shapesAlone
    bool verified(QPainter& p, const QRect& rect, Qt::AlignmentFlag align);
    void drawRun(QPainter& p, const QRect& rect, Qt::AlignmentFlag align, const QString& text);

    QFont font_;
    bool fontUsable_ = false;
    QRawFont raw_;
    qreal ascent_ = 0, descent_ = 0;
    QHash<char16_t, Glyph> glyphs_;
    QHash<quint32, bool> pairs_;   // two characters -> shaped side by side
    QHash<quint64, bool> checked_; // scale, box height, alignment -> samples match
    int runs_ = 0, fallbacks_ = 0;
};

// A result label painted by GlyphText where it can: the same pixels as a
// QLabel's (one line, a frame, aligned left, right or centred), at a fraction
// of the cost; anything else is painted by QLabel itself.
class GlyphLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    const GlyphText& glyphs() const { return glyphs_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    GlyphText glyphs_;
};

} // namespace kelvora

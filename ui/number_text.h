#pragma once
// Short numbers ("12,345", "-0,51", "65,7 %") drawn as one run of glyphs taken
// straight from the font, without the text layout and shaping QPainter::drawText
// does for any text: that is about 40 % of a number's cost, and the windings
// table repaints tens of numbers on every keystroke. Used only where it gives
// the very pixels drawText gives, which is checked once for each font, scale,
// box height and alignment by drawing samples both ways; elsewhere drawText
// draws as before.
#include <QFont>
#include <QHash>
#include <QLabel>
#include <QRawFont>
#include <QString>

#include <array>

class QPainter;
class QRect;

namespace kelvora {

class NumberText {
public:
    // Draws `text` as p.drawText(rect, align | Qt::AlignVCenter | Qt::TextSingleLine,
    // text) would, in the painter's font and pen; `align` is Qt::AlignLeft or
    // Qt::AlignRight.
    void draw(QPainter& p, const QRect& rect, Qt::AlignmentFlag align, const QString& text);

    // Whether `text` can take the glyph run at all: only the characters of numbers.
    static bool isNumber(const QString& text);
    // How many texts went the glyph-run way and how many through drawText (for tests).
    int runs() const { return runs_; }
    int fallbacks() const { return fallbacks_; }

private:
    static constexpr int Chars = 16; // "0123456789,.-+% "
    bool useFont(const QFont& font);
    bool verified(QPainter& p, const QRect& rect, Qt::AlignmentFlag align);
    void drawRun(QPainter& p, const QRect& rect, Qt::AlignmentFlag align, const QString& text);

    QFont font_;
    bool fontUsable_ = false;
    QRawFont raw_;
    std::array<quint32, Chars> glyphs_{};
    std::array<qreal, Chars> advances_{};
    qreal ascent_ = 0, descent_ = 0;
    // (scale in 1/1000, box height, alignment) -> the glyph run gives drawText's pixels
    QHash<quint64, bool> checked_;
    int runs_ = 0, fallbacks_ = 0;
};

// A result label whose figure is painted by NumberText: the same pixels as a
// QLabel's (right-aligned, one line, a frame), at a third of the cost; any
// other text or alignment is painted by QLabel itself.
class FigureLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    const NumberText& numbers() const { return numbers_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    NumberText numbers_;
};

} // namespace kelvora

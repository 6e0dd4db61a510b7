#include "Unucleo.h"

#include "lamination_drawing.h"
#include "nucleo.h"
#include "scroll_window.h"
#include "ui_core_drawing.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kelvora {

// Each box sits on (or, for the short chain under the front view, just
// below) the dimension line it names; the drawing is laid out around them.
// The three overall lengths get the wider box: they carry the largest numbers.
const std::array<NucleoLabelSlot, 19> nucleoLabelSlots{{
    {168, 80, 38},       // Label1   3 Bn  front view, overall width
    {26, 190, 32},       // Label2   2 Bn  front view, height of the E
    {26, 302, 32},       // Label3   Bn/2  I bar
    {26, 376, 32},       // Label4   En    stack seen from below
    {72, 456, 32},       // Label5   Bn/2  outer leg
    {109, 456, 32},      // Label6   Bn/2  window
    {168, 456, 32},      // Label7   Bn    centre leg
    {222, 456, 32},      // Label8   Bn/2  window
    {261, 456, 32},      // Label9   Bn/2  outer leg
    {304, 216, 38},      // Label10  3 Bn  E stack, overall width
    {408, 64, 32},       // Label11  2 Bn  E stack, length along the top
    {536, 80, 32, true}, // Label12  En    E stack, stack height
    {556, 142, 32},      // Label13  Bn/2  E stack, upper leg
    {556, 240, 32},      // Label14  Bn    E stack, centre leg
    {556, 332, 32},      // Label15  Bn/2  E stack, lower leg
    {456, 368, 32},      // Label16  2 Bn  E stack, length along the bottom
    {616, 64, 32},       // Label17  Bn/2  I stack, thickness
    {688, 80, 32, true}, // Label18  En    I stack, stack height
    {704, 240, 38},      // Label19  3 Bn  I stack, length
}};

namespace {

const QString EINote = QStringLiteral("Considerado núcleo padrão EI onde as dimensões são \n"
                                      "baseadas na largura da perna central. Caso esteja \n"
                                      "utilizando outro tipo de núcleo ou formato não padrão as \n"
                                      "medidas podem diferir.");
const QString UINote = QStringLiteral("Núcleo U/I em escala: as duas pernas com a largura \n"
                                      "Bn; a janela c x h vem dos ajustes da construção \n"
                                      "(vazios: proporção sem retalho, c = Bn e h = 3 Bn). \n"
                                      "Medidas em mm.");

constexpr int textPadding = 4; // keeps digits off the label's edges
constexpr int windowMargin = 2;
constexpr int chainFirst = 4; // Label5..Label9: the chain under the front view
constexpr int chainCount = 5;
constexpr int chainRowPitch = nucleoLabelHeight + 1;
constexpr int leaderClearance = 3; // between a leader and the labels it passes

int clampLeft(int left, int width, int windowWidth)
{
    return std::clamp(left, windowMargin,
                      std::max(windowMargin, windowWidth - windowMargin - width));
}

bool chainOverlaps(const std::array<QRect, 19>& r)
{
    for (int i = chainFirst; i + 1 < chainFirst + chainCount; ++i)
        if (r[i].right() + 2 > r[i + 1].left())
            return true;
    return false;
}

// Nested rows: row k holds the k-th label from each end, pushed outwards so
// that the leaders of the inner labels (deeper rows) pass between them.
void stepChainDown(NucleoLabelLayout& out, int windowWidth)
{
    auto anchor = [](int i) { return qRound(lamination::chainMiddle(i)); };
    const int top0 = nucleoLabelSlots[chainFirst].top;
    for (int k = 0; 2 * k < chainCount; ++k) {
        const int i = k, j = chainCount - 1 - k;
        const int top = top0 + k * chainRowPitch;
        QRect& left = out.rects[chainFirst + i];
        QRect& right = out.rects[chainFirst + j];
        if (i == j) {
            left.moveTo(clampLeft(anchor(i) - left.width() / 2, left.width(), windowWidth), top);
            continue;
        }
        const int leftEnd = std::min(anchor(i) + left.width() / 2, anchor(i + 1) - leaderClearance);
        left.moveTo(clampLeft(leftEnd - left.width() + 1, left.width(), windowWidth), top);
        const int rightStart = std::max(anchor(j) - right.width() / 2,
                                        anchor(j - 1) + leaderClearance);
        right.moveTo(clampLeft(rightStart, right.width(), windowWidth), top);
    }
    for (int i = 0; i < chainCount; ++i) {
        const QRect& r = out.rects[chainFirst + i];
        out.leaders.emplace_back(QPointF(anchor(i), lamination::chainY),
                                 QPointF(anchor(i), r.top()));
    }
}

// The note's four lines are meant to be read whole, each on its line: a font
// wider than the one they were written for steps down until they fit.
void fitMemoFont(QPlainTextEdit* memo)
{
    const qreal inner = 2 * (memo->frameWidth() + memo->document()->documentMargin());
    QFont f = memo->font();
    for (int px = f.pixelSize(); px > 7; --px) {
        f.setPixelSize(px);
        const QFontMetrics m(f);
        int widest = 0;
        for (const QString& line : memo->toPlainText().split(QLatin1Char('\n')))
            widest = std::max(widest, m.horizontalAdvance(line));
        if (widest <= memo->width() - inner && 4 * m.lineSpacing() <= memo->height() - inner)
            break;
    }
    memo->setFont(f);
}

} // namespace

NucleoLabelLayout layoutNucleoLabels(const std::array<int, 19>& textWidths, int windowWidth)
{
    NucleoLabelLayout out;
    for (size_t i = 0; i < nucleoLabelSlots.size(); ++i) {
        const NucleoLabelSlot& s = nucleoLabelSlots[i];
        const int width = std::max(s.width, textWidths[i] + textPadding);
        const int left = width == s.width || s.growsRight ? s.left : s.left + (s.width - width) / 2;
        out.rects[i] = QRect(clampLeft(left, width, windowWidth), s.top, width, nucleoLabelHeight);
    }
    if (chainOverlaps(out.rects))
        stepChainDown(out, windowWidth);
    return out;
}

// The window's content at the design size: the leaders are painted under the
// drawing, which lies transparent on top.
class TFNucleo::Canvas : public QWidget {
public:
    Canvas(const TFNucleo* owner, QWidget* area) : QWidget(area), owner_(owner) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        owner_->paintLeaders(p);
    }

private:
    const TFNucleo* owner_;
};

TFNucleo::TFNucleo(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FNucleo"));
    setWindowTitle(QStringLiteral("Visualiza Núcleo"));
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);
    resize(789, 529);
    // The drawing and its labels keep their places: a smaller window scrolls.
    QWidget* area = scrolledContent(this);
    canvas_ = new Canvas(this, area);
    area->setMinimumSize(789, 529);
    auto* fill = new QVBoxLayout(area);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(canvas_);
    canvas_->resize(789, 529); // the labels are placed before the window is laid out
    QWidget* const on = canvas_;

    Image3 = new LaminationDrawing(on);
    Image3->setGeometry(
        QRectF(lamination::origin, QSizeF(lamination::extent.x(), lamination::extent.y()))
            .toRect());

    BitBtn1 = new QPushButton(QStringLiteral("Fecha Visualização"), on);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(304, 16, 153, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::hide);

    Memo1 = new QPlainTextEdit(on);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(456, 408, 281, 65);
    Memo1->setPlainText(EINote);
    // Disabled, so it takes no focus and no typing; still read in the normal ink.
    Memo1->setEnabled(false);
    ImgNucleoUI = new UICoreDrawing(on);
    ImgNucleoUI->setGeometry(Image3->geometry().adjusted(0, 0, 0, -76)); // above the note
    ImgNucleoUI->hide();
    QPalette ink = Memo1->palette();
    for (auto role : {QPalette::Text, QPalette::WindowText})
        ink.setColor(QPalette::Disabled, role, ink.color(QPalette::Active, role));
    Memo1->setPalette(ink);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fitMemoFont(Memo1);

    for (int i = 0; i < 19; ++i) {
        auto* l = new QLabel(on);
        l->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        l->setAlignment(Qt::AlignCenter);
        // Opaque, so a number that outgrows its box stays readable over the lines.
        l->setAutoFillBackground(true);
        labels_[i] = l;
    }
    placeLabels();
}

void TFNucleo::showFamily(bool ui)
{
    ui_ = ui;
    Image3->setVisible(!ui);
    for (QLabel* l : labels_)
        l->setVisible(!ui);
    ImgNucleoUI->setVisible(ui);
    const QString& note = ui ? UINote : EINote;
    if (Memo1->toPlainText() != note) {
        Memo1->setPlainText(note);
        Memo1->setFont(font()); // fitted afresh from the window's font
        fitMemoFont(Memo1);
    }
    canvas_->update();
}

void TFNucleo::VisNucleoUI(const construction::Core& core, char decimalSeparator)
{
    ImgNucleoUI->setCore(core, decimalSeparator);
    showFamily(true);
}

void TFNucleo::VisNucleo(float En, float Bn, char decimalSeparator)
{
    if (ui_)
        showFamily(false);
    Settings cfg;
    cfg.decimalSeparator = decimalSeparator;
    for (const auto& [name, text] : VisNucleoLabels(En, Bn, cfg))
        if (auto* l = findChild<QLabel*>(QString::fromStdString(name)))
            l->setText(QString::fromStdString(text));
    placeLabels();
}

void TFNucleo::placeLabels()
{
    std::array<int, 19> widths{};
    for (int i = 0; i < 19; ++i)
        widths[i] = labels_[i]->fontMetrics().horizontalAdvance(labels_[i]->text());
    const NucleoLabelLayout layout = layoutNucleoLabels(widths, canvas_->width());
    for (int i = 0; i < 19; ++i)
        labels_[i]->setGeometry(layout.rects[i]);
    leaders_ = layout.leaders;
    canvas_->update();
}

void TFNucleo::paintLeaders(QPainter& p) const
{
    if (leaders_.empty() || ui_)
        return;
    // Leaders of labels stepped off the chain; the transparent drawing lies on top.
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = QColor::fromRgb(lamination::dimensionInk);
    p.setPen(QPen(ink, 0.8));
    p.setBrush(ink);
    for (const QLineF& l : leaders_)
        p.drawEllipse(l.p1(), 1.6, 1.6);
    // Crisp one-pixel verticals: the anchors lie on whole pixels.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(ink, 1));
    for (const QLineF& l : leaders_)
        p.drawLine(l);
}

} // namespace kelvora

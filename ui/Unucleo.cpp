#include "Unucleo.h"

#include "drawing_widgets.h"
#include "form_helpers.h"
#include "language.h"
#include "nucleo.h"
#include "scroll_window.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kelvora {

namespace {

const char* const EINote =
    QT_TRANSLATE_NOOP("kelvora", "Considerado núcleo padrão EI onde as dimensões são \n"
                                 "baseadas na largura da perna central. Caso esteja \n"
                                 "utilizando outro tipo de núcleo ou formato não padrão as \n"
                                 "medidas podem diferir.");
const char* const UINote =
    QT_TRANSLATE_NOOP("kelvora", "Núcleo U/I em escala: as duas pernas com a largura \n"
                                 "Bn; a janela c x h vem dos ajustes da construção \n"
                                 "(vazios: proporção sem retalho, c = Bn e h = 3 Bn). \n"
                                 "Medidas em mm.");

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
    setWindowTitle(tx("Visualiza Núcleo"));
    setFormFont(this);
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

    BitBtn1 = new QPushButton(tx("Fecha Visualização"), on);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(304, 16, 153, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::hide);

    Memo1 = new QPlainTextEdit(on);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(456, 408, 281, 65);
    Memo1->setPlainText(trNow(EINote));
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
    // The note is the window's to write, in the language chosen now.
    connect(&LanguageChoice::instance(), &LanguageChoice::changed, this,
            [this] { showFamily(ui_); });
}

void TFNucleo::showFamily(bool ui)
{
    ui_ = ui;
    Image3->setVisible(!ui);
    for (QLabel* l : labels_)
        l->setVisible(!ui);
    ImgNucleoUI->setVisible(ui);
    const QString note = trNow(ui ? UINote : EINote);
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

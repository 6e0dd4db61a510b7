#include "drawing_widgets.h"

#include "language.h"

#include <QPainter>

namespace kelvora {

using namespace construction;

LaminationDrawing::LaminationDrawing(QWidget* parent) : Picture(parent)
{
    setObjectName(QStringLiteral("Image3"));
    // Transparent: the window's background shows between the lines.
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void LaminationDrawing::paintEvent(QPaintEvent*)
{
    using namespace lamination;

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Laid out in the window's coordinates at the design size; any other
    // size scales the vector drawing.
    p.scale(width() / extent.x(), height() / extent.y());
    p.translate(-origin);
    paintLamination(p);
}

UICoreDrawing::UICoreDrawing(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ImgNucleoUI"));
    setAccessibleName(tx("Núcleo U/I com as medidas"));
}

void UICoreDrawing::setCore(const Core& core, char decimalSeparator)
{
    core_ = core;
    cfg_.decimalSeparator = decimalSeparator;
    dimensions_ = uiCoreDimensions(core_, cfg_);
    update();
}

void UICoreDrawing::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintUICore(p, QRectF(rect()), core_, cfg_);
}

CrossSectionView::CrossSectionView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PBCoCorte"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(160, 200);
}

QRectF CrossSectionView::area() const { return QRectF(rect()).adjusted(4, 4, -4, -4); }

void CrossSectionView::setContent(const Analysis& analysis, const ConstructionSettings& settings,
                                  double a)
{
    analysis_ = analysis;
    content_ = {&analysis_, settings, a};
    // New figures often leave every rectangle where it was (a keystroke that
    // changes a current but not the wire): then there is nothing to repaint.
    CrossSectionPicture pic = crossSectionPicture(area(), content_);
    if (pictureArea_ == area() && pic == picture_)
        return;
    picture_ = std::move(pic);
    pictureArea_ = area();
    update();
}

void CrossSectionView::paintEvent(QPaintEvent*)
{
    if (pictureArea_ != area()) { // resized since
        picture_ = crossSectionPicture(area(), content_);
        pictureArea_ = area();
    }
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    paintCrossSection(p, picture_);
}

} // namespace kelvora

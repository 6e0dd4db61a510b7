#include "scroll_window.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QStyle>

namespace kelvora {

WindowScrollArea::WindowScrollArea(QWidget* window) : QScrollArea(window)
{
    setObjectName(QStringLiteral("AreaJanela"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("AreaJanelaConteudo"));
    setWidget(content);
    content->installEventFilter(this);
}

void WindowScrollArea::fitInto(const QSize& room)
{
    const bool first = !room_;
    room_ = room;
    if (first) {
        updateGeometry();
        if (QLayout* frame = parentWidget()->layout())
            frame->activate(); // the window's least size is the area's own now
    }
    growTowardsContent();
}

void WindowScrollArea::growTowardsContent()
{
    // As large as the content where the room allows, with the scroll bar
    // beside or under it where it does not; never larger than the room.
    QSize need = contentMinimum();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (need.height() > room_->height())
        need.rwidth() += bar;
    if (need.width() > room_->width())
        need.rheight() += bar;
    QWidget* window = parentWidget();
    const QSize size = window->size().expandedTo(need).boundedTo(*room_);
    if (size != window->size())
        window->resize(size);
}

QSize WindowScrollArea::contentMinimum() const
{
    const QWidget* content = widget();
    return content->minimumSizeHint().expandedTo(content->minimumSize());
}

QSize WindowScrollArea::sizeHint() const
{
    return widget()->sizeHint().expandedTo(contentMinimum());
}

QSize WindowScrollArea::minimumSizeHint() const
{
    return room_ ? QScrollArea::minimumSizeHint() : contentMinimum();
}

bool WindowScrollArea::eventFilter(QObject* o, QEvent* e)
{
    // The content laid out anew may need another size: the window takes it at
    // once (as it would hold the content in its own layout), within the
    // screen's room once fitted.
    if (o == widget() && e->type() == QEvent::LayoutRequest) {
        const QSize minimum = contentMinimum();
        if (minimum != lastMinimum_) {
            lastMinimum_ = minimum;
            if (room_) {
                growTowardsContent();
            } else {
                updateGeometry();
                if (QLayout* frame = parentWidget()->layout(); frame && parentWidget()->isVisible()) {
                    frame->invalidate();
                    frame->activate();
                }
            }
        }
    }
    return QScrollArea::eventFilter(o, e);
}

QWidget* scrolledContent(QWidget* window)
{
    auto* area = new WindowScrollArea(window);
    auto* frame = new QVBoxLayout(window);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(area);
    return area->widget();
}

QSize windowRoom(const QSize& available)
{
    return (available - QSize(16, 48)).expandedTo(QSize(320, 240));
}

void fitWindowInto(QWidget* window, const QSize& available)
{
    const QSize room = windowRoom(available);
    if (auto* area = window->findChild<WindowScrollArea*>(QString(), Qt::FindDirectChildrenOnly))
        area->fitInto(room);
    const QSize size = window->size().boundedTo(room);
    if (size != window->size())
        window->resize(size);
}

namespace {

class ScreenFit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Show)
            return false;
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !w->isWindow()
            || (w->windowType() != Qt::Window && w->windowType() != Qt::Dialog))
            return false;
        if (const QScreen* s = w->screen())
            fitWindowInto(w, s->availableGeometry().size());
        return false;
    }
};

} // namespace

void fitWindowsToScreens(QApplication* app)
{
    static QPointer<ScreenFit> installed;
    if (installed)
        return;
    installed = new ScreenFit(app);
    app->installEventFilter(installed);
}

} // namespace kelvora

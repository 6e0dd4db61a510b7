#pragma once
// Windows on any screen: a window's content scrolls when the window is smaller
// than it (a large scale, a small screen), and a window opens no larger than
// the screen it opens on.
#include <QScrollArea>

#include <optional>

class QApplication;

namespace kelvora {

// The area that holds a window's whole content, frameless and filling the
// window. Until the window is fitted into a screen the area asks for the
// content's whole size, so the window grows with its content as a window
// laid out without the area does. Once fitted, the window grows with its
// content only as far as the screen's room allows, may be made as small as
// the user likes, and the content scrolls in it.
class WindowScrollArea : public QScrollArea {
    Q_OBJECT
public:
    explicit WindowScrollArea(QWidget* window);

    // The room of the screen the window is fitted into (its frame off).
    void fitInto(const QSize& room);
    bool fitted() const { return room_.has_value(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The least size the content is laid out in (it scrolls in a smaller area).
    QSize contentMinimum() const;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void growTowardsContent();

    std::optional<QSize> room_;
    QSize lastMinimum_;
};

// Gives `window` a scrolling area filling it and returns the widget its
// content is to be built in (the area's, resized with the window).
QWidget* scrolledContent(QWidget* window);

// The room a window has on a screen whose available geometry is `available`:
// less the title bar and frame the desktop adds.
QSize windowRoom(const QSize& available);

// Bounds the window's size by `available` (a screen's available geometry)
// less the title bar and frame the desktop adds; its content then scrolls.
// A window smaller than its content grows towards it as far as that room allows.
void fitWindowInto(QWidget* window, const QSize& available);

// From now on every window the program shows is fitted into the available
// geometry of its screen as it is shown.
void fitWindowsToScreens(QApplication* app);

} // namespace kelvora

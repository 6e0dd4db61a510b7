#include "read_mark.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QValidator>
#include <QVariant>

namespace kelvora {

namespace {

const char* const NoteProperty = "kelvoraReadNote";
const char* const OwnToolTip = "kelvoraOwnToolTip";

const char* const FrameProperty = "kelvoraReadMarkFrame";

// A frame laid over its field (a sibling, so that no widget's own children
// change), following its place and visibility, letting the mouse through.
class MarkFrame : public QWidget {
public:
    explicit MarkFrame(QWidget* field) : QWidget(field->parentWidget()), field_(field)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        field->installEventFilter(this);
        follow();
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            follow();
            break;
        default:
            break;
        }
        return false;
    }
    void paintEvent(QPaintEvent*) override
    {
        // Black, red, white from the outside in: one of them always stands
        // out, whether the field is white, green or red.
        QPainter p(this);
        const QRect r = rect();
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(QPen(QColor(255, 0, 0), 1));
        p.drawRect(r.adjusted(1, 1, -2, -2));
        p.drawRect(r.adjusted(2, 2, -3, -3));
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }

private:
    void follow()
    {
        setGeometry(field_->geometry());
        setVisible(field_->isVisibleTo(parentWidget()));
        raise();
    }
    QWidget* field_;
};

MarkFrame* frameOf(const QWidget* field)
{
    return static_cast<MarkFrame*>(field->property(FrameProperty).value<QObject*>());
}

class NoControlCharacters : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        for (QChar& c : input)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                c = u' ';
        return Acceptable;
    }
};

} // namespace

void setReadMark(QWidget* field, const QString& note)
{
    if (!field || field->property(NoteProperty).toString() == note)
        return;
    if (!field->property(OwnToolTip).isValid())
        field->setProperty(OwnToolTip, field->toolTip());
    field->setProperty(NoteProperty, note);
    MarkFrame* frame = frameOf(field);
    if (note.isEmpty()) {
        delete frame;
        field->setProperty(FrameProperty, QVariant());
        field->setToolTip(field->property(OwnToolTip).toString());
        return;
    }
    if (!frame && field->parentWidget()) {
        frame = new MarkFrame(field);
        field->setProperty(FrameProperty, QVariant::fromValue<QObject*>(frame));
    }
    if (frame)
        frame->update();
    const QString own = field->property(OwnToolTip).toString();
    field->setToolTip(own.isEmpty() ? note : note + u'\n' + own);
}

QString readMarkOf(const QWidget* field)
{
    return field ? field->property(NoteProperty).toString() : QString();
}

void refuseControlCharacters(QLineEdit* edit)
{
    if (edit && !edit->validator())
        edit->setValidator(new NoControlCharacters(edit));
}

} // namespace kelvora

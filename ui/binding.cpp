#include "binding.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace kelvora {

QColor toQColor(Colour c, bool background)
{
    if (c == Colour::Window)
        return QApplication::palette().color(background ? QPalette::Base : QPalette::Text);
    if (c == Colour::WindowText)
        return QApplication::palette().color(QPalette::Text);
    return QColor::fromRgb(rgb(c));
}

namespace {

bool paintsBase(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w);
}

void applyColours(QWidget* w, Colour bg, Colour fg)
{
    const bool base = paintsBase(w);
    const bool system = bg == Colour::Window && fg == Colour::WindowText;
    if (system) {
        if (w->testAttribute(Qt::WA_SetPalette)) {
            w->setPalette(QPalette());
            w->setAutoFillBackground(false);
        }
        return;
    }
    QPalette p = w->palette();
    const QPalette app = QApplication::palette(w);
    const QColor b = bg == Colour::Window ? app.color(base ? QPalette::Base : QPalette::Window)
                                          : QColor::fromRgb(rgb(bg));
    const QColor f = fg == Colour::WindowText ? app.color(QPalette::Text)
                                              : QColor::fromRgb(rgb(fg));
    for (auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
        p.setColor(role, b);
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setColor(role, f);
    w->setPalette(p);
    if (!base)
        w->setAutoFillBackground(bg != Colour::Window);
}

} // namespace

QColor shownBackground(const QWidget* w)
{
    if (paintsBase(w))
        return w->palette().color(QPalette::Base);
    if (!w->autoFillBackground())
        return QApplication::palette().color(QPalette::Base);
    return w->palette().color(QPalette::Window);
}

QColor shownFont(const QWidget* w)
{
    return w->palette().color(paintsBase(w) ? QPalette::Text : QPalette::WindowText);
}

SheetBinding::SheetBinding(Sheet& sheet, QWidget* root) : sheet_(sheet), root_(root) {}

void SheetBinding::bind()
{
    if (bound_ || !root_)
        return;
    for (const std::string& name : sheet_.names()) {
        const QString qn = QString::fromStdString(name);
        if (QWidget* w = root_->findChild<QWidget*>(qn))
            widgets_.insert(qn, w);
    }
    bound_ = true;
}

QWidget* SheetBinding::widget(const std::string& name) const
{
    return widgets_.value(QString::fromStdString(name), nullptr);
}

void SheetBinding::setup()
{
    bind();
    for (const std::string& name : sheet_.names()) {
        QWidget* w = widget(name);
        if (!w)
            continue;
        const ControlSpec& spec = sheet_.spec(name);
        QSignalBlocker block(w);
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (spec.maxLength > 0)
                e->setMaxLength(spec.maxLength);
            e->setReadOnly(spec.readOnly);
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            c->clear();
            for (const std::string& item : spec.items)
                c->addItem(QString::fromStdString(item));
            c->setEditable(spec.kind == Kind::Combo);
            c->setMaxVisibleItems(30);
            if (c->isEditable()) {
                c->setInsertPolicy(QComboBox::NoInsert);
                c->setEditText(QString::fromStdString(spec.text));
            }
        }
    }
    mirror();
}

void SheetBinding::readInputs()
{
    bind();
    for (const std::string& name : sheet_.names()) {
        QWidget* w = widget(name);
        if (!w)
            continue;
        Control& c = sheet_[name];
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            c.text = e->text().toStdString();
        } else if (auto* cb = qobject_cast<QComboBox*>(w)) {
            const QString t = cb->currentText();
            c.text = t.toStdString();
            // A typed text that matches no item selects none, as in the list.
            c.itemIndex = cb->isEditable() ? cb->findText(t, Qt::MatchExactly) : cb->currentIndex();
        } else if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable()) {
            c.checked = b->isChecked();
        }
    }
}

void SheetBinding::mirror()
{
    bind();
    for (const std::string& name : sheet_.names()) {
        QWidget* w = widget(name);
        if (!w)
            continue;
        const Control& c = sheet_[name];
        const Kind kind = sheet_.spec(name).kind;
        const QString text = QString::fromStdString(c.text);
        QSignalBlocker block(w);
        switch (kind) {
        case Kind::Edit:
            if (auto* e = qobject_cast<QLineEdit*>(w); e && e->text() != text) {
                const int pos = e->cursorPosition();
                e->setText(text);
                e->setCursorPosition(std::min<int>(pos, text.size()));
            }
            break;
        case Kind::Label:
            if (auto* l = qobject_cast<QLabel*>(w); l && l->text() != text)
                l->setText(text);
            break;
        case Kind::Combo:
            if (auto* cb = qobject_cast<QComboBox*>(w); cb && cb->currentText() != text)
                cb->setEditText(text);
            break;
        case Kind::List:
            if (auto* cb = qobject_cast<QComboBox*>(w); cb && cb->currentIndex() != c.itemIndex)
                cb->setCurrentIndex(c.itemIndex);
            break;
        case Kind::Radio:
            if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isChecked() != c.checked)
                b->setChecked(c.checked);
            break;
        case Kind::Panel:
        case Kind::Shape:
            if (w->y() != c.top)
                w->move(w->x(), c.top);
            if (kind == Kind::Shape && c.height > 0 && w->height() != c.height)
                w->resize(w->width(), c.height);
            break;
        case Kind::Image:
            break;
        }
        if (kind == Kind::Edit || kind == Kind::Label || kind == Kind::Combo
            || kind == Kind::List)
            applyColours(w, c.background, c.font);
        if (w->isHidden() == c.visible)
            w->setVisible(c.visible);
    }
}

} // namespace kelvora

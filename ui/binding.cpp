#include "binding.h"

#include "form_helpers.h"
#include "language.h"
#include "read_mark.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace kelvora {

namespace {

bool paintsBase(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w);
}

// A result label in the system colours: halfway between the field and the
// window colour, so it reads as a read-only field on any palette (and
// matches the lighter tab page of the default style).
QColor resultFieldColour(const QWidget* w)
{
    const QPalette app = QApplication::palette(w);
    const QColor a = app.color(QPalette::Base), b = app.color(QPalette::Window);
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

void applyColours(QWidget* w, Colour bg, Colour fg)
{
    const bool base = paintsBase(w);
    // A result label is a read-only field with a colour of its own.
    const bool field = !base && w->property(kOpaqueResult).toBool();
    const bool system = bg == Colour::Window && fg == Colour::WindowText;
    if (system && !field) {
        if (w->testAttribute(Qt::WA_SetPalette)) {
            w->setPalette(QPalette());
            w->setAutoFillBackground(false);
        }
        return;
    }
    QPalette p = w->palette();
    const QPalette app = QApplication::palette(w);
    const QColor b = bg != Colour::Window ? QColor::fromRgb(rgb(bg))
                     : field              ? resultFieldColour(w)
                                          : app.color(base ? QPalette::Base : QPalette::Window);
    const QColor f = fg == Colour::WindowText ? app.color(QPalette::Text)
                                              : QColor::fromRgb(rgb(fg));
    for (auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
        p.setColor(role, b);
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setColor(role, f);
    w->setPalette(p);
    // A result label always fills its background; any other label only
    // for a colour of its own.
    if (!base && !field)
        w->setAutoFillBackground(bg != Colour::Window);
}

// What an editable list shows for `text`: an item of words in the chosen
// language, anything else as it is.
QString shownComboText(const ControlSpec& spec, const std::string& text)
{
    const QString t = QString::fromStdString(text);
    return !spec.keys.empty() && itemIndexOf(spec, text) >= 0 ? shownItem(t) : t;
}

// The invitation to type an edit shows now (empty once typed over).
constexpr char kInvitation[] = "kelvoraInvitation";

// An edit's initial words as the installed language shows them.
QString initialShown(const ControlSpec& spec)
{
    if (installedLanguage() == Language::Portuguese)
        return QString::fromStdString(spec.text);
    return QCoreApplication::translate("Initial", spec.text.c_str());
}

} // namespace

QColor shownBackground(const QWidget* w)
{
    if (paintsBase(w))
        return w->palette().color(QPalette::Base);
    // A label in the window's or the result field's colour shows the
    // system colour.
    const QColor own = w->palette().color(QPalette::Window);
    if (!w->autoFillBackground() || own == QApplication::palette(w).color(QPalette::Window)
        || (w->property(kOpaqueResult).toBool() && own == resultFieldColour(w)))
        return QApplication::palette().color(QPalette::Base);
    return own;
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
    const std::vector<std::string>& names = sheet_.names();
    widgets_.assign(names.size(), nullptr);
    painted_.assign(names.size(), std::nullopt);
    for (std::size_t i = 0; i < names.size(); ++i) {
        widgets_[i] = root_->findChild<QWidget*>(QString::fromStdString(names[i]));
        if (widgets_[i] && sheet_.spec(names[i]).kind == Kind::Label)
            widgets_[i]->setProperty(kSheetText, true);
    }
    bound_ = true;
}

void SheetBinding::setup()
{
    bind();
    const std::vector<std::string>& names = sheet_.names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        QWidget* w = widgets_[i];
        if (!w)
            continue;
        const ControlSpec& spec = sheet_.spec(names[i]);
        QSignalBlocker block(w);
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (spec.maxLength > 0)
                e->setMaxLength(spec.maxLength);
            e->setReadOnly(spec.readOnly);
            if (spec.input)
                refuseControlCharacters(e);
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            c->clear();
            // Items with keys are words, shown in the chosen language; each
            // keeps its Portuguese text, which the sheet holds.
            const bool words = !spec.keys.empty();
            for (const std::string& item : spec.items) {
                const QString portuguese = QString::fromStdString(item);
                c->addItem(words ? shownItem(portuguese) : portuguese, portuguese);
            }
            c->setProperty(kShownItems, words);
            c->setEditable(spec.kind == Kind::Combo);
            c->setMaxVisibleItems(30);
            if (c->isEditable()) {
                c->setInsertPolicy(QComboBox::NoInsert);
                refuseControlCharacters(c->lineEdit());
                c->setEditText(shownComboText(spec, spec.text));
            }
        }
    }
    mirror();
}

void SheetBinding::readInputs()
{
    if (!bound_)
        return; // the form is not built yet: the sheet holds its texts
    const std::vector<std::string>& names = sheet_.names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        QWidget* w = widgets_[i];
        if (!w)
            continue;
        Control& c = sheet_[names[i]];
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            c.text = e->text().toStdString();
            // The invitation to type as last shown, untouched (whatever the
            // language is now): the sheet keeps its Portuguese.
            if (sheet_.spec(names[i]).initialWords && !e->text().isEmpty()
                && e->text() == e->property(kInvitation).toString())
                c.text = sheet_.spec(names[i]).text;
        } else if (auto* cb = qobject_cast<QComboBox*>(w)) {
            // The chosen item's Portuguese text, whatever the language shows.
            const ControlSpec& spec = sheet_.spec(names[i]);
            const QString t = cb->currentText();
            const int shown = cb->isEditable()
                                  ? cb->findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive)
                                  : cb->currentIndex();
            c.text = shown >= 0 && std::size_t(shown) < spec.items.size()
                         ? spec.items[std::size_t(shown)]
                         : t.toStdString();
            // A typed text that matches no item selects none, as in the list.
            c.itemIndex = cb->isEditable() ? itemIndexOf(spec, c.text) : cb->currentIndex();
        } else if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable()) {
            c.checked = b->isChecked();
        }
    }
}

void SheetBinding::mirror()
{
    if (!bound_)
        return; // setup() mirrors the sheet once the form is built
    const std::vector<std::string>& names = sheet_.names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        QWidget* w = widgets_[i];
        if (!w)
            continue;
        const Control& c = sheet_[names[i]];
        const Kind kind = sheet_.spec(names[i]).kind;
        const ControlSpec& spec = sheet_.spec(names[i]);
        const QString text = spec.initialWords && c.text == spec.text ? initialShown(spec)
                                                                      : shownText(c);
        QSignalBlocker block(w);
        switch (kind) {
        case Kind::Edit:
            if (auto* e = qobject_cast<QLineEdit*>(w)) {
                if (spec.initialWords)
                    e->setProperty(kInvitation, c.text == spec.text ? text : QString());
                if (e->text() != text) {
                    const int pos = e->cursorPosition();
                    e->setText(text);
                    e->setCursorPosition(std::min<int>(pos, text.size()));
                }
            }
            break;
        case Kind::Label:
            if (auto* l = qobject_cast<QLabel*>(w); l && l->text() != text)
                l->setText(text);
            break;
        case Kind::Combo:
            if (auto* cb = qobject_cast<QComboBox*>(w)) {
                const QString shown = shownComboText(sheet_.spec(names[i]), c.text);
                if (cb->currentText() != shown)
                    cb->setEditText(shown);
            }
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
        const std::pair<Colour, Colour> colours{c.background, c.font};
        if ((kind == Kind::Edit || kind == Kind::Label || kind == Kind::Combo || kind == Kind::List)
            && painted_[i] != colours) {
            applyColours(w, c.background, c.font);
            painted_[i] = colours;
        }
        if ((kind == Kind::Edit || kind == Kind::Combo) && sheet_.spec(names[i]).input)
            setReadMark(w, shownReadNote(c));
        if (w->isHidden() == c.visible)
            w->setVisible(c.visible);
    }
}

} // namespace kelvora

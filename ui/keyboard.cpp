#include "keyboard.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextEdit>

#include <algorithm>

namespace kelvora {

namespace {

bool isInput(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w)
           || qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
           || qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w);
}

// The line edit of an editable combo or a spin box belongs to its owner.
bool insideCompound(const QWidget* w, const QWidget* page)
{
    for (const QWidget* p = w->parentWidget(); p && p != page; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p))
            return true;
    return false;
}

QRect rectIn(const QWidget* w, const QWidget* page)
{
    return QRect(w->mapTo(page, QPoint(0, 0)), w->size());
}

QString stripped(QString s)
{
    // Mnemonic markers and the trailing colon are not part of what is said.
    s.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    s = s.simplified();
    if (s.endsWith(QLatin1Char(':')))
        s.chop(1);
    return s.trimmed();
}

// A caption is a label showing fixed text; a result label (named after a
// design control) shows a value and does not describe its neighbour.
bool isCaption(const QLabel* l)
{
    return l->objectName().isEmpty() && !stripped(l->text()).isEmpty() && l->pixmap().isNull();
}

} // namespace

namespace {

struct Unit {
    QWidget* w; // an input, or a container holding inputs
    QRect r;    // in page coordinates
};

// Rows: widgets of one grid row differ in height (a combo is taller than a
// label), so a row is every unit whose vertical centre lies within the first
// one's extent; each row then reads left to right.
void sortReading(std::vector<Unit>& units)
{
    std::stable_sort(units.begin(), units.end(), [](const Unit& a, const Unit& b) {
        return a.r.center().y() < b.r.center().y();
    });
    for (std::size_t i = 0; i < units.size();) {
        const int limit = units[i].r.bottom();
        std::size_t j = i + 1;
        while (j < units.size() && units[j].r.center().y() <= limit)
            ++j;
        std::stable_sort(units.begin() + i, units.begin() + j,
                         [](const Unit& a, const Unit& b) { return a.r.left() < b.r.left(); });
        i = j;
    }
}

// A group box (or any container) is read whole before the next one: two
// groups side by side are two forms, not one form with interleaved rows.
void appendInOrder(QWidget* container, QWidget* page, const QList<QWidget*>& inputs,
                   QList<QWidget*>& out)
{
    std::vector<Unit> units;
    std::vector<QList<QWidget*>> members;
    for (QWidget* in : inputs) {
        QWidget* top = in;
        while (top->parentWidget() != container)
            top = top->parentWidget();
        auto it = std::find_if(units.begin(), units.end(),
                               [&](const Unit& u) { return u.w == top; });
        if (it == units.end()) {
            units.push_back({top, rectIn(top, page)});
            members.push_back({});
            it = units.end() - 1;
        }
        members[static_cast<std::size_t>(it - units.begin())].push_back(in);
    }
    std::vector<Unit> sorted = units;
    sortReading(sorted);
    // A container may ask to be read before its neighbours: the power
    // transformer's operating data, where a design starts.
    std::stable_partition(sorted.begin(), sorted.end(), [](const Unit& u) {
        return u.w->property(kReadFirst).toBool();
    });
    for (const Unit& u : sorted) {
        const auto k = static_cast<std::size_t>(
            std::find_if(units.begin(), units.end(), [&](const Unit& v) { return v.w == u.w; })
            - units.begin());
        if (members[k].size() == 1 && members[k].front() == u.w)
            out.push_back(u.w);
        else
            appendInOrder(u.w, page, members[k], out);
    }
}

} // namespace

QList<QWidget*> readingOrder(QWidget* page)
{
    QList<QWidget*> inputs;
    for (QWidget* w : page->findChildren<QWidget*>())
        if (isInput(w) && (w->focusPolicy() & Qt::TabFocus) && !insideCompound(w, page))
            inputs.push_back(w);
    QList<QWidget*> out;
    appendInOrder(page, page, inputs, out);
    // A hidden field has no place on the page to read it in (a layout leaves it
    // at its parent's corner): after the shown ones, until it is shown.
    std::stable_partition(out.begin(), out.end(),
                          [page](const QWidget* w) { return w->isVisibleTo(page); });
    return out;
}

QString captionOf(QWidget* w, QWidget* page)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        const QString t = stripped(b->text());
        if (!t.isEmpty())
            return t;
    }
    const QRect r = rectIn(w, page);
    const int cy = r.center().y();
    const QLabel* left = nullptr;
    int leftGap = 0;
    const QLabel* above = nullptr;
    int aboveGap = 0;
    for (QLabel* l : page->findChildren<QLabel*>()) {
        if (!isCaption(l) || !l->isVisibleTo(page))
            continue;
        const QRect lr = rectIn(l, page);
        if (lr.top() <= cy && cy <= lr.bottom() && lr.right() <= r.left()) {
            const int gap = r.left() - lr.right();
            if (!left || gap < leftGap) {
                left = l;
                leftGap = gap;
            }
        } else if (lr.bottom() <= r.top() && lr.left() < r.right() && r.left() < lr.right()) {
            // A column heading over the field.
            const int gap = r.top() - lr.bottom();
            if (gap < 3 * std::max(r.height(), 1) && (!above || gap < aboveGap)) {
                above = l;
                aboveGap = gap;
            }
        }
    }
    if (left)
        return stripped(left->text());
    if (above)
        return stripped(above->text());
    for (QWidget* p = w->parentWidget(); p && p != page; p = p->parentWidget())
        if (auto* g = qobject_cast<QGroupBox*>(p); g && !stripped(g->title()).isEmpty())
            return stripped(g->title());
    return {};
}

namespace {

bool tabStop(const QWidget* w)
{
    if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
        return false;
    // Tab enters a group of radio buttons at its checked one; arrows move inside.
    if (auto* b = qobject_cast<const QAbstractButton*>(w); b && b->isCheckable()
                                                           && b->autoExclusive() && !b->isChecked()
                                                           && qobject_cast<const QRadioButton*>(w))
        return false;
    return true;
}

// Moves Tab and Shift+Tab along the page's reading order. setTabOrder alone
// is not enough: with many click-focus result labels between the inputs,
// Qt 6.4 leaves some links of the chain unchanged, so the keys themselves
// are steered too. At either end of the page the keys go on as usual.
class Navigator : public QObject {
public:
    explicit Navigator(QWidget* page) : QObject(page) { setObjectName(QString::fromLatin1(Name)); }
    static constexpr const char* Name = "kelvoraKeyboardNavigator";
    void setOrder(const QList<QWidget*>& order)
    {
        for (QWidget* w : std::as_const(order_))
            if (w)
                w->removeEventFilter(this);
        order_.clear();
        for (QWidget* w : order) {
            order_.push_back(w);
            w->installEventFilter(this);
            if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit())
                c->lineEdit()->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto* k = static_cast<QKeyEvent*>(e);
        const bool fwd = k->key() == Qt::Key_Tab && !(k->modifiers() & ~Qt::KeypadModifier);
        const bool back = k->key() == Qt::Key_Backtab
                          || (k->key() == Qt::Key_Tab && k->modifiers() == Qt::ShiftModifier);
        if (!fwd && !back)
            return false;
        auto* w = static_cast<QWidget*>(o);
        if (auto* c = qobject_cast<QComboBox*>(w->parentWidget()); c && c->lineEdit() == w)
            w = c;
        qsizetype i = -1;
        for (qsizetype k2 = 0; k2 < order_.size(); ++k2)
            if (order_[k2] == w)
                i = k2;
        if (i < 0)
            return false;
        for (qsizetype j = fwd ? i + 1 : i - 1; j >= 0 && j < order_.size(); j += fwd ? 1 : -1) {
            QWidget* next = order_[j];
            if (next && tabStop(next)) {
                next->setFocus(fwd ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
        }
        return false;
    }

private:
    QList<QPointer<QWidget>> order_;
};

} // namespace

void applyKeyboardOrder(QWidget* page)
{
    const QList<QWidget*> order = readingOrder(page);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    // No Q_OBJECT here, so found by name: a cast by meta-object would match any QObject.
    auto* nav = dynamic_cast<Navigator*>(page->findChild<QObject*>(
        QString::fromLatin1(Navigator::Name), Qt::FindDirectChildrenOnly));
    if (!nav)
        nav = new Navigator(page);
    nav->setOrder(order);
    nameFieldsByCaptions(page, order);
}

void nameFieldsByCaptions(QWidget* page) { nameFieldsByCaptions(page, readingOrder(page)); }

namespace {

// The accessible name last taken from the field's caption.
constexpr char ByCaption[] = "kelvoraNamedByCaption";

bool namedByCaption(const QWidget* w)
{
    const QVariant taken = w->property(ByCaption);
    return w->accessibleName().isEmpty()
           || (taken.isValid() && taken.toString() == w->accessibleName());
}

} // namespace

QString fieldName(QWidget* w, QWidget* page)
{
    const QString name = namedByCaption(w) ? captionOf(w, page) : w->accessibleName();
    return name.isEmpty() ? w->objectName() : name;
}

void nameFieldsByCaptions(QWidget* page, const QList<QWidget*>& order)
{
    // A name set by hand is kept; one taken from a caption is taken again,
    // so that it follows the caption into another language.
    for (QWidget* w : order) {
        if (!namedByCaption(w))
            continue;
        const QString name = captionOf(w, page);
        w->setAccessibleName(name);
        w->setProperty(ByCaption, name);
    }
}

namespace {

class PageWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        // By the Show event the page's layouts have been activated.
        if (e->type() == QEvent::Show)
            applyKeyboardOrder(static_cast<QWidget*>(o));
        return false;
    }
};

} // namespace

void installKeyboardOrder(QTabWidget* tabs)
{
    auto* watcher = new PageWatcher(tabs);
    for (int i = 0; i < tabs->count(); ++i) {
        QWidget* page = tabs->widget(i);
        page->installEventFilter(watcher);
        if (page->isVisible())
            applyKeyboardOrder(page);
    }
}

} // namespace kelvora

#include "form_helpers.h"
#include "language.h"

#include <QFont>
#include <QMessageBox>

namespace kelvora {

void setFormFont(QWidget* window)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    window->setFont(f);
}

void showErrorBox(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Kelvora"), message, QMessageBox::Ok,
                    parent);
    box.exec();
}

void nameField(QWidget* field, const QString& caption)
{
    QString name = caption.trimmed();
    while (name.endsWith(u':') || name.endsWith(u'='))
        name = name.chopped(1).trimmed();
    if (field->accessibleName().isEmpty()) {
        field->setAccessibleName(name);
        // The caption as written: the name follows it into another language.
        field->setProperty(kNameCaption, caption);
    }
}

QLabel* makeLabel(QWidget* parent, const QString& text, const char* name)
{
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    return l;
}

namespace {

QLabel* setUpResult(QLabel* l, const char* name, int minWidth)
{
    l->setObjectName(QString::fromLatin1(name));
    l->setMinimumWidth(minWidth);
    l->setTextFormat(Qt::PlainText);
    // Opaque, so that a new value repaints the label alone and not the
    // group box, page and window beneath it.
    l->setAutoFillBackground(true);
    l->setProperty(kOpaqueResult, true);
    l->setContentsMargins(3, 1, 3, 1);
    return l;
}

} // namespace

QLabel* makeResult(QWidget* parent, const char* name, int minWidth)
{
    return setUpResult(new QLabel(parent), name, minWidth);
}

QLabel* setUpResultField(QLabel* l, const char* name, int minWidth, int height)
{
    setUpResult(l, name, minWidth);
    l->setFixedHeight(height);
    l->setFrameShape(QFrame::StyledPanel);
    return l;
}

QLabel* makeResultField(QWidget* parent, const char* name, int minWidth, int height)
{
    return setUpResultField(new QLabel(parent), name, minWidth, height);
}

QLabel* setUpVerdict(QLabel* l, const char* name, int height)
{
    setUpResultField(l, name, 90, height);
    l->setAlignment(Qt::AlignCenter);
    QFont bold; // what is set below; the rest follows the window
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

QLabel* makeVerdict(QWidget* parent, const char* name, int height)
{
    return setUpVerdict(new QLabel(parent), name, height);
}

QLineEdit* makeEdit(QWidget* parent, const char* name, int width, int height)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setFixedWidth(width);
    if (height > 0)
        e->setFixedHeight(height);
    return e;
}

QComboBox* makeCombo(QWidget* parent, const char* name, int width)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setFixedWidth(width);
    return c;
}

QRadioButton* makeRadio(QWidget* parent, const char* name, const QString& caption)
{
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(QString::fromLatin1(name));
    return r;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QGroupBox* makeGroup(QWidget* parent, const QString& caption, const char* name)
{
    auto* g = new QGroupBox(caption, parent);
    if (name)
        g->setObjectName(QString::fromLatin1(name));
    return g;
}

QLabel* makeTitle(QWidget* parent, const QString& text, const char* name, int pixelSize,
                  const QColor& colour)
{
    auto* l = makeLabel(parent, text, name);
    QFont f; // what is set below; the rest follows the window
    f.setPixelSize(pixelSize);
    f.setBold(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    return l;
}

QGridLayout* makeGrid(QGroupBox* group, const QMargins& margins, int hSpacing, int vSpacing)
{
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(margins);
    grid->setHorizontalSpacing(hSpacing);
    grid->setVerticalSpacing(vSpacing);
    return grid;
}

void addRow(QGridLayout* grid, int row, const QString& caption, QWidget* field, const QString& unit)
{
    nameField(field, caption);
    grid->addWidget(new QLabel(caption), row, 0);
    grid->addWidget(field, row, 1);
    if (!unit.isEmpty())
        grid->addWidget(new QLabel(unit), row, 2);
}

void addCoreDimensionRow(QGridLayout* grid, int row, const QString& caption, const char* combo,
                         const char* calc, CoreRowSizes sizes)
{
    QWidget* g = grid->parentWidget();
    grid->addWidget(makeLabel(g, caption), row, 0);
    auto* c = makeCombo(g, combo, sizes.comboWidth);
    c->setFixedHeight(sizes.height + 1);
    grid->addWidget(c, row, 1);
    auto* e = makeEdit(g, calc, sizes.calcWidth, sizes.height);
    e->setEnabled(false);
    grid->addWidget(e, row, 2);
    grid->addWidget(makeLabel(g, QStringLiteral("mm")), row, 3);
}

QGroupBox* makeReportGroup(QWidget* page, const char* group, const char* user,
                           const char* application, const char* button,
                           const QString& applicationTip)
{
    constexpr int EditH = 22;
    QGroupBox* g = makeGroup(page, tx("Salva resultados em arquivo texto "), group);
    QLineEdit* name = makeEdit(g, user, 520);
    name->setGeometry(12, 22, 520, EditH);
    name->setToolTip(tx("Entre com o nome do utilizador do programa"));
    QLineEdit* app = makeEdit(g, application, 520);
    app->setGeometry(12, 50, 520, EditH);
    app->setToolTip(applicationTip);
    makeButton(g, button, tx("Grava cálculos em arquivo texto (*.txt)"))
        ->setGeometry(560, 28, 320, 36);
    return g;
}

} // namespace kelvora

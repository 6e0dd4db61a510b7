#pragma once
// The language walk of the tests: every text a window shows, against the
// Portuguese sources of the catalogue (translations/kelvora_en.ts).
#include "form_helpers.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableView>
#include <QXmlStreamReader>

#include <set>
#include <vector>

namespace kelvora::test {

// The Portuguese texts the catalogue translates into something else, and
// their numbered forms ("Secundário %1") as patterns.
struct PortugueseCatalogue {
    std::set<QString> texts;
    std::vector<QRegularExpression> numbered;
};

inline PortugueseCatalogue portugueseCatalogue()
{
    PortugueseCatalogue c;
    QFile f(QStringLiteral(KELVORA_SOURCE_DIR "/translations/kelvora_en.ts"));
    if (!f.open(QIODevice::ReadOnly))
        return c;
    QXmlStreamReader xml(&f);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString english = xml.readElementText();
            if (english == source)
                continue;
            if (source.contains(QLatin1String("%1"))) {
                QStringList parts = source.split(QRegularExpression(QStringLiteral("%[1-9]")));
                for (QString& part : parts)
                    part = QRegularExpression::escape(part);
                c.numbered.emplace_back(QStringLiteral("^") + parts.join(QStringLiteral(".+"))
                                        + QStringLiteral("$"));
            } else {
                c.texts.insert(source);
            }
        }
    }
    return c;
}

// The static texts a person reads in `root` as it is on the screen: the
// texts the calculations write (results, verdicts, lists, the tables' cells)
// are not static, and are read too when `results` is set.
inline QStringList shownTexts(QWidget* root, bool results = false)
{
    QStringList texts;
    const auto add = [&](const QString& where, const QString& text) {
        if (!text.trimmed().isEmpty())
            texts << where + QStringLiteral(" | ") + text;
    };
    add(QStringLiteral("title"), root->windowTitle());
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root))
            continue;
        const QString where = w->objectName().isEmpty()
                                  ? QString::fromLatin1(w->metaObject()->className())
                                  : w->objectName();
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (results
                || (!l->property(kelvora::kSheetText).toBool()
                    && !l->property(kelvora::kOpaqueResult).toBool()))
                add(where, l->text());
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            add(where, b->text());
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            add(where, g->title());
        } else if (auto* m = qobject_cast<QPlainTextEdit*>(w); m && m->isReadOnly()) {
            add(where, m->toPlainText());
        } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < bar->count(); ++i)
                add(where, bar->tabText(i));
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < c->count(); ++i)
                add(where + QStringLiteral(" (item)"), c->itemText(i));
        } else if (auto* v = qobject_cast<QTableView*>(w); v && v->model()) {
            for (int i = 0; i < v->model()->columnCount(); ++i)
                for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole)})
                    add(where + QStringLiteral(" (heading)"),
                        v->model()->headerData(i, Qt::Horizontal, role).toString());
            for (int row = 0; results && row < v->model()->rowCount(); ++row)
                for (int col = 0; col < v->model()->columnCount(); ++col)
                    add(where, v->model()->index(row, col).data().toString());
        }
        add(where + QStringLiteral(" (tooltip)"), w->toolTip());
        if (qobject_cast<QMenuBar*>(w) || qobject_cast<QMenu*>(w))
            for (QAction* a : w->actions())
                add(where + QStringLiteral(" (menu)"), a->text());
    }
    return texts;
}

// The entries whose text (or a line of it) the Portuguese catalogue holds,
// or that are written with Portuguese letters (a text left out of the catalogue).
inline QStringList leftInPortuguese(const QStringList& texts, const PortugueseCatalogue& c)
{
    static const QRegularExpression portugueseLetters(QStringLiteral("[ãõçáéíóúâêôà]"));
    QStringList left;
    for (const QString& entry : texts) {
        bool found = false;
        for (const QString& line : entry.section(QStringLiteral(" | "), 1).split(u'\n')) {
            found = found || c.texts.count(line) > 0 || line.contains(portugueseLetters);
            for (const QRegularExpression& re : c.numbered)
                found = found || re.match(line).hasMatch();
        }
        if (found)
            left << entry;
    }
    return left;
}

} // namespace kelvora::test

#include "drinkcatalogue.h"

#include "table/drinklist.h"
#include "table/periodiccells.h"

#include <QSet>

namespace drinkcatalogue {

const QList<CatalogueDrink>& all() {
    static const QList<CatalogueDrink> drinks = [] {
        QList<CatalogueDrink> out;
        QSet<QString> names;
        for (const QString& item : drinks::items()) {
            out.append({item, drinks::strengthText(item).value_or(QString())});
            names.insert(item);
        }
        for (const PeriodicCell& cell : periodicCells()) {
            if (cell.action != PeriodicCell::Action::WritesStrength || cell.name.isEmpty())
                continue;
            // Named as the list names its drinks: capital first letter, then the strength.
            const QString name =
                cell.name.left(1).toUpper() + cell.name.mid(1) + u' ' + cell.value + u'%';
            if (names.contains(name))
                continue;
            names.insert(name);
            out.append({name, cell.value});
        }
        return out;
    }();
    return drinks;
}

QString ownDrink() {
    return QStringLiteral("свой");
}

QString strengthOf(const QString& name) {
    for (const CatalogueDrink& d : all())
        if (d.name == name)
            return d.strength;
    return QString();
}

} // namespace drinkcatalogue

#include "drinkeditors.h"

#include "forecast/drinksmodel.h"
#include "windows/forecastlook.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

void DrinkEditorsDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        if (edit->text() != text) {
            const QSignalBlocker quiet(edit);
            edit->setText(text);
        }
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        const int found = list->findText(text);
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(found >= 0 ? found : list->count() - 1);
    } else {
        QStyledItemDelegate::setEditorData(editor, index);
    }
}

void DrinkEditorsDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const {
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        model->setData(index, edit->text());
    else if (auto* list = qobject_cast<QComboBox*>(editor))
        model->setData(index, list->currentText());
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

void ProblemTextDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    // A row to check is said in the problems' colour; a planned one in the ordinary text's.
    if (!index.data(DrinksModel::ProblemRole).toString().isEmpty())
        option->palette.setColor(QPalette::Text,
                                 forecastlook::problemWords(option->palette.color(QPalette::Base)));
}

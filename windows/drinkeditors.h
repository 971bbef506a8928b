#pragma once

#include <QStyledItemDelegate>

// Puts a row's fields (a drink's, a reading's) into the editors below its table and back, as
// text. An editor that already shows the value is left alone, so the row's own update never
// moves the cursor of the field being typed into; a list shows the entry of the cell's text, or
// its last entry for one it does not name (the drinks' "свой").
class DrinkEditorsDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

// A table's cell that needs a look (the drinks' state column, a reading's wrong field), in the
// colour of the problems beside the fields. The drinks' and the readings' models share the
// problem role.
class ProblemTextDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

#pragma once

#include <QStyledItemDelegate>

// Puts a drink's fields into the editors below the table and back, as text. An editor that
// already shows the value is left alone, so the row's own update never moves the cursor of the
// field being typed into; a drink the list does not name shows as its last entry ("свой").
class DrinkEditorsDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

// The table's state column: a row to check in the colour of the problems beside the fields.
class ProblemTextDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

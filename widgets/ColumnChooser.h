#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QListWidget;

// "Kolon Seçici": the columns a grid offers, each with a tick for shown or hidden.
class ColumnChooser : public QDialog
{
    Q_OBJECT
public:
    struct Entry
    {
        QString field;
        QString caption;
        bool visible = false;
    };

    explicit ColumnChooser(const QList<Entry> &entries, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    void setFieldChecked(const QString &field, bool checked);
    QStringList checkedFields() const;
    QStringList fields() const;

private:
    QListWidget *m_list = nullptr;
};

#pragma once

#include <QFrame>
#include <QIcon>
#include <QList>
#include <QSet>
#include <QString>

class QLineEdit;
class QListView;
class QStandardItem;
class QStandardItemModel;

// The value list under a header's filter button: "(Tümü)" and one tick per value, a search
// line to narrow a long list, "Tamam" applies, "İptal" or Esc leaves the filter as it was.
class FilterPopup : public QFrame
{
    Q_OBJECT
public:
    struct Value
    {
        QString key; // the display text the filter compares
        QString label; // what the list shows
        QIcon icon;
    };

    // `accepted` is used only when `filtered`; otherwise every value is ticked.
    FilterPopup(const QString &columnCaption, const QList<Value> &values, const QSet<QString> &accepted, bool filtered,
                QWidget *parent = nullptr);

    QListView *list() const { return m_list; }
    QStandardItemModel *valueModel() const { return m_model; } // row 0 is "(Tümü)"
    QLineEdit *searchEdit() const { return m_search; }
    QStringList values() const; // keys in list order
    void setValueChecked(const QString &key, bool checked);
    QSet<QString> checkedKeys() const;
    bool allChecked() const;

    // Applies as "Tamam" does.
    void apply();

Q_SIGNALS:
    // `all`: every value ticked, so the column's filter goes away.
    void applied(const QSet<QString> &keys, bool all);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void onItemChanged(QStandardItem *item);
    void narrow(const QString &text);
    void syncAllItem();

    QStandardItemModel *m_model = nullptr;
    QListView *m_list = nullptr;
    QLineEdit *m_search = nullptr;
    QStandardItem *m_all = nullptr;
    int m_checked = 0; // ticked values, kept as they change
    bool m_updating = false;
};

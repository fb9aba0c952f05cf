#include "widgets/ColumnChooser.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int fieldRole = Qt::UserRole;
} // namespace

ColumnChooser::ColumnChooser(const QList<Entry> &entries, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Kolon Seçici"));
    auto *label = new QLabel(tr("&Gösterilecek kolonlar:"), this);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(tr("Gösterilecek kolonlar"));
    label->setBuddy(m_list);
    for (const Entry &e : entries) {
        auto *item = new QListWidgetItem(e.caption, m_list);
        item->setData(fieldRole, e.field);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(e.visible ? Qt::Checked : Qt::Unchecked);
    }
    m_list->setCurrentRow(0);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Tamam"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("İptal"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(280, 360);
}

void ColumnChooser::setFieldChecked(const QString &field, bool checked)
{
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->data(fieldRole).toString() == field)
            m_list->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

QStringList ColumnChooser::checkedFields() const
{
    QStringList checked;
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->checkState() == Qt::Checked)
            checked.append(m_list->item(i)->data(fieldRole).toString());
    }
    return checked;
}

QStringList ColumnChooser::fields() const
{
    QStringList all;
    for (int i = 0; i < m_list->count(); ++i)
        all.append(m_list->item(i)->data(fieldRole).toString());
    return all;
}

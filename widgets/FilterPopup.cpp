#include "widgets/FilterPopup.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {
constexpr int keyRole = Qt::UserRole;

QStandardItem *checkItem(const QIcon &icon, const QString &text, bool checked)
{
    auto *item = new QStandardItem(icon, text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}
} // namespace

FilterPopup::FilterPopup(const QString &columnCaption, const QList<Value> &values, const QSet<QString> &accepted,
                         bool filtered, QWidget *parent)
    : QFrame(parent, Qt::Popup)
    , m_model(new QStandardItemModel(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::StyledPanel);
    setAccessibleName(tr("%1 filtresi").arg(columnCaption));

    auto *searchLabel = new QLabel(tr("&Ara:"), this);
    m_search = new QLineEdit(this);
    m_search->setClearButtonEnabled(true);
    searchLabel->setBuddy(m_search);
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search, 1);

    // Filled before any view watches it: long lists (every barcode) open quickly.
    m_all = checkItem(QIcon(), tr("(Tümü)"), true);
    QList<QStandardItem *> items{m_all};
    items.reserve(values.size() + 1);
    for (const Value &v : values) {
        const bool checked = !filtered || accepted.contains(v.key);
        m_checked += checked;
        QStandardItem *item = checkItem(v.icon, v.label.isEmpty() ? tr("(Boş)") : v.label, checked);
        item->setData(v.key, keyRole);
        items.append(item);
    }
    m_model->invisibleRootItem()->appendRows(items);
    syncAllItem();

    m_list = new QListView(this);
    m_list->setAccessibleName(tr("%1 değerleri").arg(columnCaption));
    m_list->setUniformItemSizes(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setModel(m_model);
    m_list->setCurrentIndex(m_model->index(0, 0));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(tr("Tamam"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("İptal"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(searchRow);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(260, 320);

    connect(m_model, &QStandardItemModel::itemChanged, this, &FilterPopup::onItemChanged);
    connect(m_search, &QLineEdit::textChanged, this, &FilterPopup::narrow);
    connect(buttons, &QDialogButtonBox::accepted, this, &FilterPopup::apply);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    setFocusProxy(m_list);
}

QStringList FilterPopup::values() const
{
    QStringList keys;
    for (int i = 1; i < m_model->rowCount(); ++i)
        keys.append(m_model->item(i)->data(keyRole).toString());
    return keys;
}

void FilterPopup::setValueChecked(const QString &key, bool checked)
{
    for (int i = 1; i < m_model->rowCount(); ++i) {
        QStandardItem *item = m_model->item(i);
        if (item->data(keyRole).toString() == key)
            item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

QSet<QString> FilterPopup::checkedKeys() const
{
    QSet<QString> keys;
    for (int i = 1; i < m_model->rowCount(); ++i) {
        const QStandardItem *item = m_model->item(i);
        if (item->checkState() == Qt::Checked)
            keys.insert(item->data(keyRole).toString());
    }
    return keys;
}

bool FilterPopup::allChecked() const
{
    return m_checked == m_model->rowCount() - 1;
}

void FilterPopup::apply()
{
    Q_EMIT applied(checkedKeys(), allChecked());
    close();
}

void FilterPopup::onItemChanged(QStandardItem *item)
{
    if (m_updating)
        return;
    if (item == m_all) {
        // "(Tümü)" ticks or clears the values that the search line leaves in view.
        const Qt::CheckState state = m_all->checkState() == Qt::Unchecked ? Qt::Unchecked : Qt::Checked;
        m_updating = true;
        for (int i = 1; i < m_model->rowCount(); ++i) {
            QStandardItem *value = m_model->item(i);
            if (!m_list->isRowHidden(i) && value->checkState() != state) {
                value->setCheckState(state);
                m_checked += state == Qt::Checked ? 1 : -1;
            }
        }
        m_updating = false;
    } else {
        m_checked += item->checkState() == Qt::Checked ? 1 : -1;
    }
    syncAllItem();
}

void FilterPopup::syncAllItem()
{
    const int values = m_model->rowCount() - 1;
    m_updating = true;
    m_all->setCheckState(m_checked == values ? Qt::Checked : m_checked == 0 ? Qt::Unchecked : Qt::PartiallyChecked);
    m_updating = false;
}

void FilterPopup::narrow(const QString &text)
{
    const QString wanted = locale().toUpper(text.trimmed());
    for (int i = 1; i < m_model->rowCount(); ++i)
        m_list->setRowHidden(i, !wanted.isEmpty() && !locale().toUpper(m_model->item(i)->text()).contains(wanted));
}

void FilterPopup::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        apply();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

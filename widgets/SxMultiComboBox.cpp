#include "SxMultiComboBox.h"

#include <QAbstractItemView>
#include <QStandardItemModel>
#include <QStylePainter>

SxMultiComboBox::SxMultiComboBox(QWidget *parent) : QComboBox(parent), m_model(new QStandardItemModel(this))
{
    setModel(m_model);
    // A click toggles the item and keeps the list open.
    connect(view(), &QAbstractItemView::pressed, this, [this](const QModelIndex &index) {
        setItemChecked(index.row(), !isItemChecked(index.row()));
        m_keepOpen = true;
    });
}

void SxMultiComboBox::addCheckItem(const QString &text)
{
    auto item = new QStandardItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setData(Qt::Unchecked, Qt::CheckStateRole);
    m_model->appendRow(item);
}

void SxMultiComboBox::setItemChecked(int index, bool checked)
{
    QStandardItem *item = m_model->item(index);
    if (!item)
        return;
    item->setData(checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    update();
    emit checkedChanged(checkedMask());
}

bool SxMultiComboBox::isItemChecked(int index) const
{
    QStandardItem *item = m_model->item(index);
    return item && item->data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

void SxMultiComboBox::setCheckedMask(int mask)
{
    for (int i = 0; i < m_model->rowCount(); ++i) {
        QStandardItem *item = m_model->item(i);
        item->setData((i < 31 && (mask >> i) & 1) ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    }
    update();
    emit checkedChanged(checkedMask());
}

int SxMultiComboBox::checkedMask() const
{
    int mask = 0;
    for (int i = 0; i < m_model->rowCount() && i < 31; ++i)
        if (isItemChecked(i))
            mask |= 1 << i;
    return mask;
}

QString SxMultiComboBox::checkedText() const
{
    QStringList texts;
    for (int i = 0; i < m_model->rowCount(); ++i)
        if (isItemChecked(i))
            texts << m_model->item(i)->text();
    return texts.join(QLatin1Char(','));
}

void SxMultiComboBox::hidePopup()
{
    if (m_keepOpen) {
        m_keepOpen = false;
        return;
    }
    QComboBox::hidePopup();
}

void SxMultiComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = checkedText();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

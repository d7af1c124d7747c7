// A combo box whose items are check boxes; the checked items form a bit mask (item i = bit i).
// The line shows the checked items' texts separated by commas.
#pragma once

#include <QComboBox>

class QStandardItemModel;

class SxMultiComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit SxMultiComboBox(QWidget *parent = nullptr);

    void addCheckItem(const QString &text);
    void setItemChecked(int index, bool checked);
    bool isItemChecked(int index) const;
    void setCheckedMask(int mask);
    int checkedMask() const;
    QString checkedText() const;

signals:
    void checkedChanged(int mask);

protected:
    void hidePopup() override;
    void paintEvent(QPaintEvent *event) override;

private:
    QStandardItemModel *m_model = nullptr;
    bool m_keepOpen = false;
};

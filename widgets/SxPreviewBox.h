// The pop-up of a preset or template button: a small drawing of the stored layout (panels in grey,
// numbered windows in blue), or "Not Used" when nothing is stored. Owned by its SxPreviewBoxButton.
#pragma once

#include "Records.h"

#include <QDialog>
#include <QList>
#include <QRectF>

class SxPreviewBox : public QDialog
{
    Q_OBJECT
public:
    explicit SxPreviewBox(QWidget *parent = nullptr);

    // Scales the record's panels and windows into the box and resizes the box to fit them.
    void setRecord(const INFO_PRESET &record);
    void clear();
    bool isEmpty() const { return m_panels.isEmpty(); }
    QList<QRectF> panelRects() const { return m_panels; }
    QList<QRectF> windowRects() const { return m_windows; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QRectF> m_panels;
    QList<QRectF> m_windows;
};

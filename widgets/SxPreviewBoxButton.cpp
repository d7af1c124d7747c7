#include "SxPreviewBoxButton.h"
#include "SxPreviewBox.h"

#include <QMouseEvent>

SxPreviewBoxButton::SxPreviewBoxButton(QWidget *parent) : QCommandLinkButton(parent)
{
    setCheckable(true);
    setAutoExclusive(true);
    setIconSize(QSize(30, 30));
    m_preview = new SxPreviewBox(this);
}

void SxPreviewBoxButton::setPreset(const INFO_PRESET &preset)
{
    m_record = preset;
    m_hasData = true;
    m_preview->setRecord(preset);
}

void SxPreviewBoxButton::setTemplate(const INFO_TEMPLATE &templ)
{
    INFO_PRESET p;
    p.id = templ.templateId;
    p.group = templ.group;
    p.panels = templ.panels;
    p.windows = templ.windows;
    setPreset(p);
}

void SxPreviewBoxButton::clearData()
{
    m_record = INFO_PRESET();
    m_record.id = m_id;
    m_hasData = false;
    m_preview->clear();
    // An auto-exclusive button cannot be unchecked directly.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

bool SxPreviewBoxButton::hasData() const
{
    return m_hasData && !m_preview->isEmpty();
}

void SxPreviewBoxButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !hasData())
        return;
    setChecked(true);
    emit emitDoubleClicked();
}

void SxPreviewBoxButton::enterEvent(QEvent *event)
{
    QCommandLinkButton::enterEvent(event);
    m_preview->move(mapToGlobal(rect().topRight()) + QPoint(2, 0));
    m_preview->show();
}

void SxPreviewBoxButton::leaveEvent(QEvent *event)
{
    QCommandLinkButton::leaveEvent(event);
    m_preview->hide();
}

// A preset or template button of the input panel. Holds the id and the stored layout, shown in an
// SxPreviewBox that pops up beside the button while the mouse is over it. Only a button that holds
// a layout reacts to a double click.
#pragma once

#include "Records.h"

#include <QCommandLinkButton>

class SxPreviewBox;

class SxPreviewBoxButton : public QCommandLinkButton
{
    Q_OBJECT
public:
    explicit SxPreviewBoxButton(QWidget *parent = nullptr);

    void setId(int id) { m_id = id; }
    int id() const { return m_id; }

    void setPreset(const INFO_PRESET &preset);
    void setTemplate(const INFO_TEMPLATE &templ);
    // Back to empty ("Not Used").
    void clearData();
    bool hasData() const;
    INFO_PRESET record() const { return m_record; }
    SxPreviewBox *previewBox() const { return m_preview; }

signals:
    void emitDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    int m_id = 0;
    bool m_hasData = false;
    INFO_PRESET m_record;
    SxPreviewBox *m_preview = nullptr;
};

// A source button of the input panel: one input of the current device, with its source id. For the
// device types that report signal presence it shows an online or offline mark; on a GW device its
// context menu offers switching every window to this input.
#pragma once

#include <QCommandLinkButton>
#include <functional>

class SxSignalBoxButton : public QCommandLinkButton
{
    Q_OBJECT
public:
    explicit SxSignalBoxButton(QWidget *parent = nullptr);

    void setSourceId(int id) { m_sourceId = id; }
    int sourceId() const { return m_sourceId; }
    // Has-signal state, the input type id (selects the icon) and the device type (selects whether
    // the state is shown and whether "Apply to all windows" is offered).
    void setSignalState(bool hasSignal, int inputTypeId, int deviceType);
    bool hasSignal() const { return m_hasSignal; }
    bool showSignal() const { return m_showSignal; }
    bool applyToAll() const { return m_applyToAll; }

    // Icon resource of an input type id (block of 16 ids per connector kind); empty when none.
    static QString iconForType(int inputTypeId);

    // Asks the apply-to-all question; replaceable so that tests can answer it.
    using Confirm = std::function<bool(QWidget *parent, const QString &text)>;
    static void setConfirm(Confirm confirm);
    // Runs "Apply to all windows" as if chosen from the context menu.
    void applyToAllWindows();

signals:
    void emitDoubleClicked();
    void emitApplyToAllWindow(int id);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_sourceId = 0;
    bool m_hasSignal = false;
    bool m_showSignal = false;
    bool m_applyToAll = false;
};

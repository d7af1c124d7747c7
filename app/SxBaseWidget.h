// Frameless dialog base of the main window and of every dialog. Loads the application style sheet
// (":/file/black.qss"), moves the window when the user drags an empty area and resizes it at its
// 8-pixel border; corners win over edges, and a point on a child widget is left to the child.
//
// A dialog derives from SxBaseWidget instead of QDialog and keeps its usual .ui form; the form has a
// QWidget named "dialogTitle" promoted to SxDialogTitle (header "SxDialogTitle.h") at the top, and
// the dialog sets the title text with ui->dialogTitle->setTitle(tr("...")). The title's close
// button closes the dialog (reject for a modal one).
//
// Where the window system has no non-client hit-test message (Linux), a press at the border or on an
// empty area hands the move or resize to the window system (QWindow::startSystemMove/Resize); when
// the platform cannot do that (offscreen, some X11 window managers) the window follows the mouse
// events itself. A press that a child lets through (a label, an empty title bar) drags the window.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>

class SxBaseWidget : public QDialog
{
    Q_OBJECT
public:
    // Window-border zone of a point, in window coordinates.
    enum Zone { ZoneNone, ZoneCaption, ZoneLeft, ZoneRight, ZoneTop, ZoneBottom,
                ZoneTopLeft, ZoneTopRight, ZoneBottomLeft, ZoneBottomRight };

    explicit SxBaseWidget(QWidget *parent = nullptr);

    // The native hit-test answer: ZoneNone on a child widget, otherwise zoneAt().
    Zone hitZone(const QPoint &pos) const;
    // The zone rules alone for a window of the given size: caption, refined by the edges and then
    // the corners, each later match winning; ZoneNone outside the window.
    static Zone zoneAt(const QPoint &pos, const QSize &size, int border);
    static Qt::Edges edgesOf(Zone zone);
    int borderWidth() const { return resizeBorder; }
    bool isDragging() const { return dragging; }
    bool isResizing() const { return resizeZone != ZoneNone; }

    // Makes the application resources (style sheet, icons) available when the widgets are linked
    // statically; called by the constructor, safe to call more than once.
    static void initResources();
    // The text of ":/file/black.qss"; empty when the resource is missing.
    static QString applicationStyleSheet();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;

private:
    void updateCursor(Zone zone);
    void resizeTo(const QPoint &globalPos);

    bool dragging = false;
    bool movePending = false; // pressed on the caption, not moved far enough yet
    int dragX = 0;
    int dragY = 0;
    int resizeBorder = 8;
    // Resizing by mouse events: the zone taken at the press, the geometry and cursor at that time.
    Zone resizeZone = ZoneNone;
    QRect pressGeometry;
    QPoint pressGlobal;
};

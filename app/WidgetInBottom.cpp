#include "WidgetInBottom.h"
#include "ui_WidgetInBottom.h"

#include "DEVICE_INFO_GW.h"
#include "DEVICE_INFO_KS.h"
#include "DeviceLookup.h"
#include "KS9200Interface.h"

#include <QPixmap>
#include <QSignalBlocker>

namespace {
constexpr int DebounceMs = 900;
constexpr int MinimumSize = 64;
// The geometry frame carries 16-bit values.
constexpr int MaxFrameValue = 0xFFFF;

const QPixmap &onlinePixmap()
{
    static const QPixmap pixmap(QStringLiteral("://sysButton/online.png"));
    return pixmap;
}

const QPixmap &offlinePixmap()
{
    static const QPixmap pixmap(QStringLiteral("://sysButton/offline.png"));
    return pixmap;
}
}

WidgetInBottom::WidgetInBottom(QWidget *parent) : QWidget(parent), ui(new Ui::WidgetInBottom), m_timer(this)
{
    ui->setupUi(this);
    m_timer.setObjectName(QStringLiteral("debounceTimer"));
    m_timer.setSingleShot(true);
    m_timer.setInterval(DebounceMs);
    connect(&m_timer, &QTimer::timeout, this, &WidgetInBottom::onTimeout);
    setOnline(false);
}

WidgetInBottom::~WidgetInBottom()
{
    delete ui;
}

void WidgetInBottom::setOnline(bool online)
{
    m_online = online;
    ui->label_online->setPixmap(online ? onlinePixmap() : offlinePixmap());
    ui->label_status->setText(online ? tr("online") : tr("offline"));
}

void WidgetInBottom::switchLanguage()
{
    ui->retranslateUi(this);
    setOnline(m_online);
}

QRect WidgetInBottom::spinRect() const
{
    return QRect(ui->spinBox_x->value(), ui->spinBox_y->value(), ui->spinBox_w->value(),
                 ui->spinBox_h->value());
}

void WidgetInBottom::onViewItemPosChange(int id, QRect rect, QRect rectPanel)
{
    // Filling from the canvas is not an edit: no clamping pass is started.
    {
        const QSignalBlocker bx(ui->spinBox_x), by(ui->spinBox_y), bw(ui->spinBox_w), bh(ui->spinBox_h);
        ui->spinBox_x->setValue(rect.x());
        ui->spinBox_y->setValue(rect.y());
        ui->spinBox_w->setValue(rect.width());
        ui->spinBox_h->setValue(rect.height());
    }
    m_timer.stop();
    m_rectPanel = rectPanel;
    m_windowID = id;
    emit emitSetWindowID(id);
}

void WidgetInBottom::spinChanged(int which)
{
    m_changed = which;
    m_timer.start();
}

void WidgetInBottom::on_spinBox_x_valueChanged(int)
{
    spinChanged(1);
}

void WidgetInBottom::on_spinBox_y_valueChanged(int)
{
    spinChanged(2);
}

void WidgetInBottom::on_spinBox_w_valueChanged(int)
{
    spinChanged(3);
}

void WidgetInBottom::on_spinBox_h_valueChanged(int)
{
    spinChanged(4);
}

// Brings the last changed value back into the panel. Each correction changes a spin box and so
// restarts the timer; the bounds below never push a value back out, so the values settle even
// when the window is larger than its panel.
void WidgetInBottom::onTimeout()
{
    const QRect r = spinRect();
    const QRect &p = m_rectPanel;
    const bool inside = p.isValid() && p.contains(r);
    switch (m_changed) {
    case 1:
        if (!p.isValid() || inside)
            break;
        if (r.x() < p.x())
            ui->spinBox_x->setValue(p.x());
        else if (r.x() + r.width() > p.x() + p.width())
            ui->spinBox_x->setValue(qMax(p.x(), p.x() + p.width() - r.width()));
        break;
    case 2:
        if (!p.isValid() || inside)
            break;
        if (r.y() < p.y())
            ui->spinBox_y->setValue(p.y());
        else if (r.y() + r.height() > p.y() + p.height())
            ui->spinBox_y->setValue(qMax(p.y(), p.y() + p.height() - r.height()));
        break;
    case 3:
        if (r.width() < MinimumSize)
            ui->spinBox_w->setValue(MinimumSize);
        else if (p.isValid() && !inside)
            ui->spinBox_w->setValue(qMax(MinimumSize, p.x() + p.width() - r.x()));
        break;
    case 4:
        if (r.height() < MinimumSize)
            ui->spinBox_h->setValue(MinimumSize);
        else if (p.isValid() && !inside)
            ui->spinBox_h->setValue(qMax(MinimumSize, p.y() + p.height() - r.y()));
        break;
    default:
        break;
    }
}

void WidgetInBottom::on_btn_ok_clicked()
{
    if (m_windowID == -1 || !DeviceLookup::record())
        return;
    const QRect r = spinRect();
    if (DeviceLookup::ksRecord()) {
        emit emitSetWindowPos(r, false);
        emit emitWriteData(KS9200Interface::setWindowGeometryFrame(
            m_windowID, qMin(r.x(), MaxFrameValue), qMin(r.y(), MaxFrameValue),
            qMin(r.width(), MaxFrameValue), qMin(r.height(), MaxFrameValue)));
    } else if (DeviceLookup::gwRecord()) {
        emit emitSetWindowPos(r, true);
    }
}

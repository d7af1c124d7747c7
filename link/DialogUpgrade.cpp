#include "DialogUpgrade.h"
#include "ui_DialogUpgrade.h"

#include "CommandFrame.h"
#include "DeviceLookup.h"
#include "FrameCodec.h"

#include <QDebug>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMetaMethod>
#include <QTime>
#include <QTimer>

namespace {
constexpr uint8_t SubBoot = 0x00;
constexpr uint8_t SubStart = 0x01;
constexpr uint8_t SubBlock = 0x02;
} // namespace

DialogUpgrade::DialogUpgrade(QWidget *parent)
    : SxBaseWidget(parent)
    , ui(new Ui::DialogUpgrade)
{
    ui->setupUi(this);
    ui->dialogTitle->setTitle(tr("Upgrade"));
    resendTimer = new QTimer(this);
    resendTimer->setInterval(ResendMs);
    connect(resendTimer, &QTimer::timeout, this, &DialogUpgrade::onTimerResend);
}

DialogUpgrade::~DialogUpgrade()
{
    delete ui;
}

int DialogUpgrade::fileTypeOf(const QString &path)
{
    if (path.contains(QLatin1String("gw5_output_app")))
        return OutputCardFirmware;
    if (path.contains(QLatin1String("gw5_input_app")))
        return InputCardFirmware;
    if (path.contains(QLatin1String("gw5_host_app")))
        return HostFirmware;
    return UnknownFirmware;
}

QByteArray DialogUpgrade::bootFrame(int fileType)
{
    return CommandFrame(Frame::CmdUpgrade, SubBoot).u8(6, fileType).pack();
}

QByteArray DialogUpgrade::startFrame(quint32 imageSize)
{
    return CommandFrame(Frame::CmdUpgrade, SubStart)
        .u16(6, int(imageSize & 0xFFFF))
        .u16(8, int(imageSize >> 16))
        .pack();
}

QByteArray DialogUpgrade::blockFrame(int block, const QByteArray &data)
{
    // Only the low two bytes of the block sum travel; the upper two are always zero.
    const uint32_t sum = calcCheckSum(data);
    QByteArray payload;
    payload.reserve(data.size() + 6);
    payload.append(char(block & 0xFF)).append(char((block >> 8) & 0xFF));
    payload.append(data);
    payload.append(char(sum & 0xFF)).append(char((sum >> 8) & 0xFF)).append(char(0)).append(char(0));
    return makeLongFrame(Frame::CmdUpgrade, SubBlock, payload);
}

QList<QByteArray> DialogUpgrade::buildPackets(const QByteArray &image)
{
    QList<QByteArray> result;
    const int count = image.size() / BlockSize + (image.size() % BlockSize ? 1 : 0);
    result.reserve(count);
    for (int i = 0; i < count; ++i)
        result.append(blockFrame(i, image.mid(i * BlockSize, BlockSize)));
    return result;
}

void DialogUpgrade::resetUpgrade(bool udp)
{
    useUdp = udp;
    fileData.clear();
    packets.clear();
    curIndex = 0;
    errCount = 0;
    retries = 0;
    upgrading = false;
    stage = StageNone;
    resendTimer->stop();
    ui->edit_filePath->clear();
    ui->plainTextEdit->clear();
    ui->progressBar->setValue(0);
    ui->btn_upgrade->setEnabled(true);
}

void DialogUpgrade::chooseFile(const QString &path)
{
    fileType = fileTypeOf(path);
    switch (fileType) {
    case OutputCardFirmware: appendLog(tr("Upgrade file type: output card firmware")); break;
    case InputCardFirmware: appendLog(tr("Upgrade file type: input card firmware")); break;
    case HostFirmware: appendLog(tr("Upgrade file type: host firmware")); break;
    default: appendLog(tr("Upgrade file type: unknown, not upgraded")); break;
    }
    ui->progressBar->setValue(0);
    ui->edit_filePath->setText(path);
}

void DialogUpgrade::on_btn_openFile_clicked()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open File"), QString(), QStringLiteral("Bin (*.bin)"));
    if (!path.isEmpty())
        chooseFile(path);
}

void DialogUpgrade::on_btn_upgrade_clicked()
{
    if (fileType > 15) {
        appendLog(tr("Upgrade file type: unknown, not upgraded"));
        return;
    }
    const QString path = ui->edit_filePath->text();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || !info.isFile()) {
        appendLog(tr("Please select the upgrade file"));
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        appendLog(tr("The upgrade file open faild"));
        return;
    }
    const qint64 expected = file.size();
    QByteArray data = file.readAll();
    const bool whole = data.size() == expected && file.error() == QFileDevice::NoError;
    file.close();
    // A partial image must never reach the device.
    if (!whole) {
        appendLog(tr("The upgrade file could not be read completely, not upgraded"));
        return;
    }
    if (data.size() > qint64(MaxBlocks) * BlockSize) {
        appendLog(tr("The upgrade file is too large, not upgraded"));
        return;
    }
    fileData = data;
    upgrading = true;
    appendLog(tr("Ready to enter the Boot mode..."));
    curIndex = 0;
    errCount = 0;
    sendStep(StageBoot, bootFrame(fileType));
}

void DialogUpgrade::slotEnterBoot(int)
{
    // A late or repeated boot answer must not restart an exchange that has moved on or ended.
    if (!upgrading || stage != StageBoot)
        return;
    resendTimer->stop();
    ui->btn_upgrade->setEnabled(false);
    appendLog(tr("Already into the Boot mode... Start packing up the upgrade data"));
    packets = buildPackets(fileData);
    if (packets.isEmpty()) {
        upgrading = false;
        stage = StageNone;
        ui->btn_upgrade->setEnabled(true);
        appendLog(tr("Upgrade file package failure..."));
        return;
    }
    appendLog(tr("Upgrade data package finished... Ready to send upgrades"));
    sendStep(StageStart, startFrame(quint32(fileData.size())));
}

void DialogUpgrade::slotBeginUpgrade(int)
{
    if (!upgrading || stage != StageStart)
        return;
    resendTimer->stop();
    if (packets.isEmpty())
        return;
    appendLog(tr("Start sending firmware upgrades..."));
    curIndex = 0;
    ui->progressBar->setRange(0, packets.size());
    ui->progressBar->setValue(0);
    sendStep(StageBlock, packets.at(0));
}

void DialogUpgrade::slotRecvData(int res, int replyIndex, int errIndex)
{
    if (!upgrading || stage != StageBlock)
        return;
    resendTimer->stop();
    if (packets.isEmpty()) {
        upgrading = false;
        stage = StageNone;
        ui->btn_upgrade->setEnabled(true);
        return;
    }
    // The device names the block numbers; one outside the image counts as an error reply and the
    // current block goes again.
    const int blocks = packets.size();
    auto inImage = [blocks](int i) { return i >= 0 && i < blocks; };
    switch (res) {
    case 0:
        if (inImage(replyIndex)) {
            errCount = 0;
            curIndex = replyIndex + 1;
        } else {
            ++errCount;
        }
        break;
    case 1:
        ++errCount;
        if (inImage(replyIndex))
            curIndex = replyIndex;
        break;
    case 2:
        ++errCount;
        if (inImage(errIndex))
            curIndex = errIndex;
        break;
    default: break;
    }
    if (errCount >= MaxErrors) {
        fail(tr("Firmware upgrade failure..."));
        return;
    }
    if (curIndex >= blocks) {
        upgrading = false;
        stage = StageNone;
        ui->btn_upgrade->setEnabled(true);
        ui->progressBar->setValue(ui->progressBar->maximum());
        appendLog(tr("The firmware upgrade data is sent out..."));
        return;
    }
    ui->progressBar->setValue(curIndex);
    if (!packets.at(curIndex).isEmpty())
        sendStep(StageBlock, packets.at(curIndex));
}

void DialogUpgrade::slotEndUpgrade(int res)
{
    resendTimer->stop();
    appendLog(res == 0 ? tr("Firmware upgrades: success") : tr("Firmware upgrades: failure"));
}

void DialogUpgrade::onTimerResend()
{
    qDebug() << "DialogUpgrade::onTimerResend";
    ++retries;
    if (retries >= MaxSends) {
        retries = 0;
        fail(tr("Firmware upgrade failure..."));
        return;
    }
    switch (stage) {
    case StageBoot: send(bootFrame(fileType)); break;
    case StageStart: send(startFrame(quint32(fileData.size()))); break;
    case StageBlock:
        if (curIndex >= 0 && curIndex < packets.size() && !packets.at(curIndex).isEmpty())
            send(packets.at(curIndex));
        break;
    default: break;
    }
    resendTimer->start();
}

void DialogUpgrade::done(int result)
{
    if (upgrading) {
        const auto answer = QMessageBox::question(this, tr("tips"), tr("Device is being upgraded, Do you want exit?"),
                                                  QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
        // The exchange goes on while the dialog is hidden.
        SxBaseWidget::done(result);
        return;
    }
    resendTimer->stop();
    SxBaseWidget::done(result);
}

void DialogUpgrade::send(const QByteArray &frame)
{
    static const QMetaMethod streamSignal = QMetaMethod::fromSignal(&DialogUpgrade::emitSendData);
    static const QMetaMethod udpSignal = QMetaMethod::fromSignal(&DialogUpgrade::emitSendDataByUDP);
    if (useUdp) {
        if (isSignalConnected(udpSignal))
            emit emitSendDataByUDP(frame);
        else
            DeviceLookup::writeDataByUDP(frame);
    } else {
        if (isSignalConnected(streamSignal))
            emit emitSendData(frame);
        else
            DeviceLookup::writeData(frame);
    }
}

void DialogUpgrade::sendStep(int newStage, const QByteArray &frame)
{
    stage = newStage;
    retries = 0;
    send(frame);
    resendTimer->start();
}

void DialogUpgrade::appendLog(const QString &text)
{
    ui->plainTextEdit->appendPlainText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss  ")) + text);
}

void DialogUpgrade::fail(const QString &text)
{
    resendTimer->stop();
    appendLog(text);
    packets.clear();
    curIndex = 0;
    errCount = 0;
    upgrading = false;
    stage = StageNone;
    ui->btn_upgrade->setEnabled(true);
}

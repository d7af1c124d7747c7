// Firmware upgrade of a GW device's host, input or output card. Owned by the main window, created
// once and reset by resetUpgrade() each time it is opened. The dialog builds the boot request,
// the start-of-data request and one data-block frame per 512 bytes of the image, and sends them
// one step at a time: each step is driven by the device's reply (the slots below, connected to
// the GW5Interface's emitUpgrade00..03) and guarded by a 3000 ms resend timer that sends a step
// at most four times in all before the attempt fails. Every step is logged with a time stamp.
//
// Frames leave through emitSendData (stream link) or emitSendDataByUDP (network devices, see
// resetUpgrade). When nothing is connected to the chosen signal, the frame goes straight to
// DeviceLookup::writeData / writeDataByUDP instead.
#pragma once

#include "SxBaseWidget.h"

#include <QByteArray>
#include <QList>

class QTimer;

namespace Ui {
class DialogUpgrade;
}

class DialogUpgrade : public SxBaseWidget
{
    Q_OBJECT
public:
    static constexpr int BlockSize = 512;
    static constexpr int MaxBlocks = 65536; // block numbers travel as u16
    static constexpr int ResendMs = 3000;
    static constexpr int MaxSends = 4;      // first send and three resends
    static constexpr int MaxErrors = 6;     // consecutive error replies that end the attempt
    enum FileType { HostFirmware = 0, InputCardFirmware = 1, OutputCardFirmware = 2, UnknownFirmware = 16 };
    enum Stage { StageBoot = 0, StageStart = 1, StageBlock = 2, StageNone = 10 };

    explicit DialogUpgrade(QWidget *parent = nullptr);
    ~DialogUpgrade() override;

    // Called right before the dialog is shown; useUdp for a device reached over the network.
    void resetUpgrade(bool useUdp);
    // What choosing `path` in the file dialog does: kind by name marker, log, progress 0, path edit.
    void chooseFile(const QString &path);

    // Image kind by case-sensitive name marker anywhere in the path (output, input, host order).
    static int fileTypeOf(const QString &path);
    static QByteArray bootFrame(int fileType);
    static QByteArray startFrame(quint32 imageSize);
    // One data-block frame: 5A 5A, length n + 13, F2 02, block u16, bytes, block sum (4), checksum.
    static QByteArray blockFrame(int block, const QByteArray &data);
    // The image cut into 512-byte blocks (the last one holds the remainder), one frame each.
    static QList<QByteArray> buildPackets(const QByteArray &image);

    // State, for the main window and the tests.
    bool isUpgrading() const { return upgrading; }
    bool usesUdp() const { return useUdp; }
    int currentIndex() const { return curIndex; }
    int errorCount() const { return errCount; }
    int fileKind() const { return fileType; }
    int currentStage() const { return stage; }
    int packetCount() const { return packets.size(); }
    QTimer *timer() const { return resendTimer; }

signals:
    void emitSendData(QByteArray data);
    void emitSendDataByUDP(QByteArray data);

public slots:
    void onTimerResend();
    void slotEnterBoot(int param);
    void slotBeginUpgrade(int param);
    void slotRecvData(int res, int curIndex, int errIndex);
    void slotEndUpgrade(int res);

protected:
    // Accept, reject and the title's close button all end here: asks first while upgrading.
    void done(int result) override;

private slots:
    void on_btn_openFile_clicked();
    void on_btn_upgrade_clicked();

private:
    void send(const QByteArray &frame);
    void sendStep(int newStage, const QByteArray &frame);
    void appendLog(const QString &text);
    void fail(const QString &text);

    Ui::DialogUpgrade *ui;
    QByteArray fileData;
    QList<QByteArray> packets;
    int curIndex = 0;
    int errCount = 0;
    int retries = 0;
    int fileType = HostFirmware;
    bool upgrading = false;
    bool useUdp = false;
    QTimer *resendTimer = nullptr;
    int stage = StageNone;
};

#include "DialogRemoteControl.h"
#include "ui_DialogRemoteControl.h"

#include "RemoteControl.h"

#include <QEvent>
#include <QRandomGenerator>
#include <QRegularExpression>

DialogRemoteControl::DialogRemoteControl(QWidget *parent)
    : SxBaseWidget(parent), ui(new Ui::DialogRemoteControl)
{
    ui->setupUi(this);
    ui->edit_token->setMaxLength(128);
    // Any edit checks the form again; the reason a start failed goes with it.
    const auto edited = [this] {
        failure.clear();
        check();
    };
    for (QLineEdit *e : {ui->edit_address, ui->edit_token, ui->edit_allow})
        connect(e, &QLineEdit::textChanged, this, edited);
    for (QSpinBox *s : {ui->spin_oscPort, ui->spin_httpPort})
        connect(s, QOverload<int>::of(&QSpinBox::valueChanged), this, edited);
    connect(ui->check_enabled, &QCheckBox::toggled, this, edited);
    retranslateTexts();
}

DialogRemoteControl::~DialogRemoteControl()
{
    delete ui;
}

void DialogRemoteControl::setRemoteControl(RemoteControl *c)
{
    if (control)
        disconnect(control, nullptr, this, nullptr);
    control = c;
    if (c)
        connect(c, &RemoteControl::emitStateChanged, this, [this] { showState(); });
    showState();
}

void DialogRemoteControl::setSettings(const RemoteSettings &s)
{
    shown = s;
    ui->check_enabled->setChecked(s.enabled);
    ui->edit_address->setText(s.bindAddress);
    ui->spin_oscPort->setValue(s.oscPort);
    ui->spin_httpPort->setValue(s.httpPort);
    ui->edit_token->setText(s.token);
    ui->edit_allow->setText(s.oscAllowList.join(QStringLiteral(", ")));
    failure.clear();
    check();
    showState();
}

RemoteSettings DialogRemoteControl::settings() const
{
    RemoteSettings s = shown;
    s.enabled = ui->check_enabled->isChecked();
    s.bindAddress = ui->edit_address->text().trimmed();
    s.oscPort = quint16(ui->spin_oscPort->value());
    s.httpPort = quint16(ui->spin_httpPort->value());
    s.token = ui->edit_token->text().trimmed();
    s.oscAllowList = splitSenders(ui->edit_allow->text());
    return s;
}

QStringList DialogRemoteControl::splitSenders(const QString &text)
{
    return text.split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts);
}

QString DialogRemoteControl::makeToken()
{
    static const char letters[] = "ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789";
    QString token;
    for (int i = 0; i < 24; ++i)
        token += QLatin1Char(letters[QRandomGenerator::system()->bounded(int(sizeof(letters) - 1))]);
    return token;
}

void DialogRemoteControl::check()
{
    const RemoteSettings s = settings();
    const QString problem = s.enabled ? s.problem() : QString();
    ui->label_problem->setText(problem.isEmpty() ? failure : problem);
    ui->label_problem->setVisible(!ui->label_problem->text().isEmpty());
    ui->btn_ok->setEnabled(problem.isEmpty());

    QString hint;
    if (!s.address().isNull()) {
        if (s.isLoopback())
            hint = tr("Only programs on this computer can connect.");
        else if (s.oscAllowList.isEmpty())
            hint = tr("Other computers can connect over HTTP with the token. No OSC sender is listed, so OSC "
                      "messages are taken from this computer only.");
        else
            hint = tr(
                "Other computers can connect: over HTTP with the token, over OSC from the senders listed.");
    }
    ui->label_hint->setText(hint);
    ui->label_hint->setVisible(!hint.isEmpty());
}

void DialogRemoteControl::showState()
{
    QString text = tr("Not running");
    if (control && control->isRunning()) {
        const RemoteSettings now = control->settings();
        const auto port = [this](quint16 p) { return p ? QString::number(p) : tr("off"); };
        text = tr("Running on %1: OSC port %2, HTTP port %3")
                   .arg(now.bindAddress, port(control->oscPort()), port(control->httpPort()));
    } else if (control && !control->lastError().isEmpty()) {
        text = tr("Not running: %1").arg(control->lastError());
    }
    ui->label_status->setText(text);
}

void DialogRemoteControl::on_btn_ok_clicked()
{
    const RemoteSettings s = settings();
    if (s.enabled && !s.problem().isEmpty())
        return;
    QString error;
    if (applyFn && !applyFn(s, &error)) {
        failure = tr("The servers could not start: %1").arg(error);
        check();
        showState();
        return;
    }
    shown = s;
    failure.clear();
    accept();
}

void DialogRemoteControl::on_btn_cancel_clicked()
{
    reject();
}

void DialogRemoteControl::on_btn_generate_clicked()
{
    ui->edit_token->setText(makeToken());
}

void DialogRemoteControl::retranslateTexts()
{
    setWindowTitle(tr("Remote control"));
    ui->dialogTitle->setTitle(windowTitle());
    check();
    showState();
}

void DialogRemoteControl::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslateTexts();
    }
    SxBaseWidget::changeEvent(event);
}

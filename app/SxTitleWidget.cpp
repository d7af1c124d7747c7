#include "SxTitleWidget.h"

#include "INFO_BASIC.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QToolButton>

namespace {
struct CommandInfo
{
    const char *icon;
    const char *text;
};

// Row order of the command buttons, with their icons and (untranslated) texts.
const CommandInfo kCommands[SxTitleWidget::CommandCount] = {
    {"icon_search.png", QT_TRANSLATE_NOOP("SxTitleWidget", "Search")},
    {"icon_synchronous.png", QT_TRANSLATE_NOOP("SxTitleWidget", "Sync")},
    {"icon_outputSettings.png", QT_TRANSLATE_NOOP("SxTitleWidget", "Output")},
    {"icon_edid.png", QT_TRANSLATE_NOOP("SxTitleWidget", "EDID")},
    {"icon_audio.png", QT_TRANSLATE_NOOP("SxTitleWidget", "Audio")},
    {"icon_imageQuality.png", QT_TRANSLATE_NOOP("SxTitleWidget", "Image")},
    {"icon_testPicCard.png", QT_TRANSLATE_NOOP("SxTitleWidget", "Test")},
    {"icon_usb.png", QT_TRANSLATE_NOOP("SxTitleWidget", "USB")},
    {"icon_upgrade.png", QT_TRANSLATE_NOOP("SxTitleWidget", "Upgrade")},
    {"icon_factorySet.png", QT_TRANSLATE_NOOP("SxTitleWidget", "Factory")},
    {"MultiMachine.png", QT_TRANSLATE_NOOP("SxTitleWidget", "MultiMachine")},
};

QPushButton *windowButton(QWidget *parent, const char *name)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setFixedSize(32, 32);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}
} // namespace

SxTitleWidget::SxTitleWidget(QWidget *parent)
    : QWidget(parent)
{
    qRegisterMetaType<LANGUAGE>("LANGUAGE");
    setObjectName(QStringLiteral("TitleWidget"));

    label_caption = new QLabel(this);
    label_caption->setObjectName(QStringLiteral("label_caption"));
    btn_logo = windowButton(this, "btn_logo");
    btn_logo->setFixedSize(40, 40);
    btn_menu = windowButton(this, "btn_menu");
    btn_min = windowButton(this, "btn_min");
    btn_restore = windowButton(this, "btn_restore");
    btn_max = windowButton(this, "btn_max");
    btn_close = windowButton(this, "btn_close");
    btn_restore->hide();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 0, 4, 0);
    layout->setSpacing(2);
    layout->addWidget(btn_logo);
    layout->addWidget(btn_menu);
    layout->addSpacing(8);
    for (int c = 0; c < CommandCount; ++c) {
        auto *b = new QToolButton(this);
        b->setObjectName(QStringLiteral("mainToolButton"));
        b->setProperty("command", QLatin1String(kCommands[c].text));
        b->setIcon(QIcon(QStringLiteral(":/toolButton/toolButton/") + QLatin1String(kCommands[c].icon)));
        b->setIconSize(QSize(28, 28));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setMinimumWidth(64);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, c] { onCommand(c); });
        buttons << b;
        layout->addWidget(b);
    }
    layout->addStretch();
    layout->addWidget(label_caption);
    layout->addSpacing(12);
    layout->addWidget(btn_min, 0, Qt::AlignTop);
    layout->addWidget(btn_restore, 0, Qt::AlignTop);
    layout->addWidget(btn_max, 0, Qt::AlignTop);
    layout->addWidget(btn_close, 0, Qt::AlignTop);
    setFixedHeight(64);

    menu = new QMenu(this);
    languageGroup = new QActionGroup(this);
    languageGroup->setExclusive(true);
    actEnglish = menu->addAction(QStringLiteral("English"));
    actSimplified = menu->addAction(QStringLiteral("简体中文"));
    actTraditional = menu->addAction(QStringLiteral("繁體中文"));
    int n = 0;
    for (QAction *a : {actEnglish, actSimplified, actTraditional}) {
        a->setCheckable(true);
        a->setData(n++);
        languageGroup->addAction(a);
    }
    menu->addSeparator();
    addConfigActions();
    actReconnect = menu->addAction(QString());
    actReconnect->setObjectName(QStringLiteral("action_reconnect"));
    actReconnect->setCheckable(true);
    actReconnect->setChecked(true);
    actRemoteControl = menu->addAction(QString());
    actRemoteControl->setObjectName(QStringLiteral("action_remoteControl"));
    actDiagnostics = menu->addAction(QString());
    actDiagnostics->setObjectName(QStringLiteral("action_diagnostics"));
    actAbout = menu->addAction(QString());
    connect(languageGroup, &QActionGroup::triggered, this, &SxTitleWidget::onLanguageTriggered);
    connect(actAbout, &QAction::triggered, this, &SxTitleWidget::onAboutUs);
    connect(actDiagnostics, &QAction::triggered, this, &SxTitleWidget::emitOpenDiagnostics);
    connect(actRemoteControl, &QAction::triggered, this, &SxTitleWidget::emitOpenRemoteControl);
    connect(actReconnect, &QAction::toggled, this, &SxTitleWidget::emitReconnectChanged);

    connect(btn_menu, &QPushButton::clicked, this, &SxTitleWidget::on_clicked_btn_menu);
    connect(btn_max, &QPushButton::clicked, this, &SxTitleWidget::on_clicked_btn_max);
    connect(btn_restore, &QPushButton::clicked, this, &SxTitleWidget::on_clicked_btn_restore);
    connect(btn_min, &QPushButton::clicked, this, [this] { window()->showMinimized(); });
    connect(btn_close, &QPushButton::clicked, this, [this] { window()->close(); });
    retranslate();
}

void SxTitleWidget::setLanguage(int language)
{
    QAction *a = languageAction(language);
    if (a) {
        a->setChecked(true);
        return;
    }
    // No language of ours: leave every action unchecked.
    languageGroup->setExclusive(false);
    for (QAction *x : {actEnglish, actSimplified, actTraditional})
        x->setChecked(false);
    languageGroup->setExclusive(true);
}

void SxTitleWidget::setReconnect(bool on)
{
    const QSignalBlocker quiet(actReconnect);
    actReconnect->setChecked(on);
}

void SxTitleWidget::setDevice(const INFO_BASIC *device)
{
    if (!device)
        return;
    if (device->type != typeShown)
        typeShown = device->type;
    buttons.at(CmdUSB)->setVisible(device->hasUsb);
    if (typeShown == 20) {
        buttons.at(CmdUpgrade)->hide();
        buttons.at(CmdEDID)->hide();
        buttons.at(CmdAudio)->show();
        buttons.at(CmdTest)->show();
    } else if (typeShown == 48) {
        buttons.at(CmdAudio)->hide();
        buttons.at(CmdTest)->hide();
        buttons.at(CmdUpgrade)->show();
        buttons.at(CmdEDID)->show();
    } else {
        buttons.at(CmdUpgrade)->hide();
        buttons.at(CmdAudio)->show();
        buttons.at(CmdTest)->show();
        buttons.at(CmdEDID)->show();
    }
}

void SxTitleWidget::setCurrentDeviceName(const QString &name)
{
    deviceName = name;
    label_caption->setText(tr("current device: %1").arg(deviceName));
}

void SxTitleWidget::retranslate()
{
    for (int c = 0; c < CommandCount; ++c)
        buttons.at(c)->setText(tr(kCommands[c].text));
    btn_menu->setToolTip(tr("main menu"));
    btn_min->setToolTip(tr("min"));
    btn_max->setToolTip(tr("max"));
    btn_restore->setToolTip(tr("restore"));
    btn_close->setToolTip(tr("close"));
    actReconnect->setText(tr("Reconnect automatically"));
    actRemoteControl->setText(tr("Remote control…"));
    actDiagnostics->setText(tr("Diagnostics"));
    actAbout->setText(tr("About"));
    retranslateConfigActions();
    label_caption->setText(tr("current device: %1").arg(deviceName));
}

void SxTitleWidget::addConfigActions()
{
    static const char *const names[ConfigCommandCount] = {"action_saveConfig", "action_restoreConfig",
                                                          "action_openConfig", "action_restoreTo"};
    for (int c = 0; c < ConfigCommandCount; ++c) {
        QAction *a = menu->addAction(QString());
        a->setObjectName(QLatin1String(names[c]));
        configActions << a;
    }
    connect(configActions[ConfigSave], &QAction::triggered, this, &SxTitleWidget::emitSaveConfig);
    connect(configActions[ConfigRestore], &QAction::triggered, this, &SxTitleWidget::emitRestoreConfig);
    connect(configActions[ConfigOpen], &QAction::triggered, this, &SxTitleWidget::emitOpenConfig);
    connect(configActions[ConfigRestoreTo], &QAction::triggered, this, &SxTitleWidget::emitRestoreTo);
    configActions[ConfigRestoreTo]->setEnabled(false);
    menu->addSeparator();
}

void SxTitleWidget::retranslateConfigActions()
{
    configActions[ConfigSave]->setText(tr("Save configuration…"));
    configActions[ConfigRestore]->setText(tr("Restore configuration…"));
    configActions[ConfigOpen]->setText(tr("Open configuration…"));
    configActions[ConfigRestoreTo]->setText(tr("Restore to…"));
}

void SxTitleWidget::setRestoreToEnabled(bool enabled)
{
    configActions[ConfigRestoreTo]->setEnabled(enabled);
}

QAction *SxTitleWidget::languageAction(int language) const
{
    switch (language) {
    case LANGUAGE_EN: return actEnglish;
    case LANGUAGE_ZH_CN: return actSimplified;
    case LANGUAGE_ZH_TW: return actTraditional;
    default: return nullptr;
    }
}

QString SxTitleWidget::productName()
{
    return QStringLiteral("Video Processor");
}

QString SxTitleWidget::productVersion()
{
    return QStringLiteral("1.0.0");
}

void SxTitleWidget::on_clicked_btn_menu()
{
    menu->popup(btn_menu->mapToGlobal(QPoint(0, 25)));
}

void SxTitleWidget::on_clicked_btn_max()
{
    showMaximisedState(true);
    window()->showMaximized();
}

void SxTitleWidget::on_clicked_btn_restore()
{
    showMaximisedState(false);
    window()->showNormal();
}

void SxTitleWidget::onAboutUs()
{
    auto *box = new QMessageBox(QMessageBox::Information, tr("About"),
                                tr("%1\nVersion %2").arg(productName(), productVersion()), QMessageBox::Ok,
                                window());
    box->setObjectName(QStringLiteral("aboutBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->exec();
}

void SxTitleWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    if (window()->isMaximized())
        on_clicked_btn_restore();
    else
        on_clicked_btn_max();
}

void SxTitleWidget::paintEvent(QPaintEvent *)
{
    QStyleOption opt;
    opt.initFrom(this);
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_Widget, &opt, &p, this);
}

void SxTitleWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void SxTitleWidget::onCommand(int c)
{
    switch (c) {
    case CmdSearch: emit emitSearch(0); break;
    case CmdSync: emit emitSync(); break;
    case CmdOutput: emit emitOutputSetting(); break;
    case CmdEDID: emit emitEDID(); break;
    case CmdAudio: emit emitAudioSetting(); break;
    case CmdImage: emit emitImageSetting(); break;
    case CmdTest: emit emitTestImage(); break;
    case CmdUSB: emit emitUsbPlay(); break;
    case CmdUpgrade: emit emitUpgrade(); break;
    case CmdFactory: emit emitFactorySetting(); break;
    case CmdMultiMachine: emit emitMenuMultiMachine(); break;
    default: break;
    }
}

void SxTitleWidget::onLanguageTriggered(QAction *action)
{
    emit emitLanguageChange(LANGUAGE(action->data().toInt()));
}

void SxTitleWidget::showMaximisedState(bool maximised)
{
    btn_max->setVisible(!maximised);
    btn_restore->setVisible(maximised);
}

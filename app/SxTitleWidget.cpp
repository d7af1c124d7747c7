#include "SxTitleWidget.h"

#include "INFO_BASIC.h"
#include "SxBaseWidget.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QToolButton>

namespace {

struct CommandSpec
{
    const char *key;  // English key, also the source text of the label
    const char *icon; // file under ":/toolButton/toolButton/"
};

const CommandSpec kCommands[SxTitleWidget::CommandCount] = {
    { QT_TRANSLATE_NOOP("SxTitleWidget", "Search"), "icon_search.png" },
    { QT_TRANSLATE_NOOP("SxTitleWidget", "Sync"), "icon_synchronous.png" },
    { QT_TRANSLATE_NOOP("SxTitleWidget", "Output"), "icon_outputSettings.png" },
    { QT_TRANSLATE_NOOP("SxTitleWidget", "EDID"), "icon_edid.png" },
    { QT_TRANSLATE_NOOP("SxTitleWidget", "Audio"), "icon_audio.png" },
    { QT_TRANSLATE_NOOP("SxTitleWidget", "Image"), "icon_imageQuality.png" },
    { QT_TRANSLATE_NOOP("SxTitleWidget", "Test"), "icon_testPicCard.png" },
    { QT_TRANSLATE_NOOP("SxTitleWidget", "USB"), "icon_usb.png" },
    { QT_TRANSLATE_NOOP("SxTitleWidget", "Upgrade"), "icon_upgrade.png" },
    { QT_TRANSLATE_NOOP("SxTitleWidget", "Factory"), "icon_factorySet.png" },
    { QT_TRANSLATE_NOOP("SxTitleWidget", "MultiMachine"), "MultiMachine.png" },
};

QPushButton *windowButton(QWidget *parent, const char *name, const char *icon)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(QIcon(QStringLiteral(":/sysButton/sysButton/") + QLatin1String(icon)));
    b->setIconSize(QSize(16, 16));
    b->setFixedSize(32, 32);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

SxTitleWidget::SxTitleWidget(QWidget *parent)
    : QWidget(parent)
{
    qRegisterMetaType<LANGUAGE>("LANGUAGE");
    SxBaseWidget::initResources();
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(72);

    label_caption = new QLabel(this);
    label_caption->setObjectName(QStringLiteral("label_caption"));
    btn_logo = new QPushButton(this);
    btn_logo->setObjectName(QStringLiteral("btn_logo"));
    btn_logo->setIcon(QIcon(QStringLiteral(":/sysButton/sysButton/icon_logo.png")));
    btn_logo->setIconSize(QSize(40, 40));
    btn_logo->setFixedSize(48, 48);
    btn_logo->setFocusPolicy(Qt::NoFocus);
    btn_logo->setFlat(true);
    btn_menu = windowButton(this, "btn_menu", "icon_menu.png");
    btn_min = windowButton(this, "btn_min", "icon_min.png");
    btn_restore = windowButton(this, "btn_restore", "icon_restore.png");
    btn_max = windowButton(this, "btn_max", "icon_max.png");
    btn_close = windowButton(this, "btn_close", "icon_close.png");
    btn_restore->hide();

    for (int c = 0; c < CommandCount; ++c) {
        auto *b = new QToolButton(this);
        b->setObjectName(QStringLiteral("mainToolButton"));
        b->setProperty("command", QLatin1String(kCommands[c].key));
        b->setIcon(QIcon(QStringLiteral(":/toolButton/toolButton/") + QLatin1String(kCommands[c].icon)));
        b->setIconSize(QSize(32, 32));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setMinimumWidth(64);
        b->setFixedHeight(64);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, c] { onCommand(c); });
        buttons.append(b);
    }

    menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mainMenu"));
    languageGroup = new QActionGroup(this);
    languageGroup->setExclusive(true);
    // The language names stay in their own language whatever the interface language is.
    actEnglish = menu->addAction(QStringLiteral("English"));
    actSimplified = menu->addAction(QString::fromUtf8("简体中文"));
    actTraditional = menu->addAction(QString::fromUtf8("繁體中文"));
    const QList<QAction *> langs = { actEnglish, actSimplified, actTraditional };
    for (int i = 0; i < langs.size(); ++i) {
        langs[i]->setCheckable(true);
        langs[i]->setData(i);
        languageGroup->addAction(langs[i]);
    }
    actEnglish->setObjectName(QStringLiteral("action_english"));
    actSimplified->setObjectName(QStringLiteral("action_simplifiedChinese"));
    actTraditional->setObjectName(QStringLiteral("action_traditionalChinese"));
    menu->addSeparator();
    actAbout = menu->addAction(QString());
    actAbout->setObjectName(QStringLiteral("action_about"));
    connect(languageGroup, &QActionGroup::triggered, this, &SxTitleWidget::onLanguageTriggered);
    connect(actAbout, &QAction::triggered, this, &SxTitleWidget::onAboutUs);

    connect(btn_menu, &QPushButton::clicked, this, &SxTitleWidget::on_clicked_btn_menu);
    connect(btn_max, &QPushButton::clicked, this, &SxTitleWidget::on_clicked_btn_max);
    connect(btn_restore, &QPushButton::clicked, this, &SxTitleWidget::on_clicked_btn_restore);
    connect(btn_min, &QPushButton::clicked, this, [this] { window()->showMinimized(); });
    connect(btn_close, &QPushButton::clicked, this, [this] { window()->close(); });

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(8, 0, 4, 0);
    row->setSpacing(4);
    row->addWidget(btn_logo, 0, Qt::AlignVCenter);
    row->addWidget(btn_menu, 0, Qt::AlignVCenter);
    row->addSpacing(12);
    for (QToolButton *b : qAsConst(buttons))
        row->addWidget(b, 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(label_caption, 0, Qt::AlignVCenter);
    row->addSpacing(12);
    auto *sys = new QHBoxLayout;
    sys->setSpacing(0);
    sys->addWidget(btn_min);
    sys->addWidget(btn_restore);
    sys->addWidget(btn_max);
    sys->addWidget(btn_close);
    row->addLayout(sys);
    row->setAlignment(sys, Qt::AlignTop);

    retranslate();
}

void SxTitleWidget::setLanguage(int language)
{
    QAction *act = languageAction(language);
    if (act) {
        act->setChecked(true);
        return;
    }
    // An exclusive group keeps one action checked; lift that to check none.
    languageGroup->setExclusive(false);
    for (QAction *a : languageGroup->actions())
        a->setChecked(false);
    languageGroup->setExclusive(true);
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

void SxTitleWidget::setDevice(const INFO_BASIC *device)
{
    if (!device)
        return;
    if (device->type != typeShown)
        typeShown = device->type;
    buttons[CmdUSB]->setVisible(device->hasUsb != 0);
    if (device->type == 20) {
        buttons[CmdUpgrade]->hide();
        buttons[CmdEDID]->hide();
        buttons[CmdAudio]->show();
        buttons[CmdTest]->show();
    } else if (device->type == 48) {
        buttons[CmdAudio]->hide();
        buttons[CmdTest]->hide();
        buttons[CmdUpgrade]->show();
        buttons[CmdEDID]->show();
    } else {
        buttons[CmdUpgrade]->hide();
        buttons[CmdAudio]->show();
        buttons[CmdTest]->show();
        buttons[CmdEDID]->show();
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
        buttons[c]->setText(tr(kCommands[c].key));
    btn_menu->setToolTip(tr("main menu"));
    btn_min->setToolTip(tr("min"));
    btn_max->setToolTip(tr("max"));
    btn_restore->setToolTip(tr("restore"));
    btn_close->setToolTip(tr("close"));
    actAbout->setText(tr("About"));
    if (!deviceName.isNull())
        label_caption->setText(tr("current device: %1").arg(deviceName));
}

QString SxTitleWidget::productName()
{
    return QStringLiteral("Video Processor");
}

QString SxTitleWidget::productVersion()
{
    const QString v = QCoreApplication::applicationVersion();
    return v.isEmpty() ? QStringLiteral("1.0.0") : v;
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
    QMessageBox box(this);
    box.setObjectName(QStringLiteral("aboutBox"));
    box.setWindowTitle(tr("About"));
    box.setIconPixmap(QPixmap(QStringLiteral(":/sysButton/sysButton/icon_logo.png")).scaled(
            48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    box.setText(QStringLiteral("<b>%1</b>").arg(productName().toHtmlEscaped()));
    box.setInformativeText(tr("Version %1").arg(productVersion()));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void SxTitleWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
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
    if (action)
        emit emitLanguageChange(static_cast<LANGUAGE>(action->data().toInt()));
}

void SxTitleWidget::showMaximisedState(bool maximised)
{
    btn_max->setVisible(!maximised);
    btn_restore->setVisible(maximised);
}

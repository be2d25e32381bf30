#include "settings/guardsettingwidget.h"

#include "daemon/tarvixdesktopdaemonclient.h"
#include "settings/confirmtask.h"
#include "settings/servicenames.h"
#include "system/systemprobes.h"
#include "widgets/custombutton.h"

#include <QButtonGroup>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
const int MAX_BLOCKING_TIME = 3600;
const char *const BLOCK_IP = "block_ip";
const char *const WHITELIST = "whitelist";
const char *const BLOCKING_TIME = "blockip_timeout";

// One or more dotted IPv4 addresses, separated by commas without blanks.
const char *const WHITELIST_PATTERN
    = "(?:(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.){3}(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)"
      "(?:,(?:(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.){3}(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?))*";

int rowLabelWidth()
{
    return sysVersionLevel < 5 ? 97 : 90;
}

// The validator lets a list that is still being typed through ("10.0.0.",
// a trailing comma); only a whole list may reach the daemon.
bool isCompleteWhitelist(const QString &text)
{
    static const QRegularExpression whole(
        QRegularExpression::anchoredPattern(QString::fromLatin1(WHITELIST_PATTERN)));
    return text.isEmpty() || whole.match(text).hasMatch();
}

QString timeForDisplay(const QString &loaded)
{
    if (loaded.isEmpty() || loaded == QLatin1String("-1"))
        return QStringLiteral("-1");
    return loaded.left(loaded.size() - 1);
}
} // namespace

guardSettingWidget::guardSettingWidget(QWidget *parent)
    : QWidget(parent)
{
    readState();
    buildView();
    m_confirm = std::make_unique<ConfirmTask>(m_view.confirmButton);

    for (QAbstractButton *button : m_serviceGroup->buttons())
        connect(button, &QAbstractButton::clicked, this, &guardSettingWidget::slot_guardBtnClicked);
    // After the initial texts, so that only typing is logged and converted.
    connect(m_whitelistEdit, &QLineEdit::textChanged, this, &guardSettingWidget::slot_ipWhiteListChanged);
    connect(m_timeEdit, &QLineEdit::textChanged, this, &guardSettingWidget::slot_guardTimeChanged);

    if (!m_detectionRunning) {
        // Blocking relies on what detection finds; without it the service stops.
        m_view.titleRow->setEnabled(false);
        m_serviceSection->setEnabled(false);
        m_serviceGroup->button(1)->setChecked(true);
        stopServiceInBackground(this, servicenames::INTERVENTION);
    }
}

guardSettingWidget::~guardSettingWidget() = default;

void guardSettingWidget::readState()
{
    TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
    m_status0 = client->getServiceStatus(servicenames::INTERVENTION, 0);
    const int status1 = client->getServiceStatus(servicenames::INTERVENTION, 1);
    qDebug() << "intervention service status: " << m_status0 << status1;
    const int whitelistResult = client->getInterventionConfig(BLOCK_IP, WHITELIST, m_whitelist);
    m_loadedWhitelist = m_whitelist;
    const int timeResult = client->getInterventionConfig(BLOCK_IP, BLOCKING_TIME, m_guardTime);
    m_loadedGuardTime = m_guardTime;
    m_detectionRunning = detectionServicesRunning();

    // An empty whitelist shown for one that could not be read must not
    // overwrite the real one.
    m_readFailed = m_status0 < 0 || whitelistResult != 0 || timeResult != 0;
    m_onAtLoad = m_status0 == 1 ? 1 : 0;
    m_targetStatus0 = m_targetStatus1 = m_onAtLoad;
}

void guardSettingWidget::buildView()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *container = new QWidget(this);
    layout->addWidget(container);
    m_view = buildSettingView(container, tr("Defenses Service"));
    m_view.cancelButton->setText(tr("Cancel"));

    m_serviceSection = addSection(m_view);
    auto *open = new QRadioButton(tr("Open"), m_serviceSection);
    auto *close = new QRadioButton(tr("Close"), m_serviceSection);
    m_serviceGroup = new QButtonGroup(this);
    m_serviceGroup->addButton(open, 0);
    m_serviceGroup->addButton(close, 1);
    m_serviceSection->layout()->addWidget(open);
    m_serviceSection->layout()->addWidget(close);
    m_serviceGroup->button(m_onAtLoad ? 0 : 1)->setChecked(true);

    buildBlockingSection();
    m_view.contentLayout->addStretch();

    const bool editable = isAdministrator && !m_readFailed;
    for (QWidget *control : std::initializer_list<QWidget *> { open, close, m_whitelistEdit, m_timeEdit })
        control->setEnabled(editable);
    refreshInputState();

    connect(m_view.cancelButton, &QPushButton::clicked, this, &guardSettingWidget::slot_clickCancel);
    connect(m_view.confirmButton, &QPushButton::clicked, this, &guardSettingWidget::slot_guardBtnConfirm);
    connect(m_view.confirmButton, &CustomButton::loadingAnimationFinished, this,
        &guardSettingWidget::onLoadingAnimationFinished);
}

void guardSettingWidget::buildBlockingSection()
{
    QWidget *section = addSection(m_view);
    auto *layout = static_cast<QVBoxLayout *>(section->layout());
    QLabel *heading = createBoldLabel(tr("IP Blocking"), section);
    // At least 52 wide: translations may need more.
    heading->setFixedHeight(24);
    heading->setMinimumWidth(52);
    layout->addWidget(heading);

    m_whitelistEdit = addEditRow(layout,
        createRowLabel(tr("IP Blocking Whitelist"), rowLabelWidth(), section),
        QString(m_loadedWhitelist).replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(",")));
    m_whitelistEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QString::fromLatin1(WHITELIST_PATTERN)), m_whitelistEdit));

    m_timeEdit = addEditRow(layout,
        createRowLabel(
            QStringLiteral("%1 ( %2 )").arg(tr("IP Blocking Time"), tr("s")), rowLabelWidth(), section),
        timeForDisplay(m_loadedGuardTime));
    m_timeEdit->setPlaceholderText(
        tr("The blocking duration is 1~3600 (when continuous blocking is required, set to '-1')"));
    m_errorLabel = addErrorRow(layout, rowLabelWidth());

    // What the daemon holds may already be unusable here.
    m_whitelistValid = isCompleteWhitelist(m_whitelistEdit->text());
    m_timeInput = checkDuration(m_timeEdit->text(), MAX_BLOCKING_TIME);
}

void guardSettingWidget::showError(const QString &text)
{
    m_errorLabel->setText(text);
    m_errorLabel->show();
}

void guardSettingWidget::refreshInputState()
{
    QStringList problems;
    if (m_readFailed)
        problems << tr("The current settings could not be read, please try again later");
    if (!m_whitelistValid)
        problems << tr("The whitelist must be complete IPv4 addresses separated by commas");
    if (m_timeInput == DurationInput::OutOfRange)
        problems << tr("The blocking time is unreasonable, and the value range is 1~3600");
    else if (m_timeInput == DurationInput::NotANumber)
        problems << tr("Please enter an integer greater than 0");
    if (problems.isEmpty())
        m_errorLabel->hide();
    else
        showError(problems.join(QLatin1Char('\n')));
    m_view.confirmButton->setEnabled(problems.isEmpty());
}

void guardSettingWidget::slot_guardBtnClicked(bool)
{
    switch (m_serviceGroup->checkedId()) {
    case 0:
        qDebug() << "点击：防御设置-开始";
        m_serviceGroup->button(1)->setChecked(false);
        m_targetStatus0 = m_targetStatus1 = 1;
        break;
    case 1:
        qDebug() << "点击：防御设置-关闭";
        m_serviceGroup->button(0)->setChecked(false);
        m_targetStatus0 = m_targetStatus1 = 0;
        break;
    default:
        break;
    }
}

void guardSettingWidget::slot_ipWhiteListChanged(QString text)
{
    qDebug() << "ip white list: " << text;
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    m_whitelist = QString(text).replace(separators, QStringLiteral(" "));
    m_whitelistValid = isCompleteWhitelist(text);
    refreshInputState();
}

void guardSettingWidget::slot_guardTimeChanged(QString text)
{
    m_timeInput = checkDuration(text, MAX_BLOCKING_TIME, "set guardTime: ");
    m_guardTime = text;
    refreshInputState();
}

void guardSettingWidget::slot_clickCancel()
{
    emit signal_close();
}

guardSettingWidget::Changes guardSettingWidget::pendingChanges()
{
    Changes changes;
    changes.blocking = m_guardTime != m_loadedGuardTime || m_whitelist != m_loadedWhitelist;
    if (changes.blocking && m_guardTime.endsWith(QLatin1Char('s')))
        m_guardTime.chop(1);
    changes.whitelist = m_whitelist;
    changes.time = m_guardTime;
    changes.statusAtLoad = m_status0;
    changes.service = m_onAtLoad != m_targetStatus0;
    changes.serviceStatus0 = m_targetStatus0;
    changes.serviceStatus1 = m_targetStatus1;
    return changes;
}

void guardSettingWidget::slot_guardBtnConfirm()
{
    if (m_confirm->isRunning())
        return;
    m_errorLabel->hide();
    m_applied = pendingChanges();
    const Changes changes = m_applied;
    m_confirm->start(
        this, [changes] { return apply(changes); }, &guardSettingWidget::onTaskFinished);
}

int guardSettingWidget::apply(const Changes &changes)
{
    TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
    int failed = 0;
    if (changes.blocking) {
        // The edit shows "-1" for a time that could not be read; that is what is sent.
        const QString time = changes.time.isEmpty() || changes.time == QLatin1String("-1")
            ? QStringLiteral("-1")
            : QStringLiteral("%1s").arg(changes.time);
        const int whitelist = client->setInterventionConfig(BLOCK_IP, WHITELIST, changes.whitelist);
        const int timeout = client->setInterventionConfig(BLOCK_IP, BLOCKING_TIME, time);
        qDebug() << "set guard config: " << changes.statusAtLoad << changes.whitelist << time;
        const int restart = client->restartService(servicenames::INTERVENTION);
        if (whitelist != 0 || timeout != 0 || restart != 0)
            failed |= BlockingWrites;
    }
    if (changes.service
        && !switchService(servicenames::INTERVENTION, changes.serviceStatus0, changes.serviceStatus1))
        failed |= ServiceWrites;
    return failed;
}

void guardSettingWidget::onTaskFinished(int mseconds)
{
    m_confirm->reportTime(mseconds);
}

void guardSettingWidget::onLoadingAnimationFinished()
{
    const int failed = m_confirm->finish();
    if (!failed) {
        emit signal_close();
        return;
    }
    // What the daemon took is the new state at load: a retry sends the rest.
    if (m_applied.blocking && !(failed & BlockingWrites)) {
        m_loadedWhitelist = m_applied.whitelist;
        m_loadedGuardTime = m_applied.time;
    }
    if (m_applied.service && !(failed & ServiceWrites))
        m_onAtLoad = m_applied.serviceStatus0;

    if (failed == (BlockingWrites | ServiceWrites))
        showError(
            tr("The IP blocking settings and the service switch could not be applied, please try again"));
    else if (failed == BlockingWrites)
        showError(tr("The IP blocking settings could not be applied, please try again"));
    else
        showError(tr("The defense service could not be switched, please try again"));
}

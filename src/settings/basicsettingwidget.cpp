#include "settings/basicsettingwidget.h"
#include "logging/logcategories.h"

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
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
const int MAX_TIMEOUT = 60;

int rowLabelWidth()
{
    return sysVersionLevel < 5 ? 95 : 90;
}

// A labelled pair of Open / Close radios, ids 0 and 1.
QButtonGroup *addSwitchRow(
    QVBoxLayout *layout, const QString &label, const QString &open, const QString &close, QWidget *section)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(createRowLabel(label, rowLabelWidth(), section));
    row->addSpacing(ROW_GAP);
    auto *group = new QButtonGroup(section);
    auto *openButton = new QRadioButton(open, section);
    auto *closeButton = new QRadioButton(close, section);
    group->addButton(openButton, 0);
    group->addButton(closeButton, 1);
    nameChoices(group, label, { open, close });
    row->addWidget(openButton);
    row->addSpacing(24);
    row->addWidget(closeButton);
    row->addStretch();
    layout->addLayout(row);
    return group;
}
} // namespace

basicSettingWidget::basicSettingWidget(QWidget *parent)
    : QWidget(parent)
{
    buildView();
    m_confirm = std::make_unique<ConfirmTask>(m_view.confirmButton);

    for (QAbstractButton *button : m_serviceGroup->buttons())
        connect(button, &QAbstractButton::clicked, this, &basicSettingWidget::slot_serviceControlBtnClicked);
    connect(m_timeoutEdit, &QLineEdit::textChanged, this, &basicSettingWidget::slot_notifyTimeoutChanged);
    readInBackground<State>(
        this, m_view, &basicSettingWidget::readState, [this](const State &state) { applyState(state); });
}

basicSettingWidget::~basicSettingWidget() = default;

basicSettingWidget::State basicSettingWidget::readState()
{
    TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
    State state;
    state.notifyResult = client->getNotifyConfig(state.notifyDisabled, state.notifyTimeout, state.notifyFold);
    const auto statuses = [client](const char *service) {
        return std::make_pair(client->getServiceStatus(service, 0), client->getServiceStatus(service, 1));
    };
    state.research = statuses(servicenames::RESEARCH);
    state.rootcheck = statuses(servicenames::ROOTCHECK);
    state.logscan = statuses(servicenames::LOGSCAN);
    state.ebpf = statuses(servicenames::EBPF);
    qCDebug(lcSettings) << "research service status: " << state.research.first << state.research.second
                        << "rootcheck service status: " << state.rootcheck.first << state.rootcheck.second
                        << "logscan service status: " << state.logscan.first << state.logscan.second
                        << "ebpf service status: " << state.ebpf.first << state.ebpf.second;
    return state;
}

void basicSettingWidget::applyState(const State &state)
{
    m_loading = false;
    m_notifyDisabled = m_loadedDisabled = state.notifyDisabled;
    m_notifyTimeout = m_loadedTimeout = state.notifyTimeout;
    m_notifyFold = m_loadedFold = state.notifyFold;

    // Defaults shown for values that could not be read must not be sent as
    // if the user had chosen them.
    const int research = state.research.first, logscan = state.logscan.first,
              rootcheck = state.rootcheck.first;
    m_readFailed = state.notifyResult != 0 || research < 0 || logscan < 0 || rootcheck < 0;

    if (research == 1 && logscan == 1 && rootcheck == 1) {
        m_allOnAtLoad = 1;
        m_targetStatus0 = m_targetStatus1 = 1;
    } else if (research == 0 && logscan == 0 && rootcheck == 0) {
        m_allOnAtLoad = 0;
        m_targetStatus0 = m_targetStatus1 = 0;
    } else {
        qCDebug(lcSettings) << "some service stopped";
        m_allOnAtLoad = 0;
        m_mixedAtLoad = true;
        m_targetStatus0 = m_targetStatus1 = 1;
    }

    if (!m_mixedAtLoad)
        m_serviceGroup->button(m_allOnAtLoad ? 0 : 1)->setChecked(true);
    m_notifyGroup->button(m_notifyDisabled == QLatin1String("no") ? 0 : 1)->setChecked(true);
    m_foldGroup->button(m_notifyFold == QLatin1String("yes") ? 0 : 1)->setChecked(true);
    {
        // Only typing is validated.
        const QSignalBlocker quiet(m_timeoutEdit);
        m_timeoutEdit->setText(m_notifyTimeout);
    }

    const bool editable = isAdministrator && !m_readFailed;
    for (QRadioButton *radio : m_view.content->findChildren<QRadioButton *>())
        radio->setEnabled(editable);
    m_timeoutEdit->setEnabled(editable);
    if (m_readFailed) {
        showError(tr("The current settings could not be read, please try again later"));
        m_view.confirmButton->setEnabled(false);
    }
}

void basicSettingWidget::buildView()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *container = new QWidget(this);
    layout->addWidget(container);
    m_view = buildSettingView(container, tr("Zorva Intrusion Detector Service"));
    m_view.cancelButton->setText(tr("Cancel"));

    buildServiceSection();
    buildNotifySection();
    m_view.contentLayout->addStretch();

    connect(m_view.cancelButton, &QPushButton::clicked, this, &basicSettingWidget::slot_clickCancel);
    connect(m_view.confirmButton, &QPushButton::clicked, this, &basicSettingWidget::slot_notifyBtnConfirm);
    connect(m_view.confirmButton, &CustomButton::loadingAnimationFinished, this,
        &basicSettingWidget::onLoadingAnimationFinished);
}

QWidget *basicSettingWidget::buildServiceSection()
{
    QWidget *section = addSection(m_view);
    auto *open = new QRadioButton(tr("Open"), section);
    auto *close = new QRadioButton(QStringLiteral("%1     %2")
                                       .arg(tr("Close"),
                                           tr("Once closed, it will not be possible to detect system "
                                              "security risks in real time")),
        section);
    m_serviceGroup = new QButtonGroup(this);
    m_serviceGroup->addButton(open, 0);
    m_serviceGroup->addButton(close, 1);
    nameChoices(m_serviceGroup, m_view.title, { tr("Open"), tr("Close") });
    section->layout()->addWidget(open);
    section->layout()->addWidget(close);
    return section;
}

QWidget *basicSettingWidget::buildNotifySection()
{
    QWidget *section = addSection(m_view);
    auto *layout = static_cast<QVBoxLayout *>(section->layout());
    layout->addWidget(createBoldLabel(tr("Desktop Notification Settings"), section));

    m_notifyGroup = addSwitchRow(layout, tr("Open desktop notification"), tr("Open"), tr("Close"), section);
    m_timeoutEdit = addEditRow(layout,
        createRowLabel(
            QStringLiteral("%1 ( %2 )").arg(tr("Notification Timeout"), tr("s")), rowLabelWidth(), section),
        QString());
    m_timeoutEdit->setPlaceholderText(
        tr("The notification duration is 1~60 (set to '-1' if continuous notification is required)"));
    m_errorLabel = addErrorRow(layout, rowLabelWidth());

    m_foldGroup = addSwitchRow(layout, tr("Notification Fold"), tr("Open"), tr("Close"), section);
    for (QAbstractButton *button : m_notifyGroup->buttons())
        connect(button, &QAbstractButton::clicked, this, &basicSettingWidget::slot_notifyStatusBtnClicked);
    for (QAbstractButton *button : m_foldGroup->buttons())
        connect(button, &QAbstractButton::clicked, this, &basicSettingWidget::slot_notifyFoldBtnClicked);
    return section;
}

void basicSettingWidget::showError(const QString &text)
{
    m_errorLabel->setText(text);
    m_errorLabel->show();
}

void basicSettingWidget::slot_serviceControlBtnClicked(bool)
{
    switch (m_serviceGroup->checkedId()) {
    case 0:
        qCDebug(lcSettings) << "服务启动";
        m_serviceGroup->button(1)->setChecked(false);
        m_targetStatus0 = m_targetStatus1 = 1;
        break;
    case 1:
        qCDebug(lcSettings) << "服务关闭";
        m_serviceGroup->button(0)->setChecked(false);
        m_targetStatus0 = m_targetStatus1 = 0;
        break;
    default:
        break;
    }
}

void basicSettingWidget::slot_notifyStatusBtnClicked(bool)
{
    switch (m_notifyGroup->checkedId()) {
    case 0:
        qCDebug(lcSettings) << "通知开";
        m_notifyDisabled = QStringLiteral("no");
        break;
    case 1:
        qCDebug(lcSettings) << "通知关";
        m_notifyDisabled = QStringLiteral("yes");
        break;
    default:
        break;
    }
}

void basicSettingWidget::slot_notifyFoldBtnClicked(bool)
{
    switch (m_foldGroup->checkedId()) {
    case 0:
        qCDebug(lcSettings) << "通知折叠";
        m_notifyFold = QStringLiteral("yes");
        break;
    case 1:
        qCDebug(lcSettings) << "通知不折叠";
        m_notifyFold = QStringLiteral("no");
        break;
    default:
        break;
    }
}

void basicSettingWidget::slot_notifyTimeoutChanged(QString text)
{
    const DurationInput input = checkDuration(text, MAX_TIMEOUT, "set notifyTimeout: ");
    m_notifyTimeout = text;
    m_timeoutValid = input == DurationInput::Valid;
    if (m_timeoutValid)
        m_errorLabel->hide();
    else if (input == DurationInput::OutOfRange)
        showError(tr("The notification duration is unreasonable, and the value range is 1~60"));
    else if (input == DurationInput::NotPlain)
        showError(tr("Please enter the number without blanks or a plus sign"));
    else
        showError(tr("Please enter an integer greater than 0"));
    m_view.confirmButton->setEnabled(m_timeoutValid && !m_readFailed);
}

void basicSettingWidget::slot_clickCancel()
{
    emit signal_close();
}

basicSettingWidget::Changes basicSettingWidget::pendingChanges() const
{
    Changes changes;
    changes.notify = m_notifyDisabled != m_loadedDisabled || m_notifyTimeout != m_loadedTimeout
        || m_notifyFold != m_loadedFold;
    changes.notifyDisabled = m_notifyDisabled;
    changes.notifyTimeout = m_notifyTimeout;
    changes.notifyFold = m_notifyFold;
    // From a mixed state every outcome is a change, the user's choice included.
    changes.services = m_mixedAtLoad || m_allOnAtLoad != m_targetStatus0;
    changes.serviceStatus0 = m_targetStatus0;
    changes.serviceStatus1 = m_targetStatus1;
    return changes;
}

void basicSettingWidget::slot_notifyBtnConfirm()
{
    if (m_loading || m_confirm->isRunning())
        return;
    m_errorLabel->hide();
    m_applied = pendingChanges();
    const Changes changes = m_applied;
    m_confirm->start(
        this, [changes] { return apply(changes); }, &basicSettingWidget::onTaskFinished);
}

int basicSettingWidget::apply(const Changes &changes)
{
    TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
    int failed = 0;
    if (changes.notify) {
        const int set
            = client->setNotifyConfig(changes.notifyDisabled, changes.notifyTimeout, changes.notifyFold);
        qCDebug(lcSettings) << "set notify config: " << changes.notifyDisabled << changes.notifyTimeout
                            << changes.notifyFold;
        // A restart would only bring the service up again on the old settings.
        if (set != 0 || client->restartService(servicenames::RESEARCH) != 0)
            failed |= NotifyWrites;
    }
    if (changes.services) {
        const QString services = QStringLiteral("%1 %2 %3 %4")
                                     .arg(servicenames::RESEARCH, servicenames::LOGSCAN,
                                         servicenames::ROOTCHECK, servicenames::EBPF);
        if (!switchService(services, changes.serviceStatus0, changes.serviceStatus1))
            failed |= ServiceWrites;
    }
    return failed;
}

void basicSettingWidget::onTaskFinished(int mseconds)
{
    m_confirm->reportTime(mseconds);
}

void basicSettingWidget::onLoadingAnimationFinished()
{
    const int failed = m_confirm->finish();
    if (!failed) {
        emit signal_close();
        return;
    }
    // What the daemon took is the new state at load: a retry sends the rest.
    if (m_applied.notify && !(failed & NotifyWrites)) {
        m_loadedDisabled = m_applied.notifyDisabled;
        m_loadedTimeout = m_applied.notifyTimeout;
        m_loadedFold = m_applied.notifyFold;
    }
    if (m_applied.services && !(failed & ServiceWrites)) {
        m_allOnAtLoad = m_applied.serviceStatus0;
        m_mixedAtLoad = false;
    }

    if (failed == (NotifyWrites | ServiceWrites))
        showError(
            tr("The notification settings and the service switch could not be applied, please try again"));
    else if (failed == NotifyWrites)
        showError(tr("The desktop notification settings could not be applied, please try again"));
    else
        showError(tr("The detection services could not be switched, please try again"));
}

#include "settings/guardsettingwidget.h"
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
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <limits>

namespace {
const int MAX_BLOCKING_TIME = 3600;
const char *const BLOCK_IP = "block_ip";
const char *const WHITELIST = "whitelist";
const char *const BLOCKING_TIME = "blockip_timeout";
// Longest whitelist the page sends: about 65,000 addresses. The edit itself
// takes any length, so a longer paste is refused with a message, never cut.
const int MAX_WHITELIST_LENGTH = 1 << 20;

int rowLabelWidth()
{
    return sysVersionLevel < 5 ? 97 : 90;
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
    buildView();
    m_confirm = std::make_unique<ConfirmTask>(m_view.confirmButton);

    for (QAbstractButton *button : m_serviceGroup->buttons())
        connect(button, &QAbstractButton::clicked, this, &guardSettingWidget::slot_guardBtnClicked);
    connect(m_whitelistEdit, &QLineEdit::textChanged, this, &guardSettingWidget::slot_ipWhiteListChanged);
    connect(m_whitelistEdit, &QLineEdit::textEdited, this, &guardSettingWidget::tidyPastedWhitelist);
    connect(m_whitelistEdit, &QLineEdit::editingFinished, this, [this] { tidyWhitelist(); });
    connect(m_timeEdit, &QLineEdit::textChanged, this, &guardSettingWidget::slot_guardTimeChanged);
    readInBackground<State>(
        this, m_view, &guardSettingWidget::readState, [this](const State &state) { applyState(state); });
}

guardSettingWidget::~guardSettingWidget() = default;

guardSettingWidget::State guardSettingWidget::readState()
{
    TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
    State state;
    state.status0 = client->getServiceStatus(servicenames::INTERVENTION, 0);
    const int status1 = client->getServiceStatus(servicenames::INTERVENTION, 1);
    qCDebug(lcSettings) << "intervention service status: " << state.status0 << status1;
    state.whitelistResult = client->getInterventionConfig(BLOCK_IP, WHITELIST, state.whitelist);
    state.timeResult = client->getInterventionConfig(BLOCK_IP, BLOCKING_TIME, state.time);
    // Only a stop that is known stops this service too.
    state.detectionRunning = detectionServices() != Detection::Stopped;
    return state;
}

void guardSettingWidget::applyState(const State &state)
{
    m_loading = false;
    m_status0 = state.status0;
    m_whitelist = m_loadedWhitelist = state.whitelist;
    m_guardTime = m_loadedGuardTime = state.time;
    m_detectionRunning = state.detectionRunning;
    // An empty whitelist shown for one that could not be read must not
    // overwrite the real one.
    m_readFailed = m_status0 < 0 || state.whitelistResult != 0 || state.timeResult != 0;
    m_onAtLoad = m_status0 == 1 ? 1 : 0;
    m_targetStatus0 = m_targetStatus1 = m_onAtLoad;

    m_serviceGroup->button(m_onAtLoad ? 0 : 1)->setChecked(true);
    {
        // Only what the user types is logged and converted.
        const QSignalBlocker quietList(m_whitelistEdit), quietTime(m_timeEdit);
        m_whitelistEdit->setText(
            QString(m_loadedWhitelist)
                .replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(",")));
        m_timeEdit->setText(timeForDisplay(m_loadedGuardTime));
    }
    m_whitelistLength = m_whitelistLengthBefore = m_whitelistEdit->text().size();
    // What the daemon holds may already be unusable here.
    m_whitelistProblem = whitelistProblem(m_whitelistEdit->text(), nullptr);
    m_timeInput = checkDuration(m_timeEdit->text(), MAX_BLOCKING_TIME);

    const bool editable = isAdministrator && !m_readFailed;
    for (QWidget *control : std::initializer_list<QWidget *> {
             m_serviceGroup->button(0), m_serviceGroup->button(1), m_whitelistEdit, m_timeEdit })
        control->setEnabled(editable);
    refreshInputState();

    if (!m_detectionRunning) {
        // Blocking relies on what detection finds; without it the service stops.
        m_view.titleRow->setEnabled(false);
        m_serviceSection->setEnabled(false);
        m_serviceGroup->button(1)->setChecked(true);
        stopServiceInBackground(this, servicenames::INTERVENTION);
    }
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
    nameChoices(m_serviceGroup, m_view.title, { tr("Open"), tr("Close") });
    m_serviceSection->layout()->addWidget(open);
    m_serviceSection->layout()->addWidget(close);

    buildBlockingSection();
    m_view.contentLayout->addStretch();

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

    m_whitelistEdit = addEditRow(
        layout, createRowLabel(tr("IP Blocking Whitelist"), rowLabelWidth(), section), QString());
    // No validator and no length cut: the field keeps every key and every
    // pasted character, and the error line says what is wrong.
    m_whitelistEdit->setMaxLength(std::numeric_limits<int>::max());

    m_timeEdit = addEditRow(layout,
        createRowLabel(
            QStringLiteral("%1 ( %2 )").arg(tr("IP Blocking Time"), tr("s")), rowLabelWidth(), section),
        QString());
    m_timeEdit->setPlaceholderText(
        tr("The blocking duration is 1~3600 (when continuous blocking is required, set to '-1')"));
    m_errorLabel = addErrorRow(layout, rowLabelWidth());
}

QString guardSettingWidget::whitelistProblem(const QString &text, QStringList *addresses)
{
    if (text.size() > MAX_WHITELIST_LENGTH)
        return tr("The whitelist is longer than %1 characters").arg(MAX_WHITELIST_LENGTH);
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QString();
    // Commas (with blanks around them or not), blanks and line feeds.
    static const QRegularExpression separator(QStringLiteral("\\s*,\\s*|\\s+"));
    static const QRegularExpression dotted(
        QStringLiteral("^([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})$"));
    const QStringList parts = trimmed.split(separator);
    for (const QString &address : parts) {
        const QRegularExpressionMatch match = dotted.match(address);
        if (!match.hasMatch())
            return tr("The whitelist must be complete IPv4 addresses separated by commas");
        for (int i = 1; i <= 4; ++i) {
            const QStringRef part = match.capturedRef(i);
            // Many parsers read 010 as octal 8: the daemon might block another address.
            if (part.size() > 1 && part.startsWith(QLatin1Char('0')))
                return tr("%1: a part of an address must not start with 0").arg(address);
            if (part.toInt() > 255)
                return tr("%1: each part of an address must be 0 to 255").arg(address);
        }
    }
    if (addresses)
        *addresses = parts;
    return QString();
}

void guardSettingWidget::tidyWhitelist()
{
    QStringList addresses;
    if (!whitelistProblem(m_whitelistEdit->text(), &addresses).isEmpty())
        return;
    const QString shown = addresses.join(QLatin1Char(','));
    if (shown != m_whitelistEdit->text())
        m_whitelistEdit->setText(shown);
}

void guardSettingWidget::tidyPastedWhitelist(const QString &text)
{
    // Whether textChanged has told this edit already or not, the length before it.
    const int before = m_whitelistLength == text.size() ? m_whitelistLengthBefore : m_whitelistLength;
    // Several characters at once: a paste or a drop, not keys being typed.
    if (text.size() > before + 1)
        tidyWhitelist();
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
    if (!m_whitelistProblem.isEmpty())
        problems << m_whitelistProblem;
    if (m_timeInput == DurationInput::OutOfRange)
        problems << tr("The blocking time is unreasonable, and the value range is 1~3600");
    else if (m_timeInput == DurationInput::NotPlain)
        problems << tr("Please enter the number without blanks or a plus sign");
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
        qCDebug(lcSettings) << "点击：防御设置-开始";
        m_serviceGroup->button(1)->setChecked(false);
        m_targetStatus0 = m_targetStatus1 = 1;
        break;
    case 1:
        qCDebug(lcSettings) << "点击：防御设置-关闭";
        m_serviceGroup->button(0)->setChecked(false);
        m_targetStatus0 = m_targetStatus1 = 0;
        break;
    default:
        break;
    }
}

void guardSettingWidget::slot_ipWhiteListChanged(QString text)
{
    qCDebug(lcSettings) << "ip white list: " << text;
    m_whitelistLengthBefore = m_whitelistLength;
    m_whitelistLength = text.size();
    // The daemon keeps the addresses separated by blanks.
    QStringList addresses;
    m_whitelistProblem = whitelistProblem(text, &addresses);
    m_whitelist = addresses.join(QLatin1Char(' '));
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
    if (m_loading || m_confirm->isRunning())
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
        qCDebug(lcSettings) << "set guard config: " << changes.statusAtLoad << changes.whitelist << time;
        // A restart would only bring the service up again on the old settings.
        if (whitelist != 0 || timeout != 0 || client->restartService(servicenames::INTERVENTION) != 0)
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

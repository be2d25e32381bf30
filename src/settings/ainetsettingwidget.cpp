#include "settings/ainetsettingwidget.h"
#include "logging/logcategories.h"

#include "daemon/middleware.h"
#include "daemon/tarvixdesktopdaemonclient.h"
#include "kit/kitstyle.h"
#include "settings/confirmtask.h"
#include "settings/servicenames.h"
#include "widgets/custombutton.h"
#include "widgets/roundedpanel.h"
#include "widgets/tarvixmessagedialog.h"
#include "widgets/threadworker.h"

#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const int VIEW_WIDTH = 710;
const int VIEW_HEIGHT = 448;
const int MIN_TIME_WINDOW = 10;
const int MAX_TIME_WINDOW = 1000;
const char *const INSTALL_PICTURE = ":/Resource/Icon/base/application-mspowerpoint.svg";

// Keys of getAiConfig, in the order the page keeps their values.
enum AiConfig { TimeWindow, DnsThreshold, SynThreshold, AckThreshold, UdpThreshold, IcmpThreshold };
const QStringList &aiConfigKeys()
{
    static const QStringList keys = { "time_window", "dns_flood_threshold", "syn_flood_threshold",
        "ack_flood_threshold", "udp_flood_threshold", "icmp_flood_threshold" };
    return keys;
}

QPixmap arrow(const char *name)
{
    const QIcon icon = QIcon::fromTheme(
        QString::fromLatin1(name), QIcon(QStringLiteral(":/Resource/Icon/base/%1.png").arg(name)));
    return icon.pixmap(16, 16);
}

// One page of the install view: picture, text, and a button when there is one.
QWidget *installPage(const QString &picture, QWidget *text, QPushButton *button)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addStretch();
    auto *pictureLabel = new QLabel(page);
    pictureLabel->setPixmap(QPixmap(picture));
    layout->addWidget(pictureLabel, 0, Qt::AlignHCenter);
    text->setParent(page);
    layout->addWidget(text, 0, Qt::AlignHCenter);
    layout->addSpacing(10);
    if (button) {
        button->setParent(page);
        button->setProperty("isImportant", true);
        layout->addWidget(button, 0, Qt::AlignHCenter);
    }
    layout->addStretch();
    return page;
}

QLabel *centredText(const QString &text)
{
    auto *label = new QLabel(text);
    // The failure text comes from the daemon.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

aiNetAdvancedSettingWidget::aiNetAdvancedSettingWidget(const QString &dns, const QString &syn,
    const QString &ack, const QString &udp, const QString &icmp, QWidget *parent)
    : QWidget(parent)
    , m_values { dns, syn, ack, udp, icmp }
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setFixedWidth(650);
    auto *form = new QFormLayout(this);
    form->setContentsMargins(24, 24, 24, 24);

    const QString fewer = tr("The number of requests ranges from 60~100");
    const QString more = tr("The number of requests ranges from 300~1000");
    const struct
    {
        QString label;
        QString placeholder;
        int minimum;
        int maximum;
    } rows[] = {
        { tr("DNS Request Num"), fewer, 60, 100 },
        { tr("SYN Request Num"), more, 300, 1000 },
        { tr("ACK Request Num"), more, 300, 1000 },
        { tr("UDP Request Num"), more, 300, 1000 },
        { tr("ICMP Request Num"), more, 300, 1000 },
    };
    for (int i = 0; i < m_values.size(); ++i) {
        auto *field = new QWidget(this);
        auto *fieldLayout = new QVBoxLayout(field);
        fieldLayout->setContentsMargins(0, 0, 0, 0);
        auto *edit = new QLineEdit(m_values.at(i), field);
        edit->setPlaceholderText(rows[i].placeholder);
        edit->setAccessibleName(rows[i].label);
        QLabel *error = createErrorLabel(field);
        fieldLayout->addWidget(edit);
        fieldLayout->addWidget(error);
        form->addRow(rows[i].label, field);
        m_rows.append({ edit, error, rows[i].minimum, rows[i].maximum });
        connect(edit, &QLineEdit::textChanged, this, [this, i](const QString &text) { checkRow(i, text); });
    }
}

void aiNetAdvancedSettingWidget::setValues(const QStringList &values)
{
    for (int i = 0; i < m_rows.size() && i < values.size(); ++i) {
        m_values[i] = values.at(i);
        const QSignalBlocker quiet(m_rows.at(i).edit);
        m_rows.at(i).edit->setText(values.at(i));
    }
}

void aiNetAdvancedSettingWidget::checkRow(int row, const QString &text)
{
    const Row &checked = m_rows.at(row);
    bool isNumber = false;
    const int value = text.toInt(&isNumber, 10);
    QString problem;
    if (text.isEmpty())
        problem = tr("The input cannot be empty");
    else if (!isNumber)
        problem = tr("Please enter a number");
    else if (value < checked.minimum || value > checked.maximum)
        problem = QStringLiteral("%1: %2~%3")
                      .arg(tr("The number of requests is unreasonable, and the value range is"))
                      .arg(checked.minimum)
                      .arg(checked.maximum);

    if (problem.isEmpty()) {
        checked.error->hide();
        m_values[row] = QString::number(value);
        emit valuesChanged(m_values.at(0), m_values.at(1), m_values.at(2), m_values.at(3), m_values.at(4));
    } else {
        checked.error->setText(problem);
        checked.error->show();
    }
    adjustSize();
}

void aiNetAdvancedSettingWidget::paintEvent(QPaintEvent *)
{
    paintRoundedPanel(this, lumo::style::inset(), lumo::style::card());
}

aiNetSettingWidget::aiNetSettingWidget(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_views = new QStackedWidget(this);
    m_views->addWidget(buildInstallView());
    m_views->addWidget(buildSettingsView());
    layout->addWidget(m_views);
    // The settings view says that it is loading until the state is known.
    m_views->setCurrentIndex(1);

    for (QAbstractButton *button : m_serviceGroup->buttons())
        connect(button, &QAbstractButton::clicked, this, &aiNetSettingWidget::slot_aiServiceBtnClicked);
    connect(m_timeWindowEdit, &QLineEdit::textChanged, this, &aiNetSettingWidget::slot_timeWindowChanged);
    connect(m_advancedEditor, &aiNetAdvancedSettingWidget::valuesChanged, this,
        &aiNetSettingWidget::onAdvancedValuesChanged);

    m_dialog = new TarvixMessageDialog(QString(), QPixmap(),
        tr("Are you sure you want to open the ai net service?"),
        tr("Once open, it will detect network traffic security risks in real time, but affect system "
           "performance"),
        QPixmap(QStringLiteral(":/Resource/Icon/setting/messagebox-question.png")), this);
    connect(m_dialog, &TarvixMessageDialog::signal_service_open, this,
        &aiNetSettingWidget::slot_ai_net_service_open_dialog);
    // A box closed without an answer is a refusal.
    m_dialog->installEventFilter(this);

    m_confirm = std::make_unique<ConfirmTask>(m_view.confirmButton);
    readInBackground<State>(
        this, m_view, &aiNetSettingWidget::readState, [this](const State &state) { applyState(state); });
}

aiNetSettingWidget::~aiNetSettingWidget() = default;

aiNetSettingWidget::State aiNetSettingWidget::readState()
{
    TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
    State state;
    state.status0 = client->getServiceStatus(servicenames::AI_NET, 2);
    if (state.status0 == 1) {
        state.status0 = client->getServiceStatus(servicenames::AI_NET, 0);
        state.status1 = client->getServiceStatus(servicenames::AI_NET, 1);
    }
    qCDebug(lcSettings) << "ai-net service status: " << state.status0 << state.status1;

    for (const QString &key : aiConfigKeys()) {
        QString value;
        client->getAiConfig(key, value);
        state.aiConfig << value;
    }
    qCDebug(lcSettings) << "init ai config value: " << state.aiConfig.at(TimeWindow)
                        << state.aiConfig.at(DnsThreshold) << state.aiConfig.at(SynThreshold)
                        << state.aiConfig.at(AckThreshold) << state.aiConfig.at(UdpThreshold)
                        << state.aiConfig.at(IcmpThreshold);
    // Only a stop that is known stops this service too.
    state.detectionRunning = detectionServices() != Detection::Stopped;
    return state;
}

void aiNetSettingWidget::applyState(const State &state)
{
    m_loading = false;
    m_ai_net_service_status = state.status0;
    m_type1Status = state.status1;
    m_aiConfig = m_loadedAiConfig = state.aiConfig;
    m_detectionRunning = state.detectionRunning;
    // An unknown state is not shown as a service that is off.
    m_readFailed = m_ai_net_service_status < 0;

    qCDebug(lcSettings) << "m_ai_net_service_status :" << m_ai_net_service_status;
    m_views->setCurrentIndex(m_ai_net_service_status == 2 ? 0 : 1);
    if (m_ai_net_service_status != 2) {
        m_onAtLoad = m_ai_net_service_status == 1 ? 1 : 0;
        m_targetStatus0 = m_targetStatus1 = m_onAtLoad;
    }
    restoreStateAtLoad();
    {
        // Only what the user types is checked.
        const QSignalBlocker quiet(m_timeWindowEdit);
        m_timeWindowEdit->setText(m_aiConfig.at(TimeWindow));
    }
    m_advancedEditor->setValues(m_aiConfig.mid(DnsThreshold));

    if (m_readFailed) {
        for (QAbstractButton *button : m_serviceGroup->buttons())
            button->setEnabled(false);
        m_view.confirmButton->setEnabled(false);
        m_errorLabel->setText(tr("The current settings could not be read, please try again later"));
        m_errorLabel->show();
    }
    if (!m_detectionRunning) {
        // The AI service works on what detection finds; without it the service stops.
        m_view.titleRow->setEnabled(false);
        m_serviceSection->setEnabled(false);
        m_serviceGroup->button(1)->setChecked(true);
        stopServiceInBackground(this, servicenames::AI_NET);
    }
}

QWidget *aiNetSettingWidget::buildInstallView()
{
    auto *view = new QWidget;
    view->setFixedSize(VIEW_WIDTH, VIEW_HEIGHT);
    auto *layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    m_installPages = new QStackedWidget(view);
    layout->addWidget(m_installPages);

    // At least as wide as given, and wider where a translation needs it.
    auto *install = new QPushButton(tr("Download and install"));
    install->setMinimumWidth(102);
    auto *gotIt = new QPushButton(tr("Got it"));
    auto *retry = new QPushButton(tr("Retry"));
    for (QPushButton *button : { gotIt, retry })
        button->setMinimumWidth(96);
    for (QPushButton *button : { install, gotIt, retry })
        button->setFixedHeight(36);
    m_installButtons = { install, nullptr, gotIt, retry };

    m_installPages->addWidget(installPage(
        INSTALL_PICTURE, centredText(tr("Install the AI Cyber Threat Detection service first")), install));

    auto *progress = new QWidget;
    auto *progressLayout = new QVBoxLayout(progress);
    progressLayout->setContentsMargins(0, 0, 0, 0);
    m_progressBar = new QProgressBar(progress);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setFixedWidth(360);
    progressLayout->addWidget(m_progressBar, 0, Qt::AlignHCenter);
    progressLayout->addWidget(
        centredText(tr("Downloading and installing, please do not turn off the computer···")), 0,
        Qt::AlignHCenter);
    m_installPages->addWidget(installPage(INSTALL_PICTURE, progress, nullptr));

    m_installPages->addWidget(installPage(QStringLiteral(":/Resource/Icon/base/dialog-success.svg"),
        centredText(tr("The service is successfully installed, please restart the tool")), gotIt));
    m_failureLabel = centredText(tr("The service installation failed, please try again"));
    m_installPages->addWidget(
        installPage(QStringLiteral(":/Resource/Icon/base/dialog-error.svg"), m_failureLabel, retry));

    connect(install, &QPushButton::clicked, this, &aiNetSettingWidget::startInstallEngine);
    connect(gotIt, &QPushButton::clicked, this, &aiNetSettingWidget::slot_installSuccess);
    connect(retry, &QPushButton::clicked, this, &aiNetSettingWidget::startInstallEngine);

    // Function pointers: the finished signal passes its list by reference,
    // which only a direct connection can deliver.
    TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
    connect(client, &TarvixDesktopDaemonClient::signal_installProgress, this,
        &aiNetSettingWidget::updateProgress);
    connect(client, &TarvixDesktopDaemonClient::signal_installFinished, this,
        &aiNetSettingWidget::handleFinalResult);
    return view;
}

QPushButton *aiNetSettingWidget::installPageButton(InstallPage page) const
{
    return m_installButtons.value(page);
}

QWidget *aiNetSettingWidget::buildSettingsView()
{
    auto *view = new QWidget;
    m_view = buildSettingView(view, tr("AI Network Threat Detect Service"));
    m_view.cancelButton->setText(tr("Cancel"));

    m_serviceSection = addSection(m_view);
    auto *sectionLayout = static_cast<QVBoxLayout *>(m_serviceSection->layout());
    auto *open = new QRadioButton(
        QStringLiteral("%1     %2")
            .arg(tr("Open"), tr("Once open, it will detect network traffic security risks in real time")),
        m_serviceSection);
    auto *close = new QRadioButton(tr("Close"), m_serviceSection);
    m_serviceGroup = new QButtonGroup(this);
    m_serviceGroup->addButton(open, 0);
    m_serviceGroup->addButton(close, 1);
    nameChoices(m_serviceGroup, m_view.title, { tr("Open"), tr("Close") });
    sectionLayout->addWidget(open);
    sectionLayout->addWidget(close);
    m_errorLabel = addErrorRow(sectionLayout, 0);

    buildParameterSection();
    m_view.contentLayout->addStretch();

    connect(m_view.cancelButton, &QPushButton::clicked, this, &aiNetSettingWidget::slot_clickCancel);
    connect(m_view.confirmButton, &QPushButton::clicked, this, &aiNetSettingWidget::slot_aiServiceBtnConfirm);
    connect(m_view.confirmButton, &CustomButton::loadingAnimationFinished, this,
        &aiNetSettingWidget::onLoadingAnimationFinished);
    return view;
}

void aiNetSettingWidget::buildParameterSection()
{
    m_parameterSection = addSection(m_view);
    auto *layout = static_cast<QVBoxLayout *>(m_parameterSection->layout());
    layout->addWidget(createBoldLabel(tr("Threat Detect Config"), m_parameterSection));

    auto *periodRow = new QHBoxLayout;
    periodRow->addWidget(
        new QLabel(QStringLiteral("%1 ( %2 )").arg(tr("Observation Period"), tr("ms")), m_parameterSection));
    periodRow->addSpacing(10);
    periodRow->addWidget(new QLabel(
        tr("The time interval between the number of abnormal packets sent from external IP addresses"),
        m_parameterSection));
    periodRow->addStretch();
    layout->addLayout(periodRow);
    m_timeWindowEdit = new QLineEdit(m_parameterSection);
    m_timeWindowEdit->setPlaceholderText(tr("The period range is 10~1000"));
    m_timeWindowEdit->setAccessibleName(tr("Observation Period"));
    layout->addWidget(m_timeWindowEdit);
    m_timeWindowError = createErrorLabel(m_parameterSection);
    layout->addWidget(m_timeWindowError);

    auto *advancedRow = new QHBoxLayout;
    advancedRow->addWidget(new QLabel(tr("Advanced Setting"), m_parameterSection));
    advancedRow->addSpacing(10);
    advancedRow->addWidget(
        new QLabel(tr("The larger the request value, the more relaxed the network detection conditions are"),
            m_parameterSection));
    advancedRow->addStretch();
    m_arrowLabel = new QLabel(m_parameterSection);
    m_arrowLabel->setFixedSize(16, 16);
    m_arrowLabel->setPixmap(arrow("vemo-down-symbolic"));
    m_arrowLabel->setProperty("useIconHighlightEffect", 2);
    m_arrowLabel->installEventFilter(this);
    advancedRow->addWidget(m_arrowLabel);
    layout->addLayout(advancedRow);

    m_advancedEditor = new aiNetAdvancedSettingWidget(
        QString(), QString(), QString(), QString(), QString(), m_parameterSection);
    m_advancedEditor->hide();
    layout->addWidget(m_advancedEditor);
    // Only the switch is offered in this release.
    m_parameterSection->hide();
}

void aiNetSettingWidget::slot_aiServiceBtnClicked(bool)
{
    if (m_serviceGroup->checkedId() == 0) {
        qCDebug(lcSettings) << "ai网络威胁检测-开启";
        m_serviceGroup->button(1)->setChecked(false);
        m_dialogAnswered = false;
        m_dialog->show();
        m_targetStatus0 = 1;
    } else {
        qCDebug(lcSettings) << "ai网络威胁检测-关闭";
        m_serviceGroup->button(0)->setChecked(false);
        m_targetStatus0 = m_targetStatus1 = 0;
    }
}

void aiNetSettingWidget::slot_ai_net_service_open_dialog(bool open)
{
    m_dialogAnswered = true;
    if (open)
        m_targetStatus0 = m_targetStatus1 = 1;
    else
        restoreStateAtLoad();
}

void aiNetSettingWidget::restoreStateAtLoad()
{
    // Open for a running service, Close for one that is not, neither when
    // it is not installed or its state is unknown.
    QAbstractButton *checked = nullptr;
    if (m_ai_net_service_status == 1)
        checked = m_serviceGroup->button(0);
    else if (m_ai_net_service_status != 2 && !m_readFailed)
        checked = m_serviceGroup->button(1);
    if (checked) {
        checked->setChecked(true);
    } else {
        m_serviceGroup->setExclusive(false);
        for (QAbstractButton *button : m_serviceGroup->buttons())
            button->setChecked(false);
        m_serviceGroup->setExclusive(true);
    }
    m_targetStatus0 = m_targetStatus1 = m_onAtLoad;
}

bool aiNetSettingWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_dialog && event->type() == QEvent::Close && !m_dialogAnswered) {
        m_dialogAnswered = true;
        restoreStateAtLoad();
    } else if (watched == m_arrowLabel && event->type() == QEvent::MouseButtonPress
        && m_ai_net_service_status != 2) {
        const bool show = m_advancedEditor->isHidden();
        m_advancedEditor->setVisible(show);
        m_arrowLabel->setPixmap(arrow(show ? "vemo-up-symbolic" : "vemo-down-symbolic"));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void aiNetSettingWidget::slot_clickCancel()
{
    emit signal_close();
}

void aiNetSettingWidget::slot_aiServiceBtnConfirm()
{
    if (m_loading || m_confirm->isRunning())
        return;
    m_errorLabel->hide();
    const bool change = m_onAtLoad != m_targetStatus0;
    const int target0 = change ? m_targetStatus0 : -1;
    const int target1 = m_targetStatus1;
    m_confirm->start(
        this, [target0, target1] { return apply(target0, target1); }, &aiNetSettingWidget::onTaskFinished);
}

int aiNetSettingWidget::apply(int target0, int target1)
{
    // target0 is -1 when the switch did not change: nothing is sent.
    if (target0 != 0 && target0 != 1) {
        qCDebug(lcSettings) << "set status return: " << -1 << -1;
        return 0;
    }
    return switchService(servicenames::AI_NET, target0, target1) ? 0 : 1;
}

void aiNetSettingWidget::onTaskFinished(int mseconds)
{
    m_confirm->reportTime(mseconds);
}

void aiNetSettingWidget::onLoadingAnimationFinished()
{
    if (!m_confirm->finish()) {
        emit signal_close();
        return;
    }
    m_errorLabel->setText(
        tr("The AI network threat detection service could not be switched, please try again"));
    m_errorLabel->show();
}

void aiNetSettingWidget::slot_timeWindowChanged(QString text)
{
    qCDebug(lcSettings) << "timeWindow: " << text;
    bool isNumber = false;
    const int value = text.toInt(&isNumber, 10);
    if (!isNumber) {
        qCDebug(lcSettings) << "Invalid input";
        m_timeWindowError->setText(tr("Please enter a number"));
        m_timeWindowError->show();
    } else if (value >= MIN_TIME_WINDOW && value <= MAX_TIME_WINDOW) {
        qCDebug(lcSettings) << "Valid input";
        m_timeWindowError->hide();
    } else {
        qCDebug(lcSettings) << value << "Number exceeds the limit";
        m_timeWindowError->setText(
            tr("The observation period is unreasonable, and the value range is 10~1000"));
        m_timeWindowError->show();
    }
    m_aiConfig[TimeWindow] = text;
}

void aiNetSettingWidget::onAdvancedValuesChanged(
    QString dns, QString syn, QString ack, QString udp, QString icmp)
{
    qCDebug(lcSettings) << "DNS请求数:" << dns << "SYN请求数:" << syn << "ACK请求数:" << ack
                        << "UDP请求数:" << udp << "ICMP请求数:" << icmp;
    m_aiConfig[DnsThreshold] = dns;
    m_aiConfig[SynThreshold] = syn;
    m_aiConfig[AckThreshold] = ack;
    m_aiConfig[UdpThreshold] = udp;
    m_aiConfig[IcmpThreshold] = icmp;
}

void aiNetSettingWidget::startInstallEngine()
{
    if (m_installRequestPending)
        return;
    m_installRequestPending = true;
    m_progressBar->setValue(0);
    m_installPages->setCurrentIndex(Installing);
    // The daemon may take its time to answer; the window must not freeze meanwhile.
    auto result = std::make_shared<int>(-1);
    ThreadWorker::start(
        this,
        [result] {
            *result
                = TarvixDesktopDaemonClient::instance()->installPackages({ servicenames::AI_NET_PACKAGE });
        },
        [this, result](int) { installRequestAnswered(*result); });
}

void aiNetSettingWidget::installRequestAnswered(int result)
{
    m_installRequestPending = false;
    if (result == 0) {
        qCDebug(lcSettings) << "install interface call success";
        return; // the installation signals tell the rest
    }
    m_failureLabel->setText(tr("The service installation failed, please try again"));
    m_installPages->setCurrentIndex(InstallFailed);
    if (result == 1)
        qCDebug(lcSettings) << "系统繁忙,有其他安装任务正在执行，请稍后重试";
    else
        qCDebug(lcSettings) << "调用失败, 错误码: " << result;
}

void aiNetSettingWidget::updateProgress(int percent, QString, QString)
{
    m_progressBar->setValue(percent);
}

void aiNetSettingWidget::handleFinalResult(int success, QStringList results, QString summary, QString detail)
{
    if (success == 0) {
        m_installPages->setCurrentIndex(Installed);
        disconnect(TarvixDesktopDaemonClient::instance(), nullptr, this, nullptr);
        return;
    }
    qCDebug(lcSettings) << "install package: "
                        << QStringLiteral("错误码：%1\n描述：%2\n涉及软件包：%3")
                               .arg(summary, detail, results.join(QStringLiteral(", ")));
    m_installPages->setCurrentIndex(InstallFailed);
    // A failure without the daemon's words still says that it failed.
    m_failureLabel->setText(
        detail.isEmpty() ? tr("The service installation failed, please try again") : detail);
}

void aiNetSettingWidget::slot_installSuccess()
{
    // Tells an open report page that its AI figures can be had now.
    Middleware::instance()->receiveMessage(QString());
    emit signal_close();
}

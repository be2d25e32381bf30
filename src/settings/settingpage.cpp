#include "settings/settingpage.h"
#include "logging/logcategories.h"

#include "daemon/tarvixdesktopdaemonclient.h"
#include "kit/kitstyle.h"
#include "settings/servicenames.h"
#include "widgets/busyindicator.h"
#include "widgets/custombutton.h"
#include "widgets/threadworker.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
const int VIEW_WIDTH = 710;
const int VIEW_HEIGHT = 448;
const int TITLE_GAP = 36;
const int SECTION_INDENT = 12;
const int BUTTON_WIDTH = 96;
const int BUTTON_HEIGHT = 36;
const int EDIT_WIDTH = 543;
} // namespace

SettingView buildSettingView(QWidget *view, const QString &title)
{
    SettingView parts;
    parts.title = title;
    view->setFixedSize(VIEW_WIDTH, VIEW_HEIGHT);
    auto *outer = new QVBoxLayout(view);
    outer->setContentsMargins(0, 0, 24, 0);

    auto *scrollArea = new QScrollArea(view);
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setWidgetResizable(true);
    // The window's own background shows through, in either theme.
    scrollArea->viewport()->setAutoFillBackground(false);
    auto *content = new QWidget(scrollArea);
    parts.content = content;
    parts.contentLayout = new QVBoxLayout(content);
    parts.contentLayout->setContentsMargins(8, 0, 8, 0);
    parts.contentLayout->setSpacing(12);
    parts.contentLayout->addSpacing(TITLE_GAP);
    scrollArea->setWidget(content);
    // setWidget() turned the fill on.
    content->setAutoFillBackground(false);
    outer->addWidget(scrollArea);

    // Outside the layout: it lies in the gap the layout leaves at the top.
    parts.titleRow = new QWidget(content);
    parts.titleRow->setGeometry(0, 0, VIEW_WIDTH, TITLE_GAP);
    parts.titleRow->setFixedWidth(VIEW_WIDTH);
    auto *titleLayout = new QHBoxLayout(parts.titleRow);
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->addSpacing(20);
    titleLayout->addWidget(createBoldLabel(title, parts.titleRow));
    titleLayout->addSpacing(8);
    parts.busy = new BusyIndicator(16, view);
    titleLayout->addWidget(parts.busy);
    parts.busy->hide();
    titleLayout->addStretch();

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    parts.cancelButton = new QPushButton(view);
    parts.cancelButton->setMinimumSize(BUTTON_WIDTH, BUTTON_HEIGHT);
    buttonRow->addWidget(parts.cancelButton);
    parts.confirmButton = new CustomButton(view);
    parts.confirmButton->setProperty("isImportant", true);
    buttonRow->addWidget(parts.confirmButton);
    outer->addLayout(buttonRow);
    return parts;
}

QWidget *addSection(const SettingView &view)
{
    auto *section = new QWidget;
    auto *layout = new QVBoxLayout(section);
    layout->setContentsMargins(SECTION_INDENT, 0, 0, 0);
    view.contentLayout->addWidget(section);
    return section;
}

QLabel *createBoldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel *createRowLabel(const QString &text, int width, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFixedWidth(width);
    label->setWordWrap(true);
    return label;
}

QLineEdit *addEditRow(QVBoxLayout *layout, QLabel *label, const QString &text)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(label);
    row->addSpacing(ROW_GAP);
    auto *edit = new QLineEdit(text, label->parentWidget());
    edit->setAccessibleName(label->text());
    edit->setFixedWidth(EDIT_WIDTH);
    row->addWidget(edit);
    row->addStretch();
    layout->addLayout(row);
    return edit;
}

QLabel *createErrorLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    // It may quote what was typed or pasted.
    label->setTextFormat(Qt::PlainText);
    label->setFont(QFont(QStringLiteral("Arial"), 9));
    lumo::style::followTheme(label, [label] {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, lumo::style::alertText());
        label->setPalette(palette);
    });
    label->setWordWrap(true);
    label->hide();
    return label;
}

void nameChoices(QButtonGroup *group, const QString &groupName, const QStringList &choices)
{
    for (int id = 0; id < choices.size(); ++id) {
        if (QAbstractButton *button = group->button(id))
            button->setAccessibleName(
                QCoreApplication::translate("SettingPage", "%1: %2").arg(groupName, choices.at(id)));
    }
}

QLabel *addErrorRow(QVBoxLayout *layout, int labelWidth)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->addSpacing(labelWidth + ROW_GAP);
    QLabel *label = createErrorLabel(layout->parentWidget());
    row->addWidget(label, 1);
    layout->addLayout(row);
    return label;
}

DurationInput checkDuration(const QString &text, int max, const char *logLabel)
{
    const auto verdict = [logLabel](DurationInput input, auto... details) {
        if (logLabel) {
            QDebug line = QMessageLogger().debug(lcSettings());
            (line << ... << details);
        }
        return input;
    };
    // toInt() also takes blanks around the number and a plus sign; those
    // must not reach the daemon, and are not quietly taken off either.
    static const QRegularExpression decorated(QStringLiteral("^\\s*(\\+\\d+|-?\\d+)\\s*$"));
    static const QRegularExpression plain(QStringLiteral("^-?\\d+$"));
    if (decorated.match(text).hasMatch() && !plain.match(text).hasMatch())
        return verdict(DurationInput::NotPlain, "Invalid input");
    bool isNumber = false;
    const int value = text.toInt(&isNumber, 10);
    if (isNumber) {
        if (logLabel)
            qCDebug(lcSettings) << logLabel << text;
        if (text == QLatin1String("-1") || (value >= 1 && value <= max))
            return verdict(DurationInput::Valid, "Valid input");
        return verdict(DurationInput::OutOfRange, value, "Number exceeds the limit");
    }
    // Digits only, but too many for an int.
    static const QRegularExpression positive(QStringLiteral("^[1-9]\\d*$"));
    if (positive.match(text).hasMatch())
        return verdict(DurationInput::OutOfRange, 0, "Number exceeds the limit");
    return verdict(DurationInput::NotANumber, "Invalid input");
}

void setLoading(const SettingView &view, bool loading)
{
    view.content->setEnabled(!loading);
    view.confirmButton->setEnabled(!loading);
    view.busy->setVisible(loading);
}

Detection detectionServices()
{
    TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
    const int research = client->getServiceStatus(servicenames::RESEARCH, 0);
    const int rootcheck = client->getServiceStatus(servicenames::ROOTCHECK, 0);
    const int logscan = client->getServiceStatus(servicenames::LOGSCAN, 0);
    qCDebug(lcSettings) << "all service status: " << research << rootcheck << logscan;
    if (research < 0 || rootcheck < 0 || logscan < 0)
        return Detection::Unknown;
    return research == 1 && rootcheck == 1 && logscan == 1 ? Detection::Running : Detection::Stopped;
}

bool switchService(const QString &service, int status0, int status1)
{
    TarvixDesktopDaemonClient *client = TarvixDesktopDaemonClient::instance();
    const int r1 = client->setServiceStatus(service, status0, 0);
    const int r2 = client->setServiceStatus(service, status1, 1);
    qCDebug(lcSettings) << "set status return: " << r1 << r2;
    return r1 == 0 && r2 == 0;
}

void stopServiceInBackground(QObject *context, const QString &service)
{
    // The facade logs the result; there is nobody to tell beyond that.
    ThreadWorker::start(
        context, [service] { TarvixDesktopDaemonClient::instance()->setServiceStatus(service, 0, 0); },
        [](int) {});
}

#include "kit/kaboutdialog.h"
#include "kit/kaboutdialog_p.h"
#include "logging/logcategories.h"

#include "kit/kitstyle.h"
#include "kit/linklabel.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>
#include <QVBoxLayout>

namespace lumo {

namespace {

const int kDialogWidth = 420;
const int kAppIconSize = 96;
const int kVersionTimeoutMs = 5000;
const char kDefaultSupport[] = "support@zorvasoft.com";

QString defaultPrivacyStatement()
{
    return KAboutDialog::tr("This application uses the information it shows only on this computer. "
                            "It does not send your personal data to anyone.");
}

// Handlers listed for a MIME type in the "Default Applications" group of a
// mimeapps.list file. The file is read by hand: the values are
// ';'-separated lists, which an INI reader would cut at the first ';'.
QStringList defaultApplications(const QString &listPath, const QString &mimeType)
{
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            inGroup = line == QStringLiteral("[Default Applications]");
            continue;
        }
        const int equals = line.indexOf('=');
        if (!inGroup || equals < 0 || line.left(equals).trimmed() != mimeType)
            continue;
        QStringList handlers;
        for (const QString &entry : line.mid(equals + 1).split(';', Qt::SkipEmptyParts)) {
            if (!entry.trimmed().isEmpty())
                handlers << entry.trimmed();
        }
        return handlers;
    }
    return {};
}

} // namespace

KAboutDialogPrivate::KAboutDialogPrivate(KAboutDialog *parent)
    : QObject(parent)
    , q(parent)
{
    QWidget *main = q->mainWidget();
    m_iconLabel = new QLabel(main);
    m_iconLabel->setObjectName("AppIconLabel");
    m_iconLabel->setFixedSize(kAppIconSize, kAppIconSize);
    m_iconLabel->setAlignment(Qt::AlignCenter);

    m_nameLabel = new QLabel(main);
    m_nameLabel->setObjectName("AppNameLabel");
    m_nameLabel->setTextFormat(Qt::PlainText);
    m_nameLabel->setAlignment(Qt::AlignCenter);
    m_nameLabel->setWordWrap(true);
    QFont nameFont = m_nameLabel->font();
    nameFont.setPixelSize(18);
    nameFont.setWeight(QFont::DemiBold);
    m_nameLabel->setFont(nameFont);

    m_versionLabel = new QLabel(main);
    m_versionLabel->setObjectName("AppVersionLabel");
    m_versionLabel->setTextFormat(Qt::PlainText);
    m_versionLabel->setAlignment(Qt::AlignCenter);

    m_bodyLabel = new QLabel(main);
    m_bodyLabel->setObjectName("BodyLabel");
    m_bodyLabel->setTextFormat(Qt::PlainText);
    m_bodyLabel->setWordWrap(true);
    m_bodyLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_bodyLabel->hide();

    m_supportLabel = new QLabel(main);
    m_supportLabel->setObjectName("SupportLabel");
    m_supportLabel->setTextFormat(Qt::PlainText);
    m_mailLabel = new LinkLabel(QString::fromLatin1(kDefaultSupport), main);
    m_mailLabel->setObjectName("SupportMailLabel");

    m_privacyLabel = new LinkLabel(main);
    m_privacyLabel->setObjectName("PrivacyLabel");

    auto *supportRow = new QHBoxLayout;
    supportRow->setSpacing(0);
    supportRow->addStretch();
    supportRow->addWidget(m_supportLabel);
    supportRow->addWidget(m_mailLabel);
    supportRow->addStretch();

    auto *layout = new QVBoxLayout(main);
    layout->setContentsMargins(24, 8, 24, 28);
    layout->setSpacing(0);
    layout->addWidget(m_iconLabel, 0, Qt::AlignHCenter);
    layout->addSpacing(16);
    layout->addWidget(m_nameLabel);
    layout->addSpacing(8);
    layout->addWidget(m_versionLabel);
    layout->addSpacing(16);
    layout->addWidget(m_bodyLabel);
    layout->addSpacing(8);
    layout->addLayout(supportRow);
    layout->addSpacing(8);
    layout->addWidget(m_privacyLabel, 0, Qt::AlignHCenter);

    connect(m_mailLabel, &LinkLabel::clicked, q, [this] { q->openSupportMail(); });
    connect(m_privacyLabel, &LinkLabel::clicked, this, &KAboutDialogPrivate::showPrivacyStatement);
}

void KAboutDialogPrivate::retranslate()
{
    m_supportLabel->setText(KAboutDialog::tr("Service & Support: "));
    m_privacyLabel->setText(KAboutDialog::tr("Privacy statement"));
    updateVersion();
}

void KAboutDialogPrivate::updateIcon()
{
    m_iconLabel->setPixmap(m_icon.pixmap(QSize(kAppIconSize, kAppIconSize)));
    m_iconLabel->setVisible(!m_icon.isNull());
    q->setWindowIcon(m_icon);
}

void KAboutDialogPrivate::updateVersion()
{
    if (!m_version.isEmpty()) {
        m_versionLabel->setText(m_version);
        return;
    }
    if (!m_versionLookedUp)
        return;
    m_versionLabel->setText(m_lookedUpVersion.isEmpty()
            ? KAboutDialog::tr("Version number not found")
            : KAboutDialog::tr("Version: %1").arg(m_lookedUpVersion));
}

void KAboutDialogPrivate::applyColours()
{
    const bool dark = ThemeController::isDarkTheme();
    QPalette pal = q->palette();
    pal.setColor(QPalette::Link, QColor("#307FF5"));
    q->setPalette(pal);
    const QColor support = dark ? QColor("#D9D9D9") : QColor("#595959");
    m_mailLabel->setTextColor(support);
    QPalette supportPalette = m_supportLabel->palette();
    supportPalette.setColor(QPalette::WindowText, support);
    m_supportLabel->setPalette(supportPalette);
    QPalette versionPalette = m_versionLabel->palette();
    versionPalette.setColor(QPalette::WindowText, style::secondaryText());
    m_versionLabel->setPalette(versionPalette);
}

void KAboutDialogPrivate::showPrivacyStatement()
{
    auto *box = new QMessageBox(
        QMessageBox::NoIcon, KAboutDialog::tr("Privacy statement"), m_privacyText, QMessageBox::Ok, q);
    box->setObjectName("PrivacyStatementBox");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

KAboutDialog::KAboutDialog(
    QWidget *parent, const QIcon &appIcon, const QString &appName, const QString &appVersion)
    : KDialog(parent)
    , d(new KAboutDialogPrivate(this))
{
    setObjectName("KAboutDialog");
    setProperty("isAboutDialog", true);
    setMinimumWidth(kDialogWidth);
    d->m_privacyText = defaultPrivacyStatement();
    d->m_packageName = QCoreApplication::applicationName();
    d->m_icon = appIcon;
    d->m_version = appVersion;
    d->updateIcon();
    setAppName(appName);
    d->retranslate();
    d->applyColours();
}

KAboutDialog::~KAboutDialog() = default;

void KAboutDialog::setAppIcon(const QIcon &icon)
{
    d->m_icon = icon;
    d->updateIcon();
}

QIcon KAboutDialog::appIcon() const
{
    return d->m_icon;
}

void KAboutDialog::setAppName(const QString &name)
{
    d->m_nameLabel->setText(name);
    setWindowTitle(name);
}

QString KAboutDialog::appName() const
{
    return d->m_nameLabel->text();
}

void KAboutDialog::setAppVersion(const QString &version)
{
    d->m_version = version;
    d->updateVersion();
}

QString KAboutDialog::appVersion() const
{
    return d->m_versionLabel->text();
}

void KAboutDialog::setPackageName(const QString &packageName)
{
    d->m_packageName = packageName;
    d->m_versionLookedUp = false;
}

QString KAboutDialog::packageName() const
{
    return d->m_packageName;
}

void KAboutDialog::setBodyText(const QString &text)
{
    d->m_bodyLabel->setText(text);
    d->m_bodyLabel->setVisible(!text.isEmpty());
}

QString KAboutDialog::bodyText() const
{
    return d->m_bodyLabel->text();
}

void KAboutDialog::setAppSupport(const QString &mailAddress)
{
    d->m_mailLabel->setText(mailAddress);
}

QString KAboutDialog::appSupport() const
{
    return d->m_mailLabel->text();
}

void KAboutDialog::setPrivacyStatement(const QString &text)
{
    d->m_privacyText = text;
}

QString KAboutDialog::privacyStatement() const
{
    return d->m_privacyText;
}

void KAboutDialog::setAppPrivacyLabelVisible(bool visible)
{
    d->m_privacyLabel->setVisible(visible);
}

bool KAboutDialog::appPrivacyLabelIsVisible() const
{
    return !d->m_privacyLabel->isHidden();
}

QString KAboutDialog::packageVersion(const QString &packageName)
{
    // The name goes into a shell command line, so only real package names pass.
    static const QRegularExpression validName(QStringLiteral("^[a-z0-9][a-z0-9+.-]+$"));
    if (!validName.match(packageName).hasMatch()) {
        qCDebug(lcKit) << "not a package name:" << packageName;
        return QString();
    }
    QProcess process;
    process.start(QStringLiteral("/bin/bash"),
        { QStringLiteral("-c"),
            QStringLiteral("dpkg -l | grep ") + packageName + QStringLiteral(" | awk '{print $3}'") });
    if (!process.waitForStarted(kVersionTimeoutMs)) {
        qCDebug(lcKit) << "cannot ask the package list for" << packageName;
        return QString();
    }
    if (!process.waitForFinished(kVersionTimeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        qCDebug(lcKit) << "package list did not answer for" << packageName;
        return QString();
    }
    return versionFromOutput(QString::fromLocal8Bit(process.readAllStandardOutput()));
}

QString KAboutDialog::versionFromOutput(const QString &output)
{
    // More than one package may contain the name; the list is sorted, so the
    // exact name comes before longer ones that start with it.
    const QStringList lines = output.split('\n');
    for (const QString &line : lines) {
        const QString version = line.trimmed();
        if (!version.isEmpty())
            return version;
    }
    return QString();
}

QString KAboutDialog::mailHandlerDesktopFile(const QString &homePath, const QString &applicationsDir)
{
    const QString configDir = homePath + QStringLiteral("/.config/");
    for (const QString &listName :
        { QStringLiteral("mimeapps.list"), QStringLiteral("vemo-mimeapps.list") }) {
        const QStringList handlers
            = defaultApplications(configDir + listName, QStringLiteral("x-scheme-handler/mailto"));
        for (const QString &name : handlers) {
            if (name.contains('/'))
                continue;
            const QString desktopFile = QDir(applicationsDir).filePath(name);
            if (QFile::exists(desktopFile))
                return desktopFile;
        }
    }
    return QString();
}

bool KAboutDialog::openSupportMail()
{
    const QString handler = mailHandlerDesktopFile(QDir::homePath());
    if (!handler.isEmpty() && QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + appSupport())))
        return true;

    auto *box = new QMessageBox(QMessageBox::NoIcon, tr("Unable to open mail application"),
        tr("Your system does not have any email application installed or the default "
           "mail application is not set up."),
        QMessageBox::Ok, this);
    box->setObjectName("MailErrorBox");
    box->setIconPixmap(style::themeIcon("dialog-info", "dialog-info").pixmap(QSize(48, 48)));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return false;
}

void KAboutDialog::changeTheme()
{
    KDialog::changeTheme();
    d->applyColours();
}

void KAboutDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        d->retranslate();
    KDialog::changeEvent(event);
}

void KAboutDialog::showEvent(QShowEvent *event)
{
    if (d->m_version.isEmpty() && !d->m_versionLookedUp) {
        d->m_lookedUpVersion = packageVersion(d->m_packageName);
        d->m_versionLookedUp = true;
        d->updateVersion();
    }
    KDialog::showEvent(event);
}

} // namespace lumo

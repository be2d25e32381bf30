#pragma once

#include "kit/kdialog.h"

#include <QIcon>

namespace lumo {

class KAboutDialogPrivate;

// About dialog of an application: icon, name, version, support mail link and
// privacy statement.
class KAboutDialog : public KDialog
{
    Q_OBJECT
public:
    explicit KAboutDialog(QWidget *parent = nullptr, const QIcon &appIcon = QIcon(),
        const QString &appName = QString(), const QString &appVersion = QString());
    ~KAboutDialog() override;

    void setAppIcon(const QIcon &icon);
    QIcon appIcon() const;
    void setAppName(const QString &name);
    QString appName() const;
    // Shown as given. Without one the dialog asks the package list for the
    // version of packageName().
    void setAppVersion(const QString &version);
    QString appVersion() const;
    void setPackageName(const QString &packageName);
    QString packageName() const;
    void setBodyText(const QString &text);
    QString bodyText() const;
    void setAppSupport(const QString &mailAddress);
    QString appSupport() const;
    void setPrivacyStatement(const QString &text);
    QString privacyStatement() const;
    void setAppPrivacyLabelVisible(bool visible);
    bool appPrivacyLabelIsVisible() const;

    // Third column of the package's line in the package list; empty when the
    // package is unknown or the name is not a package name.
    static QString packageVersion(const QString &packageName);
    static QString versionFromOutput(const QString &output);
    // Desktop file of the default mail application, or empty.
    static QString mailHandlerDesktopFile(
        const QString &homePath, const QString &applicationsDir = QStringLiteral("/usr/share/applications/"));

    // What clicking the support link does: open the mail application, or say
    // that there is none. False when there is none.
    bool openSupportMail();

protected:
    void changeTheme() override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    friend class KAboutDialogPrivate;
    KAboutDialogPrivate *const d;
};

} // namespace lumo

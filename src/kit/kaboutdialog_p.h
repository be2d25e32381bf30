#pragma once

#include <QIcon>
#include <QObject>

class QLabel;
class QVBoxLayout;

namespace lumo {

class KAboutDialog;
class LinkLabel;

class KAboutDialogPrivate : public QObject
{
    Q_OBJECT
public:
    explicit KAboutDialogPrivate(KAboutDialog *parent);

    void retranslate();
    void updateIcon();
    void updateVersion();
    void applyColours();
    void showPrivacyStatement();

    KAboutDialog *const q;
    QLabel *m_iconLabel = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLabel *m_versionLabel = nullptr;
    QLabel *m_bodyLabel = nullptr;
    QLabel *m_supportLabel = nullptr;
    LinkLabel *m_mailLabel = nullptr;
    LinkLabel *m_privacyLabel = nullptr;
    QIcon m_icon;
    QString m_version;
    QString m_packageName;
    QString m_privacyText;
    bool m_versionLookedUp = false;
    QString m_lookedUpVersion;
};

} // namespace lumo

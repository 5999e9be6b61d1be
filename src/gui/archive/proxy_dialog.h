#pragma once

#include <QDialog>

#include "core/archive/download_settings.h"
#include "core/archive/proxy_settings.h"
#include "core/util/ui_host.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace quorvel {
class Workspace;
}

namespace quorvel::gui {

// "Параметры proxy-сервера": no proxy, automatic search, or the proxy given by hand, with the
// addresses the download reads from. The caller takes the values only when accepted.
class ProxyDialog : public QDialog {
    Q_OBJECT

public:
    ProxyDialog(const TProxySettings& proxy, const TDownloadSettings& download, UiHost& host,
                QWidget* parent = nullptr);

    // Mode 2 with the fields for the manual choice, 0 with the fields for none, and mode 1
    // with server, port, user name and password cleared for the automatic search.
    TProxySettings Proxy() const;
    TDownloadSettings Download() const;

    QRadioButton* Choice(int mode) const { return choices_[mode]; }
    QLineEdit* ServerEdit() const { return server_; }
    QSpinBox* PortEdit() const { return port_; }
    QLineEdit* UserEdit() const { return user_; }
    QLineEdit* PasswordEdit() const { return password_; }
    QLineEdit* ResultsUrlEdit() const { return resultsUrl_; }
    QLineEdit* ProxyListUrlEdit() const { return proxyListUrl_; }

    void accept() override;

private:
    void UpdateEnabled();
    int ChosenMode() const;

    UiHost& host_;
    QRadioButton* choices_[3] = {};
    QLineEdit* server_ = nullptr;
    QSpinBox* port_ = nullptr;
    QLineEdit* user_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLineEdit* resultsUrl_ = nullptr;
    QLineEdit* proxyListUrl_ = nullptr;
};

// Opens the dialog on the workspace's values and applies what the user confirms: the values
// become current and the settings file is written at once. True when confirmed.
bool EditProxy(Workspace& workspace, QWidget* parent);

}  // namespace quorvel::gui

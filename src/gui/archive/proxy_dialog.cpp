#include "gui/archive/proxy_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/workspace.h"

namespace quorvel::gui {

namespace {

QLineEdit* Field(const QString& name, const std::string& text, QWidget* parent) {
    auto* edit = new QLineEdit(QString::fromStdString(text), parent);
    edit->setObjectName(name);
    edit->setMinimumWidth(300);
    return edit;
}

void SetHint(QLineEdit* edit, const QString& hint) {
    edit->setToolTip(hint);
    edit->setPlaceholderText(hint);
    // The hint is read in the empty field: the field is wide enough to show it whole.
    const int room = edit->fontMetrics().horizontalAdvance(hint) + 4 * edit->fontMetrics().averageCharWidth();
    edit->setMinimumWidth(std::max(edit->minimumWidth(), room));
}

}  // namespace

ProxyDialog::ProxyDialog(const TProxySettings& proxy, const TDownloadSettings& download, UiHost& host,
                         QWidget* parent)
    : QDialog(parent), host_(host) {
    setObjectName("TFormProxy");
    setWindowTitle(tr("Параметры proxy-сервера"));

    const QString captions[3] = {tr("Не использовать proxy-сервер"),
                                 tr("Автоматический поиск сервера (возможны задержки)"),
                                 tr("Ручной выбор proxy-сервера:")};
    for (int mode = 0; mode < 3; ++mode) {
        choices_[mode] = new QRadioButton(captions[mode], this);
        choices_[mode]->setObjectName(QString("rbProxyMode%1").arg(mode));
        connect(choices_[mode], &QRadioButton::toggled, this, [this] { UpdateEnabled(); });
    }

    server_ = Field("edServer", proxy.Server, this);
    port_ = new QSpinBox(this);
    port_->setObjectName("edPort");
    port_->setRange(1, 65535);
    port_->setMinimumWidth(90);
    port_->setValue(proxy.Port >= 1 && proxy.Port <= 65535 ? proxy.Port : DefaultProxyPort);
    user_ = Field("edUsername", proxy.Username, this);
    SetHint(user_, tr("Имя пользователя (не обязательно)"));
    password_ = Field("edPassword", proxy.Password, this);
    password_->setEchoMode(QLineEdit::Password);
    SetHint(password_, tr("Пароль (не обязательно)"));

    auto* manual = new QFormLayout;
    manual->setContentsMargins(24, 0, 0, 0);
    manual->addRow(tr("Имя или адрес сервера:"), server_);
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(port_);
    portRow->addStretch(1);
    manual->addRow(tr("Порт:"), portRow);
    manual->addRow(tr("Имя пользователя:"), user_);
    manual->addRow(tr("Пароль:"), password_);

    resultsUrl_ = Field("edResultsUrl", download.ResultsUrl, this);
    SetHint(resultsUrl_, tr("Адрес сайта результатов или файла тиражей (*.csv)"));
    proxyListUrl_ = Field("edProxyListUrl", download.ProxyListUrl, this);
    SetHint(proxyListUrl_, tr("Адрес службы, отвечающей строками \"сервер:порт\""));
    auto* sources = new QGroupBox(tr("Источники данных"), this);
    auto* sourcesLayout = new QFormLayout(sources);
    sourcesLayout->addRow(tr("Адрес архива результатов:"), resultsUrl_);
    sourcesLayout->addRow(tr("Адрес списка proxy-серверов:"), proxyListUrl_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ProxyDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ProxyDialog::reject);

    auto* layout = new QVBoxLayout(this);
    for (QRadioButton* choice : choices_)
        layout->addWidget(choice);
    layout->addLayout(manual);
    layout->addSpacing(6);
    layout->addWidget(sources);
    layout->addWidget(buttons);

    const int mode = proxy.EffectiveMode();
    choices_[mode]->setChecked(true);
    UpdateEnabled();
    adjustSize();
}

int ProxyDialog::ChosenMode() const {
    for (int mode = 0; mode < 3; ++mode) {
        if (choices_[mode]->isChecked()) return mode;
    }
    return ProxyModeNone;
}

void ProxyDialog::UpdateEnabled() {
    const bool manual = ChosenMode() == ProxyModeGiven;
    for (QWidget* field : std::initializer_list<QWidget*>{server_, port_, user_, password_})
        field->setEnabled(manual);
    proxyListUrl_->setEnabled(ChosenMode() == ProxyModeAutomatic);
}

TProxySettings ProxyDialog::Proxy() const {
    TProxySettings proxy;
    proxy.Mode = ChosenMode();
    if (proxy.Mode == ProxyModeAutomatic) return proxy;
    proxy.Server = server_->text().trimmed().toStdString();
    proxy.Port = port_->value();
    proxy.Username = user_->text().toStdString();
    proxy.Password = password_->text().toStdString();
    return proxy;
}

TDownloadSettings ProxyDialog::Download() const {
    return {resultsUrl_->text().trimmed().toStdString(), proxyListUrl_->text().trimmed().toStdString()};
}

void ProxyDialog::accept() {
    // A manual choice without a server would send every request nowhere.
    if (ChosenMode() == ProxyModeGiven && server_->text().trimmed().isEmpty()) {
        host_.ShowError(tr("Укажите имя или адрес proxy-сервера!").toStdString());
        server_->setFocus();
        return;
    }
    // An address that is not one would only fail later, at the next download, in the library's words.
    for (QLineEdit* field : {resultsUrl_, proxyListUrl_}) {
        if (const auto problem = AddressProblem(field->text().toStdString())) {
            host_.ShowError(*problem);
            field->setFocus();
            field->selectAll();
            return;
        }
    }
    QDialog::accept();
}

bool EditProxy(Workspace& workspace, QWidget* parent) {
    ProxyDialog dialog(workspace.Download().Proxy(), workspace.Download().Settings(), workspace.Host(),
                       parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    workspace.Download().ApplyProxySettings(dialog.Proxy(), dialog.Download());
    return true;
}

}  // namespace quorvel::gui

#include "gui/systems/system_dialog.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace quorvel::gui {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QLineEdit* ReadOnlyEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setMinimumWidth(150);
    return edit;
}

QLineEdit* DigitsEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), edit));
    edit->setMaximumWidth(60);
    return edit;
}

// A digits field read as a byte; what does not fit shows as out of range.
uint8_t ByteOf(const QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    return static_cast<uint8_t>(ok ? std::clamp(value, 0, 255) : 255);
}

}  // namespace

SystemDialog::SystemDialog(const TSystemData& system, bool editable, QWidget* parent)
    : QDialog(parent),
      data_(system),
      editable_(editable),
      title_(new QLineEdit(this)),
      description_(new QPlainTextEdit(this)),
      author_(new QLineEdit(this)),
      link_(new QLineEdit(this)),
      openLink_(new QToolButton(this)),
      combs_(new QPlainTextEdit(this)),
      numbers_(DigitsEdit(this)),
      length_(ReadOnlyEdit(this)),
      block_(DigitsEdit(this)),
      count_(ReadOnlyEdit(this)),
      created_(ReadOnlyEdit(this)),
      downloads_(ReadOnlyEdit(this)),
      last_(ReadOnlyEdit(this)) {
    setObjectName("TFormSystem");
    setWindowTitle(tr("Система"));
    const TSystemInfo& info = system.Info;
    title_->setText(Text(info.Title));
    description_->setPlainText(Text(info.Description));
    description_->setFixedHeight(64);
    author_->setText(Text(info.Author));
    link_->setText(Text(info.Link));
    openLink_->setText("...");
    openLink_->setToolTip(tr("Открыть ссылку в браузере"));
    combs_->setPlainText(Text(system.CombsText));
    combs_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    combs_->setMinimumHeight(220);
    combs_->installEventFilter(this);
    numbers_->setText(QString::number(info.Numbers));
    // Only systems of three numbers per combination are played.
    length_->setText(QString::number(SystemCombLength));
    length_->setMinimumWidth(0);
    length_->setMaximumWidth(60);
    block_->setText(QString::number(info.Block));
    // The list as it is, whatever count the description once gave.
    count_->setText(QString::number(NormalizeSystemText(system.CombsText).Combs.size()));
    created_->setText(Text(SystemTimeText(info.Created)));
    downloads_->setText(QString::number(info.Downloads));
    last_->setText(Text(SystemTimeText(info.LastDownload)));
    for (QLineEdit* edit : {title_, author_, link_, numbers_, block_})
        edit->setReadOnly(!editable);
    description_->setReadOnly(!editable);
    combs_->setReadOnly(!editable);

    auto* form = new QFormLayout;
    form->addRow(tr("Наименование:"), title_);
    form->addRow(tr("Описание:"), description_);
    form->addRow(tr("Автор:"), author_);
    auto* linkRow = new QHBoxLayout;
    linkRow->addWidget(link_);
    linkRow->addWidget(openLink_);
    form->addRow(tr("Ссылка:"), linkRow);

    auto* facts = new QFormLayout;
    facts->addRow(tr("Создана:"), created_);
    facts->addRow(tr("Комбинаций:"), count_);
    facts->addRow(tr("Загрузок:"), downloads_);
    facts->addRow(tr("Последняя:"), last_);
    facts->addRow(tr("Числа:"), numbers_);
    facts->addRow(tr("Длина:"), length_);
    facts->addRow(tr("Блок:"), block_);
    auto* combsColumn = new QVBoxLayout;
    combsColumn->addWidget(new QLabel(tr("Список комбинаций:"), this));
    combsColumn->addWidget(combs_);
    auto* middle = new QHBoxLayout;
    middle->addLayout(combsColumn, 1);
    middle->addLayout(facts);

    auto* buttons = new QDialogButtonBox(
        editable ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel : QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &SystemDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SystemDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(middle, 1);
    layout->addWidget(buttons);
    resize(560, 520);

    connect(openLink_, &QToolButton::clicked, this, [this] {
        const QString link = link_->text().trimmed();
        if (!link.isEmpty()) QDesktopServices::openUrl(QUrl::fromUserInput(link));
    });
}

bool SystemDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == combs_ && event->type() == QEvent::FocusOut && editable_) NormalizeCombs();
    return QDialog::eventFilter(watched, event);
}

void SystemDialog::NormalizeCombs() {
    const TNormalizedSystem system = NormalizeSystemText(combs_->toPlainText().toStdString());
    QStringList lines;
    for (const std::string& line : system.Lines)
        lines << Text(line);
    combs_->setPlainText(lines.join('\n'));
    numbers_->setText(QString::number(system.Span()));
    count_->setText(QString::number(system.Combs.size()));
}

TSystemData SystemDialog::Data() const {
    TSystemData system = data_;
    TSystemInfo& info = system.Info;
    info.Title = title_->text().trimmed().toStdString();
    info.Description = description_->toPlainText().trimmed().toStdString();
    info.Author = author_->text().trimmed().toStdString();
    info.Link = link_->text().trimmed().toStdString();
    info.Numbers = ByteOf(numbers_);
    info.Block = ByteOf(block_);
    system.CombsText = combs_->toPlainText().toStdString();
    info.Combinations = static_cast<int32_t>(NormalizeSystemText(system.CombsText).Combs.size());
    return system;
}

std::optional<QString> SystemDialog::Problem() const {
    if (auto problem = SystemDataProblem(Data())) return tr(problem->c_str());
    return std::nullopt;
}

void SystemDialog::accept() {
    if (!editable_) {
        QDialog::reject();
        return;
    }
    // OK may be pressed with the focus still in the list.
    if (combs_->hasFocus()) NormalizeCombs();
    if (auto problem = Problem()) {
        QMessageBox::warning(this, windowTitle(), *problem);
        return;
    }
    QDialog::accept();
}

}  // namespace quorvel::gui

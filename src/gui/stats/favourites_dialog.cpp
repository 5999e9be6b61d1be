#include "gui/stats/favourites_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/stats/stat_class.h"
#include "core/util/format.h"
#include "gui/stats/description_window.h"
#include "gui/widgets/core_text.h"

namespace quorvel::gui {

namespace {

constexpr int EntryRole = Qt::UserRole;
constexpr int NoEntry = -1;

const char* const NamesFilter =
    QT_TRANSLATE_NOOP("quorvel::gui::FavouritesDialog", "Наименования фильтров (*.flt)");

QString QPathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

QPushButton* Button(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

FavouritesDialog::FavouritesDialog(const TStatList& list, std::filesystem::path namesDir,
                                   std::filesystem::path programDir, UiHost& host, QWidget* parent,
                                   int helpLanguage)
    : QDialog(parent),
      list_(list),
      namesDir_(std::move(namesDir)),
      programDir_(std::move(programDir)),
      helpLanguage_(helpLanguage),
      host_(host),
      start_(StartFavouritesEdit(list)) {
    setObjectName("TFormFilters");
    setWindowTitle(tr("Менеджер избранных методов расчета статистики"));
    CreateControls();
    host_.ShowProgress(tr("Подождите пожалуйста...").toStdString());
    FillTree(start_);
    host_.ShowProgress("");
    countLabel_->setText(
        QString::fromStdString(Format(tr("всего %d методов").toStdString(), {list_.Count()})));
    ordered_->setChecked(start_.Ordered);
    showGroupName_->setChecked(start_.ShowGroupName);
    showMethodFlags_->setChecked(start_.ShowMethodFlags);
    UpdateButtons();
}

void FavouritesDialog::CreateControls() {
    tree_ = new QTreeWidget(this);
    tree_->setObjectName("tvFilters");
    tree_->setHeaderHidden(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setUniformRowHeights(true);
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { ToggleNode(node); });
    // The second click of a double click arrives only as the double click: it toggles again,
    // so every click counts.
    connect(tree_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* node) { ToggleNode(node); });
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });

    uncheckAll_ = Button("btUncheckAll", tr("Сбросить все"), this);
    checkAll_ = Button("btCheckAll", tr("Выбрать все"), this);
    uncheckGroup_ = Button("btUncheckGroup", tr("Сбросить группу"), this);
    checkGroup_ = Button("btCheckGroup", tr("Выбрать группу"), this);
    rename_ = Button("btRename", tr("Переименовать"), this);
    restore_ = Button("btRestore", tr("Вернуть"), this);
    describe_ = Button("btDescription", tr("Описание"), this);
    auto* import = Button("btImport", tr("Импорт названий"), this);
    auto* exportNames = Button("btExport", tr("Экспорт названий"), this);
    connect(uncheckAll_, &QPushButton::clicked, this, [this] { SetAllMarks(false); });
    connect(checkAll_, &QPushButton::clicked, this, [this] { SetAllMarks(true); });
    connect(uncheckGroup_, &QPushButton::clicked, this, [this] { SetGroupMarks(false); });
    connect(checkGroup_, &QPushButton::clicked, this, [this] { SetGroupMarks(true); });
    connect(rename_, &QPushButton::clicked, this, &FavouritesDialog::RenameSelected);
    connect(restore_, &QPushButton::clicked, this, &FavouritesDialog::RestoreSelectedName);
    connect(describe_, &QPushButton::clicked, this, &FavouritesDialog::DescribeSelected);
    connect(import, &QPushButton::clicked, this, &FavouritesDialog::ChooseImportFile);
    connect(exportNames, &QPushButton::clicked, this, &FavouritesDialog::ChooseExportFile);

    auto* side = new QVBoxLayout;
    for (QPushButton* button : {uncheckAll_, checkAll_, uncheckGroup_, checkGroup_})
        side->addWidget(button);
    side->addSpacing(12);
    for (QPushButton* button : {rename_, restore_, describe_})
        side->addWidget(button);
    side->addSpacing(12);
    side->addWidget(import);
    side->addWidget(exportNames);
    side->addStretch();

    countLabel_ = new QLabel(this);
    countLabel_->setObjectName("lbCount");
    ordered_ = new QCheckBox(tr("Сортировать списки по названию метода"), this);
    ordered_->setObjectName("cbOrdered");
    showGroupName_ =
        new QCheckBox(tr("Отображать идентификатор группы { xxx } перед названием метода"), this);
    showGroupName_->setObjectName("cbShowGroupName");
    showMethodFlags_ = new QCheckBox(tr("Отображать особенности метода [ YYY ] после названия метода"), this);
    showMethodFlags_->setObjectName("cbShowMethodFlags");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &FavouritesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FavouritesDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(tree_, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(countLabel_);
    layout->addWidget(ordered_);
    layout->addWidget(showGroupName_);
    layout->addWidget(showMethodFlags_);
    layout->addWidget(buttons);
    resize(760, 600);
}

void FavouritesDialog::FillTree(const FavouritesEdit& edit) {
    tree_->clear();
    for (const FavouritesGroup& group : FavouritesGroups(list_)) {
        auto* groupNode = new QTreeWidgetItem(tree_, {MethodText(GroupText(group.Group))});
        groupNode->setData(0, EntryRole, NoEntry);
        QFont font = groupNode->font(0);
        font.setBold(true);
        groupNode->setFont(0, font);
        for (int entry : group.Entries) {
            const auto i = static_cast<size_t>(entry);
            const FavouriteEdit shown = i < edit.Entries.size() ? edit.Entries[i] : FavouriteEdit{};
            auto* node = new QTreeWidgetItem(groupNode, {MethodText(shown.Name)});
            node->setData(0, EntryRole, entry);
            SetMark(node, shown.Favourite);
        }
    }
    tree_->expandAll();
    UpdateButtons();
}

FavouritesEdit FavouritesDialog::Edit() const {
    FavouritesEdit edit = start_;
    for (int g = 0; g < tree_->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = tree_->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c) {
            const QTreeWidgetItem* node = group->child(c);
            const auto entry = static_cast<size_t>(EntryOf(node));
            if (entry >= edit.Entries.size()) continue;
            edit.Entries[entry].Favourite = node->checkState(0) == Qt::Checked;
            edit.Entries[entry].Name = node->text(0).toStdString();
        }
    }
    edit.Ordered = ordered_->isChecked();
    edit.ShowGroupName = showGroupName_->isChecked();
    edit.ShowMethodFlags = showMethodFlags_->isChecked();
    return edit;
}

void FavouritesDialog::accept() {
    const FavouritesEdit edit = Edit();
    const bool anyMarked = std::any_of(edit.Entries.begin(), edit.Entries.end(),
                                       [](const FavouriteEdit& e) { return e.Favourite; });
    if (!anyMarked &&
        !host_.AskYesNo(tr("Не отмечен ни один метод: списки методов покажут все методы, а выбранный "
                           "метод сменится на первый. Продолжить?")
                            .toStdString()))
        return;
    QDialog::accept();
}

int FavouritesDialog::EntryOf(const QTreeWidgetItem* node) {
    return node != nullptr ? node->data(0, EntryRole).toInt() : NoEntry;
}

QTreeWidgetItem* FavouritesDialog::EntryNode(int entry) const {
    for (int g = 0; g < tree_->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = tree_->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c) {
            if (EntryOf(group->child(c)) == entry) return group->child(c);
        }
    }
    return nullptr;
}

void FavouritesDialog::SetMark(QTreeWidgetItem* node, bool marked) {
    // The mark is shown but not user-checkable: the click handler toggles it, wherever on the
    // row the click lands, and a checkable item would toggle twice on its box.
    node->setCheckState(0, marked ? Qt::Checked : Qt::Unchecked);
}

void FavouritesDialog::ToggleNode(QTreeWidgetItem* node) {
    if (EntryOf(node) == NoEntry) return;
    SetMark(node, node->checkState(0) != Qt::Checked);
}

void FavouritesDialog::SetAllMarks(bool marked) {
    for (int g = 0; g < tree_->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = tree_->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c)
            SetMark(group->child(c), marked);
    }
}

void FavouritesDialog::SetGroupMarks(bool marked) {
    QTreeWidgetItem* node = SelectedNode();
    if (node == nullptr) return;
    QTreeWidgetItem* group = EntryOf(node) == NoEntry ? node : node->parent();
    for (int c = 0; group != nullptr && c < group->childCount(); ++c)
        SetMark(group->child(c), marked);
}

QTreeWidgetItem* FavouritesDialog::SelectedNode() const {
    // The current item alone is not a choice: the tree makes its first node current when it
    // takes the focus.
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

QTreeWidgetItem* FavouritesDialog::SelectedEntryNode() const {
    QTreeWidgetItem* node = SelectedNode();
    return EntryOf(node) == NoEntry ? nullptr : node;
}

void FavouritesDialog::RenameSelected() {
    QTreeWidgetItem* node = SelectedEntryNode();
    if (node == nullptr) return;
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, tr("Переименование"), tr("Введите наименование фильтра:"),
                              QLineEdit::Normal, node->text(0), &ok);
    if (ok) node->setText(0, name);
}

void FavouritesDialog::RestoreSelectedName() {
    QTreeWidgetItem* node = SelectedEntryNode();
    if (node == nullptr) return;
    node->setText(0, QString::fromStdString(list_.Items[static_cast<size_t>(EntryOf(node))].Title()));
}

void FavouritesDialog::DescribeSelected() {
    QTreeWidgetItem* node = SelectedEntryNode();
    if (node == nullptr) return;
    DescriptionWindow window(list_.Items[static_cast<size_t>(EntryOf(node))], programDir_, this,
                             helpLanguage_);
    window.exec();
}

bool FavouritesDialog::ImportNames(const std::filesystem::path& file) {
    FavouritesEdit edit = Edit();
    if (auto error = ImportFavouriteNames(list_, file, edit)) {
        host_.ShowError(*error);
        return false;
    }
    FillTree(edit);
    return true;
}

bool FavouritesDialog::ExportNames(const std::filesystem::path& file) {
    if (auto error = ExportFavouriteNames(list_, Edit(), file)) {
        host_.ShowError(*error);
        return false;
    }
    return true;
}

void FavouritesDialog::ChooseImportFile() {
    const QString file =
        QFileDialog::getOpenFileName(this, tr("Импорт названий"), QPathText(namesDir_), tr(NamesFilter));
    if (!file.isEmpty()) ImportNames(file.toStdString());
}

void FavouritesDialog::ChooseExportFile() {
    QFileDialog dialog(this, tr("Экспорт названий"), QPathText(namesDir_), tr(NamesFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("flt");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    ExportNames(dialog.selectedFiles().first().toStdString());
}

void FavouritesDialog::UpdateButtons() {
    if (rename_ == nullptr) return;
    const bool any = tree_->topLevelItemCount() > 0;
    const bool node = SelectedNode() != nullptr;
    const bool entry = SelectedEntryNode() != nullptr;
    uncheckAll_->setEnabled(any);
    checkAll_->setEnabled(any);
    uncheckGroup_->setEnabled(node);
    checkGroup_->setEnabled(node);
    rename_->setEnabled(entry);
    restore_->setEnabled(entry);
    describe_->setEnabled(entry);
}

}  // namespace quorvel::gui

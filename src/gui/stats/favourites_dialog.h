#pragma once

#include <QDialog>
#include <filesystem>

#include "core/stats/favourites_edit.h"
#include "core/stats/help_pages.h"
#include "core/stats/stat_list.h"
#include "core/util/ui_host.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quorvel::gui {

// "Менеджер избранных методов расчета статистики": marks and names of the catalogue's
// entries in a tree of groups, and the three list options. It edits a copy; the caller
// applies Edit() to the catalogue only when the dialog was accepted.
class FavouritesDialog : public QDialog {
    Q_OBJECT

public:
    // Names files are looked for in namesDir; description pages in programDir, in the help
    // language when they are there.
    FavouritesDialog(const TStatList& list, std::filesystem::path namesDir, std::filesystem::path programDir,
                     UiHost& host, QWidget* parent = nullptr, int helpLanguage = HelpPagesLanguage);

    // The marks and names as the tree shows them, with the options of the check boxes.
    FavouritesEdit Edit() const;
    // With no method marked every list shows all methods again: the user is asked first.
    void accept() override;

    QTreeWidget* Tree() const { return tree_; }
    QLabel* CountLabel() const { return countLabel_; }
    QCheckBox* OrderedBox() const { return ordered_; }
    QCheckBox* GroupNameBox() const { return showGroupName_; }
    QCheckBox* MethodFlagsBox() const { return showMethodFlags_; }
    // The node of a catalogue entry; null when the entry is not in the tree.
    QTreeWidgetItem* EntryNode(int entry) const;
    // The catalogue entry of a node, -1 for a group node.
    static int EntryOf(const QTreeWidgetItem* node);

    // Marks or clears every entry, or those of the selected node's group.
    void SetAllMarks(bool marked);
    void SetGroupMarks(bool marked);
    // Asks for a new name of the selected entry; the entry's title back.
    void RenameSelected();
    void RestoreSelectedName();
    void DescribeSelected();
    // The names of a names file into the tree; the tree's names out to a names file.
    // False after a failure, which has been shown.
    bool ImportNames(const std::filesystem::path& file);
    bool ExportNames(const std::filesystem::path& file);

private:
    void CreateControls();
    void FillTree(const FavouritesEdit& edit);
    void ToggleNode(QTreeWidgetItem* node);
    void SetMark(QTreeWidgetItem* node, bool marked);
    QTreeWidgetItem* SelectedNode() const;
    QTreeWidgetItem* SelectedEntryNode() const;
    void UpdateButtons();
    void ChooseImportFile();
    void ChooseExportFile();

    const TStatList& list_;
    const std::filesystem::path namesDir_;
    const std::filesystem::path programDir_;
    const int helpLanguage_;
    UiHost& host_;
    const FavouritesEdit start_;

    QTreeWidget* tree_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QCheckBox* ordered_ = nullptr;
    QCheckBox* showGroupName_ = nullptr;
    QCheckBox* showMethodFlags_ = nullptr;
    QPushButton* uncheckAll_ = nullptr;
    QPushButton* checkAll_ = nullptr;
    QPushButton* uncheckGroup_ = nullptr;
    QPushButton* checkGroup_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* restore_ = nullptr;
    QPushButton* describe_ = nullptr;
};

}  // namespace quorvel::gui

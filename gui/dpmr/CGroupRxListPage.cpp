// The group receive list tree, boxes and buttons, forwarding to the page's
// presenter.
#include "dpmr/CGroupRxListPage.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <tuple>
#include <vector>

#include "form/QtText.h"

using dpmr::GroupRxListPresenter;

namespace {

std::vector<int> SelectedRows(const QListWidget* box) {
    std::vector<int> rows;
    for (int i = 0; i < box->count(); ++i)
        if (box->item(i)->isSelected()) rows.push_back(i);
    return rows;
}

void Show(QListWidget* box, const std::vector<GroupRxListPresenter::Entry>& entries) {
    bool same = box->count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < box->count(); ++i)
        same = box->item(i)->text() == ToQt(entries[static_cast<std::size_t>(i)].name);
    if (!same) {
        box->clear();
        for (const auto& e : entries) box->addItem(ToQt(e.name));
    }
    for (int i = 0; i < box->count(); ++i)
        box->item(i)->setSelected(entries[static_cast<std::size_t>(i)].selected);
}

QListWidget* MakeBox(QWidget* parent, const char* name) {
    auto* box = new QListWidget(parent);
    box->setObjectName(name);
    box->setSelectionMode(QAbstractItemView::ExtendedSelection);
    box->setFixedWidth(150);
    return box;
}

}  // namespace

CGroupRxListPage::CGroupRxListPage(GroupRxListPresenter& presenter, QWidget* parent)
    : CPageWidget(parent), presenter_(presenter) {
    tree_ = new QTreeWidget(this);
    tree_->setObjectName("groupListTree");
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(false);
    tree_->setFixedWidth(150);
    for (int n = 1; n <= GroupRxListPresenter::kListCount; ++n) {
        auto* item = new QTreeWidgetItem(tree_, {ToQt(GroupRxListPresenter::ListTitle(n))});
        item->setData(0, Qt::UserRole, n);
    }
    unallocated_ = MakeBox(this, "unallocatedBox");
    allocated_ = MakeBox(this, "allocatedBox");
    addButton_ = new QPushButton(tr("Add >>"), this);
    delButton_ = new QPushButton(tr("Del <<"), this);
    upButton_ = new QPushButton(tr("Up"), this);
    downButton_ = new QPushButton(tr("Down"), this);

    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(addButton_);
    middle->addWidget(delButton_);
    middle->addStretch(1);
    auto* order = new QVBoxLayout;
    order->addStretch(1);
    order->addWidget(upButton_);
    order->addWidget(downButton_);
    order->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(tree_, 0, 0, 2, 1);
    auto* unallocatedLabel = new QLabel(tr("Unallocated:"), this);
    unallocatedLabel->setBuddy(unallocated_);
    auto* allocatedLabel = new QLabel(tr("Allocated:"), this);
    allocatedLabel->setBuddy(allocated_);
    const GroupRxListPresenter::PageHelp& help = GroupRxListPresenter::Help();
    const std::tuple<QWidget*, QString, const char*> described[] = {
        {tree_, tr("Group rx lists"), help.lists},
        {unallocated_, unallocatedLabel->text(), help.unallocated},
        {allocated_, allocatedLabel->text(), help.allocated}};
    for (const auto& [widget, name, text] : described) {
        widget->setAccessibleName(name);
        widget->setAccessibleDescription(FieldText(text));
        widget->setToolTip(FieldText(text));
        widget->setWhatsThis(FieldText(text));
    }
    layout->addWidget(unallocatedLabel, 0, 1);
    layout->addWidget(unallocated_, 1, 1);
    layout->addLayout(middle, 1, 2);
    layout->addWidget(allocatedLabel, 0, 3);
    layout->addWidget(allocated_, 1, 3);
    layout->addLayout(order, 1, 4);

    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (detached_ || syncing_ || !item) return;
        presenter_.SelectList(item->data(0, Qt::UserRole).toInt());
        Refresh();
    });
    connect(unallocated_, &QListWidget::itemSelectionChanged, this, [this] {
        if (detached_ || syncing_) return;
        presenter_.SelectUnallocated(SelectedRows(unallocated_));
        RefreshButtons();
    });
    connect(allocated_, &QListWidget::itemSelectionChanged, this, [this] {
        if (detached_ || syncing_) return;
        presenter_.SelectAllocated(SelectedRows(allocated_));
        RefreshButtons();
    });
    connect(addButton_, &QPushButton::clicked, this, [this] { Press(&GroupRxListPresenter::Add); });
    connect(delButton_, &QPushButton::clicked, this, [this] { Press(&GroupRxListPresenter::Del); });
    connect(upButton_, &QPushButton::clicked, this, [this] { Press(&GroupRxListPresenter::Up); });
    connect(downButton_, &QPushButton::clicked, this,
            [this] { Press(&GroupRxListPresenter::Down); });
    Refresh();
}

void CGroupRxListPage::Press(void (GroupRxListPresenter::*action)()) {
    if (detached_) return;
    (presenter_.*action)();
    Refresh();
}

void CGroupRxListPage::Refresh() {
    const bool wasSyncing = syncing_;
    syncing_ = true;
    tree_->setCurrentItem(tree_->topLevelItem(presenter_.SelectedList() - 1));
    Show(unallocated_, presenter_.Unallocated());
    Show(allocated_, presenter_.Allocated());
    RefreshButtons();
    syncing_ = wasSyncing;
}

void CGroupRxListPage::RefreshButtons() {
    addButton_->setEnabled(presenter_.CanAdd());
    delButton_->setEnabled(presenter_.CanDel());
    upButton_->setEnabled(presenter_.CanUp());
    downButton_->setEnabled(presenter_.CanDown());
}

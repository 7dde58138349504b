// CGroupRxListPage: the "Group rx list" page of "dPMR param": the tree of the
// 16 lists, the "Unallocated:" and "Allocated:" boxes (several entries can be
// selected in each) and the "Add >>", "Del <<", "Up" and "Down" buttons.
// Every rule lives in dpmr::GroupRxListPresenter; this class forwards
// selections and button presses and draws.
#pragma once

#include "dpmr/GroupRxListPresenter.h"
#include "form/CPageWidget.h"

class QListWidget;
class QPushButton;
class QTreeWidget;

class CGroupRxListPage : public CPageWidget {
    Q_OBJECT
  public:
    explicit CGroupRxListPage(dpmr::GroupRxListPresenter& presenter, QWidget* parent = nullptr);

    void Refresh() override;
    void Detach() override { detached_ = true; }

    QTreeWidget* Tree() const { return tree_; }
    QListWidget* UnallocatedBox() const { return unallocated_; }
    QListWidget* AllocatedBox() const { return allocated_; }
    QPushButton* AddButton() const { return addButton_; }
    QPushButton* DelButton() const { return delButton_; }
    QPushButton* UpButton() const { return upButton_; }
    QPushButton* DownButton() const { return downButton_; }

  private:
    void Press(void (dpmr::GroupRxListPresenter::*action)());
    void RefreshButtons();

    dpmr::GroupRxListPresenter& presenter_;
    QTreeWidget* tree_ = nullptr;
    QListWidget* unallocated_ = nullptr;
    QListWidget* allocated_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* delButton_ = nullptr;
    QPushButton* upButton_ = nullptr;
    QPushButton* downButton_ = nullptr;
    bool syncing_ = false;
    bool detached_ = false;
};

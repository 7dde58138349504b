// CFormPage: the Qt page of a field table, built from the table itself: a
// label and a control per field in table order, fields of one group in a
// group box, check boxes with their own text, hidden and cut-off fields
// created but never shown. Pages with something more (pictures) derive from
// it.
#pragma once

#include <string>

#include "form/CPageWidget.h"
#include "form/FieldPage.h"
#include "form/FormBinder.h"

class CFormPage : public CPageWidget {
    Q_OBJECT
  public:
    CFormPage(dpmr::form::FieldPage& page, QWidget* parent = nullptr);

    // The control of the field with this key (hidden ones included).
    QWidget* Control(const std::string& key) const;
    FormBinder& Binder() { return binder_; }
    dpmr::form::FieldPage& Page() { return page_; }

    void Refresh() override { binder_.Refresh(); }
    void Detach() override { binder_.Detach(); }

  protected:
    // The layout the visible controls were placed in, for extras beside them.
    class QHBoxLayout* Columns() const {
        return columns_;
    }

  private:
    QWidget* MakeControl(std::size_t i);

    dpmr::form::FieldPage& page_;
    FormBinder binder_;
    class QHBoxLayout* columns_ = nullptr;
};

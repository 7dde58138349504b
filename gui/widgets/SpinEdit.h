// SpinEdit: an edit with spin arrows whose steps are decided elsewhere (by a
// field's spin rule): the arrows, the Up/Down keys and Page Up/Down call
// `onStep` with +1 or -1 per step. The mouse wheel turns it only while it has
// the focus, so that scrolling over a dialog never changes a value.
#pragma once

#include <QAbstractSpinBox>
#include <functional>

class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
  public:
    explicit SpinEdit(QWidget* parent = nullptr);

    std::function<void(int step)> onStep;

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

  protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
    void wheelEvent(QWheelEvent* event) override;
};

// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QLineEdit>

namespace orva {

// One answer of the response grid: a short centred field whose whole text is selected
// whenever it gets the focus, by key, by click or by the grid moving on, so that a digit
// typed over an old answer replaces it.
class ResponseField final : public QLineEdit {
    Q_OBJECT

  public:
    ResponseField(int item, QWidget* parent = nullptr);

    int Item() const { return item_; }

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int item_;
    // The click that gave the focus would otherwise leave only a caret where it landed.
    bool selectOnRelease_ = false;
};

}  // namespace orva

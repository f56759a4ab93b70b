#pragma once

#include <QObject>
#include <array>

class QButtonGroup;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace orva {

// One item of an items page: its number, its wording, six answer buttons (0 "Never" to 5
// "Very Often") and "Clear", placed in a row of the page's grid so that the columns line up.
// The row keeps its answer itself: no button chosen is a blank answer, and a chosen one can be
// cleared. The six are radio buttons of one exclusive group, so accessibility tools report them
// as one choice of six. From the keyboard the answers are one Tab stop: the digits 0 to 5 and
// the arrow keys choose, Space on "Clear" clears.
class ItemRow final : public QObject {
    Q_OBJECT

public:
    static constexpr int kFirstAnswerColumn = 2;
    static constexpr int kAnswerCount = 6;

    ItemRow(int item, QGridLayout& grid, int row, QWidget* page);

    int Item() const { return item_; }
    int Answer() const { return answer_; }
    void SetAnswer(int value);
    void SetWording(const QString& wording);
    // Items not asked of the reporter: a blank panel covers the answers and blocks them.
    void SetCovered(bool covered);
    bool Covered() const { return covered_; }

signals:
    void Answered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Choose(int value);

    int item_;
    int answer_ = -1;
    bool covered_ = false;
    QLabel* wording_;
    QButtonGroup* group_;
    std::array<QRadioButton*, kAnswerCount> answers_{};
    QPushButton* clear_;
    QWidget* cover_;
};

}  // namespace orva

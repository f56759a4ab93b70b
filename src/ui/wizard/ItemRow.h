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
// "Very Often") and "Clear", placed in the page's grid so that the columns line up.
// The row keeps its answer itself: no button chosen is a blank answer, and a chosen one can be
// cleared. The six are radio buttons of one exclusive group, so accessibility tools report them
// as one choice of six. From the keyboard the answers are one Tab stop: the digits 0 to 5 and
// the arrow keys choose, Space on "Clear" clears.
class ItemRow final : public QObject {
    Q_OBJECT

public:
    static constexpr int kFirstAnswerColumn = 2;
    static constexpr int kAnswerCount = 6;
    static constexpr int kClearColumn = kFirstAnswerColumn + kAnswerCount;

    ItemRow(int item, QGridLayout& grid, int row, QWidget* page);

    int Item() const { return item_; }
    int Answer() const { return answer_; }
    void SetAnswer(int value);
    void SetWording(const QString& wording);
    // Items not asked of the reporter: a blank panel covers the answers and blocks them.
    void SetCovered(bool covered);
    bool Covered() const { return covered_; }

    // The desk's look: one grid row, the answers under the page's column headings. The
    // reporter's: the wording across the page, the answers below it, each with its word, side
    // by side (a page of items) or one under the other (one item per screen), and "Read
    // aloud" before them when `readAloud`.
    enum class Look { Desk, ReporterRow, ReporterColumn };
    // The grid rows an item takes in `look`, from its first.
    static int GridRows(Look look);
    void Place(QGridLayout& grid, int row, Look look, bool readAloud);
    // One item per screen shows one row at a time.
    void SetShown(bool shown);
    bool Shown() const { return shown_; }
    // Puts the focus on the answers, at the chosen one.
    void FocusAnswers();
    bool HoldsFocus() const;

signals:
    void Answered();
    void ReadAloudPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Choose(int value);
    // Shows what the row's state asks for: hidden, covered or answerable.
    void ApplyVisibility();

    int item_;
    int answer_ = -1;
    bool covered_ = false;
    bool shown_ = true;
    bool readAloud_ = false;
    QLabel* number_;
    QLabel* wording_;
    QButtonGroup* group_;
    std::array<QRadioButton*, kAnswerCount> answers_{};
    QPushButton* clear_;
    QPushButton* read_;
    QWidget* cover_;
};

}  // namespace orva

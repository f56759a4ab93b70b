#include "ui/compare/ReporterComparisonWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include "screening/ComparisonPresentation.h"
#include "screening/ScreeningTexts.h"
#include "ui/CoreText.h"
#include "ui/compare/CompareTexts.h"
#include "ui/compare/ReporterComparisonFilter.h"
#include "ui/compare/ReporterComparisonModel.h"

namespace orva {

namespace cmp = texts::compare;

namespace {

// The filter choices after the fixed ones carry the row index; these stand for the fixed ones.
constexpr int kChoiceAll = -1;
constexpr int kChoiceDisagreements = -2;
constexpr int kChoicePositiveRows = -3;
constexpr int kChoiceFollowUp = -4;

QLabel* HeadingCell(const char* text, QWidget* parent) {
    auto* label = new QLabel(CoreText::Fixed(text), parent);
    QFont bold = label->font();
    bold.setWeight(QFont::Bold);
    label->setFont(bold);
    return label;
}

}  // namespace

ReporterComparisonWindow::ReporterComparisonWindow(ReporterComparison comparison, const AnalysisResult& analysis,
                                                   const QString& person, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("reporterComparisonWindow"));
    setWindowTitle(CoreText::Fixed(cmp::kCaption));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setModal(true);
    model_ = new ReporterComparisonModel(std::move(comparison), analysis, this);
    filter_ = new ReporterComparisonFilter(*model_, this);

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(CoreText::Fixed(cmp::kHeadingPrefix) + person, this);
    heading->setObjectName(QStringLiteral("headingLabel"));
    layout->addWidget(heading);
    layout->addWidget(MakeAgreementGroup());

    auto* filterRow = new QHBoxLayout();
    auto* showLabel = new QLabel(CoreText::Fixed(cmp::kShow), this);
    filterCombo_ = new QComboBox(this);
    filterCombo_->setObjectName(QStringLiteral("filterCombo"));
    filterCombo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    filterCombo_->setMinimumContentsLength(52);
    showLabel->setBuddy(filterCombo_);
    AddFilterChoices();
    shownLabel_ = new QLabel(this);
    shownLabel_->setObjectName(QStringLiteral("shownLabel"));
    filterRow->addWidget(showLabel);
    filterRow->addWidget(filterCombo_);
    filterRow->addStretch(1);
    filterRow->addWidget(shownLabel_);
    layout->addLayout(filterRow);

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("itemTable"));
    table_->setAccessibleName(CoreText::Fixed(cmp::kCaption));
    table_->setModel(filter_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Arrows move within the table; Tab leaves it for the Close button.
    table_->setTabKeyNavigation(false);
    // The wording takes the width the answers leave and wraps there; at a large text setting
    // it would otherwise be cut to a few letters.
    table_->setWordWrap(true);
    table_->setTextElideMode(Qt::ElideNone);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(table_, 1);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    auto* closeButton = new QPushButton(CoreText::Fixed(cmp::kClose), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setAutoDefault(false);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(filterCombo_, &QComboBox::currentIndexChanged, this, &ReporterComparisonWindow::ApplyFilter);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(filterCombo_, table_);
    setTabOrder(table_, closeButton);
    ApplyFilter();
    // Widths for every item, measured while all are shown, so that no filter clips an answer.
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setSectionResizeMode(ReporterComparisonModel::kWordingColumn, QHeaderView::Stretch);
    filterCombo_->setFocus();

    // Wide enough for the wordings beside the answers, within the screen.
    const QRect screen = this->screen()->availableGeometry();
    resize(QSize(1200, 800).boundedTo(screen.size() * 9 / 10));
}

ReporterComparisonWindow::~ReporterComparisonWindow() = default;

QWidget* ReporterComparisonWindow::MakeAgreementGroup() {
    auto* group = new QGroupBox(CoreText::Fixed(cmp::kAgreementGroup), this);
    group->setObjectName(QStringLiteral("agreementGroup"));
    auto* layout = new QVBoxLayout(group);
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(24);
    const char* headings[] = {cmp::kPairHeading, cmp::kBothAnsweredHeading, cmp::kIdenticalHeading,
                              cmp::kCorrelationHeading};
    for (int column = 0; column < 4; ++column) grid->addWidget(HeadingCell(headings[column], group), 0, column);
    int row = 1;
    for (const ReporterAgreement& pair : model_->Comparison().pairs) {
        const QString name = QStringLiteral("pair%1%2").arg(pair.first).arg(pair.second);
        const QString cells[] = {CoreText::ToQt(ReporterPairText(pair)), QString::number(pair.bothAnswered),
                                 CoreText::ToQt(IdenticalShareText(pair)), CoreText::ToQt(PearsonText(pair))};
        const char* kinds[] = {"NameLabel", "BothLabel", "IdenticalLabel", "CorrelationLabel"};
        for (int column = 0; column < 4; ++column) {
            auto* label = new QLabel(cells[column], group);
            label->setObjectName(name + QLatin1String(kinds[column]));
            grid->addWidget(label, row, column, column == 0 ? Qt::AlignLeft : Qt::AlignRight);
        }
        ++row;
    }
    grid->setColumnStretch(4, 1);
    layout->addLayout(grid);
    auto* note = new QLabel(CoreText::ToQt(texts::kAgreementExplanation), group);
    note->setObjectName(QStringLiteral("agreementNoteLabel"));
    note->setWordWrap(true);
    layout->addWidget(note);
    return group;
}

void ReporterComparisonWindow::AddFilterChoices() {
    filterCombo_->addItem(CoreText::Fixed(cmp::kShowAll), kChoiceAll);
    filterCombo_->addItem(CoreText::Fixed(cmp::kShowDisagreements), kChoiceDisagreements);
    filterCombo_->addItem(CoreText::Fixed(cmp::kShowPositiveRows), kChoicePositiveRows);
    filterCombo_->addItem(CoreText::Fixed(cmp::kShowFollowUp), kChoiceFollowUp);
    for (DisorderId id : kAllDisorders)
        filterCombo_->addItem(CoreText::Fixed(cmp::kShowRowPrefix) + ReporterComparisonModel::RowTitle(id) +
                                  QStringLiteral(" (") + ReporterComparisonModel::RowId(id) +
                                  QLatin1Char(')'),
                              RowIndex(id));
}

void ReporterComparisonWindow::ApplyFilter() {
    const int choice = filterCombo_->currentData().toInt();
    using Mode = ReporterComparisonFilter::Mode;
    if (choice == kChoiceAll)
        filter_->SetMode(Mode::All);
    else if (choice == kChoiceDisagreements)
        filter_->SetMode(Mode::Disagreements);
    else if (choice == kChoicePositiveRows)
        filter_->SetMode(Mode::PositiveRows);
    else if (choice == kChoiceFollowUp)
        filter_->SetMode(Mode::FollowUp);
    else
        filter_->SetMode(Mode::OneRow, kAllDisorders[static_cast<std::size_t>(choice)]);
    shownLabel_->setText(CoreText::Fixed(cmp::kShownCount).arg(filter_->rowCount()).arg(model_->rowCount()));
}

}  // namespace orva

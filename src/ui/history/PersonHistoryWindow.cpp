// SPDX-License-Identifier: Apache-2.0
#include "ui/history/PersonHistoryWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "screening/AnalysisSelection.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/history/HistoryTexts.h"
#include "ui/history/PersonHistoryTableModel.h"

namespace orva {

namespace hist = texts::history;

namespace {

}  // namespace

PersonHistoryWindow::PersonHistoryWindow(Prompter& prompter, PersonHistory history, QWidget* parent)
    : QDialog(parent), prompter_(prompter), history_(std::move(history)) {
    setObjectName(QStringLiteral("personHistoryWindow"));
    setWindowTitle(CoreText::Fixed(hist::kCaption));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setModal(true);
    model_ = new PersonHistoryTableModel(history_, this);

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(HeadingText(), this);
    heading->setObjectName(QStringLiteral("headingLabel"));
    layout->addWidget(heading);

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("historyTable"));
    table_->setAccessibleName(CoreText::Fixed(hist::kCaption));
    table_->setModel(model_);
    // A click picks a whole assessment; Ctrl+click adds another.
    table_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Arrows move within the table; Tab leaves it for the buttons.
    table_->setTabKeyNavigation(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(table_, 1);

    auto* instruction = new QLabel(CoreText::Fixed(hist::kInstruction), this);
    instruction->setObjectName(QStringLiteral("instructionLabel"));
    instruction->setWordWrap(true);
    layout->addWidget(instruction);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    auto* openButton = new QPushButton(CoreText::Fixed(hist::kOpenAnalysis), this);
    openButton->setObjectName(QStringLiteral("openAnalysisButton"));
    openButton->setAutoDefault(false);
    auto* closeButton = new QPushButton(CoreText::Fixed(hist::kClose), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setAutoDefault(false);
    buttons->addWidget(openButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(openButton, &QPushButton::clicked, this, &PersonHistoryWindow::OpenAnalysis);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(table_, openButton);
    setTabOrder(openButton, closeButton);
    table_->setFocus();

    const QRect screen = this->screen()->availableGeometry();
    resize(QSize(1200, 900).boundedTo(screen.size() * 9 / 10));
}

PersonHistoryWindow::~PersonHistoryWindow() = default;

QString PersonHistoryWindow::HeadingText() const {
    if (history_.assessments.empty()) return {};
    const AssessmentRecord& record = history_.assessments.front().record;
    const Date birth = record.GetBirthDate().value_or(Date{});
    return CoreText::Fixed(hist::kHeading)
        .arg(CoreText::ToQt(record.GetFirstName()) + QLatin1Char(' ') + CoreText::ToQt(record.GetLastName()),
             PersonHistoryTableModel::DateText(birth.year, birth.month, birth.day))
        .arg(history_.assessments.size());
}

bool PersonHistoryWindow::CheckColumns(const std::vector<int>& columns, CompletionPeriod& period) {
    if (columns.empty()) {
        prompter_.Message(CoreText::Fixed(hist::kNoColumnCaption), CoreText::Fixed(hist::kNoColumn), MessageIcon::Stop);
        return false;
    }
    const HistoryAssessment& first = history_.assessments[static_cast<std::size_t>(columns.front())];
    std::vector<SelectedRecord> selected;
    for (int column : columns) {
        const HistoryAssessment& assessment = history_.assessments[static_cast<std::size_t>(column)];
        if (assessment.completionYear != first.completionYear || assessment.completionMonth != first.completionMonth ||
            assessment.completionDay != first.completionDay) {
            prompter_.Message(CoreText::Fixed(hist::kMixedDatesCaption), CoreText::Fixed(hist::kMixedDates), MessageIcon::Stop);
            return false;
        }
        selected.push_back({assessment.reporter, static_cast<int>(assessment.position)});
    }
    // More than one report of a reporter is refused as the Analysis dialog refuses it.
    if (const AnalysisSelection selection = ClassifyAnalysisSelection(selected); selection.refusal) {
        prompter_.Message(*selection.refusal);
        return false;
    }
    period = CompletionPeriod{first.completionYear, first.completionMonth, first.completionDay, columns, {-1, -1, -1}};
    for (int column : columns)
        period.analysisColumns[static_cast<std::size_t>(history_.assessments[static_cast<std::size_t>(column)].reporter)] =
            column;
    return true;
}

void PersonHistoryWindow::OpenAnalysis() {
    std::vector<int> columns;
    for (const QModelIndex& index : table_->selectionModel()->selectedColumns()) columns.push_back(index.column());
    std::sort(columns.begin(), columns.end());
    CompletionPeriod period;
    if (!CheckColumns(columns, period)) return;
    chosen_ = PeriodReportSet(history_, period);
    accept();
}

}  // namespace orva

#include "ui/history/PersonHistoryTableModel.h"

#include <QColor>
#include <QFont>

#include "screening/ScreeningPresentation.h"
#include "screening/ScreeningRules.h"
#include "screening/ScreeningTexts.h"
#include "ui/CoreText.h"
#include "ui/analysis/AnalysisTableModel.h"
#include "ui/history/HistoryTexts.h"

namespace orva {

namespace hist = texts::history;

namespace {

}  // namespace

PersonHistoryTableModel::PersonHistoryTableModel(const PersonHistory& history, QObject* parent)
    : QAbstractTableModel(parent), history_(history) {}

QString PersonHistoryTableModel::DateText(int year, int month, int day) {
    if (year == 0) return CoreText::Fixed(hist::kNoDate);
    return CoreText::Fixed(hist::kDateFormat)
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(year, 4, 10, QLatin1Char('0'));
}

int PersonHistoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kOmegaRow + 1;
}

int PersonHistoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(history_.assessments.size());
}

bool PersonHistoryTableModel::Positive(const HistoryAssessment& assessment, int row) const {
    if (row >= kDisorderCount) return false;
    return assessment.analysis.rows[static_cast<std::size_t>(row)].cutoffAttained;
}

QString PersonHistoryTableModel::CellText(const HistoryAssessment& assessment, int row) const {
    const AnalysisResult& analysis = assessment.analysis;
    if (row == kPositiveScreensRow) return CoreText::ToQt(PositiveScreensText(analysis, assessment.reporter));
    if (row == kOmegaRow)
        return CoreText::ToQt(OmegaText(analysis.omega[static_cast<std::size_t>(assessment.reporter)]));
    const CombinedRow& combined = analysis.rows[static_cast<std::size_t>(row)];
    const ReporterScore& score = combined.reporters[static_cast<std::size_t>(assessment.reporter)];
    if (score.notAssessed) return CoreText::ToQt(ScoreText(score));
    QStringList counts;
    for (const std::string& line : ScoreLines(score))
        if (!line.empty()) counts << CoreText::ToQt(line);
    return CoreText::Fixed(CutoffAttainedText(combined)) + CoreText::Fixed(hist::kCountsOpen) + counts.join(CoreText::Fixed(hist::kCountsJoin)) +
           CoreText::Fixed(hist::kCountsClose);
}

QVariant PersonHistoryTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const HistoryAssessment& assessment = history_.assessments[static_cast<std::size_t>(index.column())];
    const bool positive = Positive(assessment, index.row());
    switch (role) {
        case Qt::DisplayRole:
            return CellText(assessment, index.row());
        case Qt::ToolTipRole: {
            if (!positive) return {};
            const CombinedRow& combined = assessment.analysis.rows[static_cast<std::size_t>(index.row())];
            const ItemList& items =
                combined.reporters[static_cast<std::size_t>(assessment.reporter)].result.itemsMet;
            return CoreText::Fixed(hist::kItemsMet) + CoreText::ToQt(ItemListText(items));
        }
        case Qt::FontRole: {
            if (!positive) return {};
            QFont bold;
            bold.setWeight(QFont::Bold);
            return bold;
        }
        case Qt::BackgroundRole:
            return positive ? AnalysisTableModel::ShadeColour() : AnalysisTableModel::WhiteColour();
        case Qt::ForegroundRole:
            // As on the analysis form: black on its white and shade in any theme.
            return QColor(Qt::black);
        case Qt::TextAlignmentRole:
            return static_cast<int>(Qt::AlignCenter);
        default:
            return {};
    }
}

QVariant PersonHistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount()) return {};
        const HistoryAssessment& assessment = history_.assessments[static_cast<std::size_t>(section)];
        if (role == Qt::DisplayRole)
            return DateText(assessment.completionYear, assessment.completionMonth, assessment.completionDay) +
                   QLatin1Char('\n') + CoreText::Fixed(hist::kReportNames[assessment.reporter]);
        if (role == Qt::ToolTipRole && assessment.reporter != kSelf)
            return CoreText::Fixed(hist::kAssessmentBy) + CoreText::ToQt(assessment.record.GetObserverName());
        return {};
    }
    if (section < 0 || section >= rowCount()) return {};
    if (role == Qt::DisplayRole) {
        if (section == kPositiveScreensRow) return CoreText::Fixed(texts::kNumberOfPositiveScreens);
        if (section == kOmegaRow) return CoreText::Fixed(texts::kReliabilityHeadings[0]).trimmed();
        return CoreText::ToQt(RowLabel(kAllDisorders[static_cast<std::size_t>(section)]))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    if (role == Qt::ToolTipRole && section < kDisorderCount)
        return CoreText::Fixed(hist::kCutoff) +
               CoreText::ToQt(CutoffLabel(kAllDisorders[static_cast<std::size_t>(section)]))
                   .replace(QLatin1Char('\n'), QLatin1Char(' '));
    return {};
}

}  // namespace orva

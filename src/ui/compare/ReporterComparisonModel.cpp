#include "ui/compare/ReporterComparisonModel.h"

#include <QColor>
#include <QFont>
#include <algorithm>

#include "model/AssessmentRecord.h"
#include "model/ItemCatalogue.h"
#include "screening/ComparisonPresentation.h"
#include "screening/ScreeningRules.h"
#include "ui/CoreText.h"
#include "ui/analysis/AnalysisTableModel.h"
#include "ui/compare/CompareTexts.h"

namespace orva {

namespace cmp = texts::compare;

namespace {

QString RowIds(const std::vector<DisorderId>& rows) {
    return CoreText::ToQt(RowIdsText(rows));
}

}  // namespace

ReporterComparisonModel::ReporterComparisonModel(ReporterComparison comparison, const AnalysisResult& analysis,
                                                 QObject* parent)
    : QAbstractTableModel(parent), comparison_(std::move(comparison)) {
    for (int slot = 0; slot < kReportSlots; ++slot)
        if (comparison_.present[static_cast<std::size_t>(slot)]) reporters_.push_back(slot);
    for (DisorderId id : kAllDisorders) positiveRows_[RowIndex(id)] = analysis.Row(id).cutoffAttained;
    for (const FollowUpItem& followUp : analysis.followUp)
        if (followUpItems_.empty() || followUpItems_.back() != followUp.item)
            followUpItems_.push_back(followUp.item);
}

QString ReporterComparisonModel::RowId(DisorderId id) {
    return CoreText::ToQt(DisorderName(id));
}

QString ReporterComparisonModel::RowTitle(DisorderId id) {
    return CoreText::ToQt(RowLabel(id)).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

int ReporterComparisonModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(comparison_.items.size());
}

int ReporterComparisonModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : DisagreementColumn() + 1;
}

int ReporterComparisonModel::AnswerColumn(int slot) const {
    for (std::size_t i = 0; i < reporters_.size(); ++i)
        if (reporters_[i] == slot) return kWordingColumn + 1 + static_cast<int>(i);
    return -1;
}

int ReporterComparisonModel::SlotOfColumn(int column) const {
    const int index = column - kWordingColumn - 1;
    if (index < 0 || index >= static_cast<int>(reporters_.size())) return -1;
    return reporters_[static_cast<std::size_t>(index)];
}

bool ReporterComparisonModel::FeedsPositiveRow(int row) const {
    for (DisorderId id : Item(row).rows)
        if (positiveRows_[RowIndex(id)]) return true;
    return false;
}

bool ReporterComparisonModel::ToFollowUp(int row) const {
    return std::binary_search(followUpItems_.begin(), followUpItems_.end(), Item(row).item);
}

QVariant ReporterComparisonModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const ItemComparison& item = Item(index.row());
    const int slot = SlotOfColumn(index.column());
    switch (role) {
        case Qt::DisplayRole:
            return Display(item, index.column());
        case Qt::ToolTipRole:
            return ToolTip(item, index.column());
        case Qt::FontRole: {
            if (slot < 0 || item.countedPositive[static_cast<std::size_t>(slot)].empty()) return {};
            QFont bold;
            bold.setWeight(QFont::Bold);
            return bold;
        }
        case Qt::BackgroundRole:
            if (!item.disagreement) return {};
            return AnalysisTableModel::ShadeColour();
        case Qt::ForegroundRole:
            // A dark theme's light text would vanish on the light shade.
            if (!item.disagreement) return {};
            return QColor(Qt::black);
        case Qt::TextAlignmentRole:
            if (index.column() == kItemColumn) return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
            return static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant ReporterComparisonModel::Display(const ItemComparison& item, int column) const {
    if (column == kItemColumn) return item.item;
    if (column == kWordingColumn) return CoreText::ToQt(ItemCatalogue::Wording(kParent, item.item));
    if (const int slot = SlotOfColumn(column); slot >= 0)
        return CoreText::ToQt(ComparisonAnswerText(comparison_, item, slot));
    if (column == RowsColumn()) return RowIds(item.rows);
    if (column == CountedColumn()) {
        QStringList groups;
        for (int reporter : reporters_) {
            const auto& counted = item.countedPositive[static_cast<std::size_t>(reporter)];
            if (!counted.empty())
                groups << CoreText::ToQt(ReporterCsvLabel(reporter)) + CoreText::Fixed(cmp::kReporterSeparator) +
                              RowIds(counted);
        }
        return groups.join(CoreText::Fixed(cmp::kGroupSeparator));
    }
    if (column == DisagreementColumn()) return item.disagreement ? CoreText::Fixed(cmp::kDisagreement) : QString();
    return {};
}

QVariant ReporterComparisonModel::ToolTip(const ItemComparison& item, int column) const {
    // The whole wording, which the column may cut short, and the Self-report's own.
    if (column == kWordingColumn)
        return CoreText::Fixed(cmp::kOtherWordingPrefix) + CoreText::ToQt(ItemCatalogue::Wording(kParent, item.item)) +
               QLatin1Char('\n') + CoreText::Fixed(cmp::kSelfWordingPrefix) +
               CoreText::ToQt(ItemCatalogue::Wording(kSelf, item.item));
    if (column == RowsColumn()) {
        QStringList titles;
        for (DisorderId id : item.rows) titles << RowId(id) + CoreText::Fixed(cmp::kReporterSeparator) + RowTitle(id);
        return titles.isEmpty() ? QVariant() : QVariant(titles.join(QLatin1Char('\n')));
    }
    if (const int slot = SlotOfColumn(column); slot >= 0) {
        const auto& counted = item.countedPositive[static_cast<std::size_t>(slot)];
        if (counted.empty()) return {};
        QStringList titles;
        for (DisorderId id : counted) titles << RowTitle(id);
        return CoreText::Fixed(cmp::kCountedPrefix) + titles.join(CoreText::Fixed(cmp::kGroupSeparator));
    }
    return {};
}

QVariant ReporterComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section == kItemColumn) return CoreText::Fixed(cmp::kItemHeading);
    if (section == kWordingColumn) return CoreText::Fixed(cmp::kWordingHeading);
    if (const int slot = SlotOfColumn(section); slot >= 0) return CoreText::Fixed(cmp::kReportNames[slot]);
    if (section == RowsColumn()) return CoreText::Fixed(cmp::kRowsHeading);
    if (section == CountedColumn()) return CoreText::Fixed(cmp::kCountedHeading);
    if (section == DisagreementColumn()) return CoreText::Fixed(cmp::kDisagreementHeading);
    return {};
}

}  // namespace orva

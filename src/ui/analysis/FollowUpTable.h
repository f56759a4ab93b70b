#pragma once

#include <QTableWidget>

#include "screening/AnalysisResult.h"

namespace orva {

// The analysis form's "Items to follow up" box: one row per item a reporter endorsed, with the
// item number, the reporter, the answer word and the item's wording for that reporter; "None
// endorsed" when there is none. Read-only.
class FollowUpTable : public QTableWidget {
    Q_OBJECT

  public:
    explicit FollowUpTable(QWidget* parent = nullptr);

    void ShowAnalysis(const AnalysisResult& analysis);
    // No rows at all: no analysis is shown.
    void Clear();
};

}  // namespace orva

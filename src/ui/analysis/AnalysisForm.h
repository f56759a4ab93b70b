#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QWidget>
#include <vector>

#include "screening/AnalysisGrid.h"
#include "screening/ReportSet.h"
#include "ui/analysis/AnalysisTableModel.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace orva {

class FollowUpTable;
class GridWidget;

// The analysis form: the young person's details, the screening grid, the reliability grid,
// the items to follow up, the observers' comments and the note at the foot. It is taller than
// a screen, so the view puts it in a scroll area; its size is fixed.
//
// Controls are placed in dialog units converted with the form font's metrics, so the layout
// keeps its proportions with any font.
class AnalysisForm : public QWidget {
    Q_OBJECT

  public:
    explicit AnalysisForm(QWidget* parent = nullptr);

    // Configures both grids (rows, headings, fonts, sizes, fixed labels) and stretches them to
    // their windows. Called once, when the view is first set up.
    void SetUpGrids();
    // Fills the details and both grids from the analysis; every cell that depends on the
    // analysis is rewritten, so nothing of an earlier analysis remains.
    void ShowAnalysis(const ReportSet& reports);
    // Empties the eleven detail texts and every cell that depends on an analysis.
    void Clear();

    // The welcome state shows the banner in place of the analysis controls; the logo stays.
    void SetAnalysisShown(bool shown);

    GridWidget& ScreeningGrid() { return *screeningGrid_; }
    GridWidget& ReliabilityGrid() { return *reliabilityGrid_; }
    const FollowUpTable& FollowUp() const { return *followUpTable_; }
    // The cells the two grids show, for whatever else draws them.
    const AnalysisTableModel& ScreeningModel() const { return *screeningModel_; }
    const AnalysisTableModel& ReliabilityModel() const { return *reliabilityModel_; }

    // The form's whole size in pixels (616 x 1284 dialog units).
    static QSize FormSize(const QFont& font);
    static QColor ShadeColour() { return AnalysisTableModel::ShadeColour(); }
    static QColor WhiteColour() { return AnalysisTableModel::WhiteColour(); }

    // Dialog-template units to pixels, from the font's average character width and height.
    struct DialogUnits {
        int baseX = 0;
        int baseY = 0;
        explicit DialogUnits(const QFont& font);
        int X(int du) const;
        int Y(int du) const;
        QRect Rect(int x, int y, int w, int h) const;
    };
    // The units the form is laid out in: the font's, widened when a label would not fit.
    static DialogUnits FormUnits(const QFont& font);

  private:
    // Each field read by its label, and those without one by what they hold.
    void NameFieldsForScreenReaders();
    QLabel* AddLabel(const char* text, const QString& name, QRect where);
    QLineEdit* AddLine(const QString& name, QRect where);
    QPlainTextEdit* AddBox(const QString& name, QRect where);
    QLabel* AddPicture(const QString& name, const char* resource, QRect where);
    void ApplyGrid(const AnalysisGrid& grid);
    void TransferTexts();

    // The eleven texts bound to the form's fields, as the analysis gives them (CR LF breaks).
    struct Texts {
        QString name;
        QString address;
        QString phone;
        QString observers;
        QString gender;
        QString birthDate;
        QString age;
        QString completionDate;
        QString schoolYear;
        QString school;
        QString comments;
    } texts_;

    QLineEdit* nameEdit_;
    QPlainTextEdit* addressEdit_;
    QPlainTextEdit* phoneEdit_;
    QPlainTextEdit* observersEdit_;
    QLineEdit* genderEdit_;
    QLineEdit* birthDateEdit_;
    QLineEdit* ageEdit_;
    QLineEdit* completionDateEdit_;
    QLineEdit* schoolYearEdit_;
    QLineEdit* schoolEdit_;
    QPlainTextEdit* commentsEdit_;
    AnalysisTableModel* screeningModel_;
    AnalysisTableModel* reliabilityModel_;
    GridWidget* screeningGrid_;
    GridWidget* reliabilityGrid_;
    FollowUpTable* followUpTable_;
    QLabel* logoPicture_;
    QLabel* bannerPicture_;
    std::vector<QWidget*> analysisControls_;
};

}  // namespace orva

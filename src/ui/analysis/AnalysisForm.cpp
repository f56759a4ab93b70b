#include "ui/analysis/AnalysisForm.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <utility>

#include "ui/analysis/AnalysisTexts.h"
#include "grid/GridWidget.h"
#include "ui/analysis/FollowUpTable.h"
#include "ui/analysis/FormTexts.h"
#include "reports/PersonDetailTexts.h"
#include "reports/ReportsTexts.h"
#include "ui/CoreText.h"
#include "ui/Resources.h"
#include "screening/ScreeningTexts.h"

namespace orva {

namespace {

// The form, in dialog units. The items to follow up stand between the grids and the
// comments; everything below them moves down by their height.
constexpr int kFormWidthDu = 616;
constexpr int kFollowUpDu = 112;
constexpr int kFormHeightDu = 1172 + kFollowUpDu;

// Screening grid layout in pixels.
constexpr int kScreeningStartWidths[kGridColumns] = {235, 67, 65, 67, 68, 68, 267};
constexpr int kHeadingRowHeight = 60;
constexpr int kRowHeight = 50;
constexpr int kCombinedAdhdRow = 7;
constexpr int kCombinedAdhdRowHeight = 55;
constexpr int kReliabilityRowHeights[kReliabilityGridRows] = {50, 60};

// Dialog templates give their font's size; the form's is 8 points.
constexpr qreal kFormPointSize = 8.0;

// Text lighter than mid-grey does not read on the form's white.
constexpr int kMaxTextLightnessOnWhite = 127;

struct LabelPlace {
    const char* text;
    const char* name;
    int x, y, w, h;  // dialog units
};

constexpr LabelPlace kLabels[] = {
    {texts::kLabelName, "nameLabel", 129, 14, 30, 8},
    {texts::kLabelAddress, "addressLabel", 130, 30, 30, 8},
    {texts::kLabelPhone, "phoneLabel", 130, 61, 30, 8},
    {texts::kLabelGender, "genderLabel", 331, 14, 64, 8},
    {texts::kLabelDateOfBirth, "birthDateLabel", 331, 30, 64, 8},
    {texts::kLabelAgeAtCompletion, "ageLabel", 331, 46, 64, 8},
    {texts::kLabelCompletionDate, "completionDateLabel", 331, 62, 64, 8},
    {texts::kLabelSchoolYear, "schoolYearLabel", 331, 78, 56, 11},
    {texts::kLabelSchool, "schoolLabel", 331, 93, 56, 10},
    {texts::kFollowUpHeading, "followUpLabel", 7, 981, 120, 8},
    {texts::form::kCommentsLabel, "commentsLabel", 7, 981 + kFollowUpDu, 37, 8},
    {texts::form::kNoteLabel, "noteLabel", 7, 1126 + kFollowUpDu, 19, 8},
    {texts::form::kNoteLine1, "noteLine1Label", 24, 1136 + kFollowUpDu, 543, 8},
    {texts::form::kNoteLine2, "noteLine2Label", 24, 1144 + kFollowUpDu, 543, 9},
};

// A column's alignment as the model gives it for every cell of the column.
Qt::Alignment ColumnAlignment(const AnalysisTableModel& model, int column) {
    return Qt::Alignment(model.data(model.index(0, column), Qt::TextAlignmentRole).toInt());
}

// Multi-line edits take plain line feeds; a CR would start a paragraph of its own.
QString ForTextBox(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

}  // namespace

AnalysisForm::DialogUnits::DialogUnits(const QFont& font) {
    // As dialog templates measure a font: the average width of the 52 letters, rounded, and
    // the character height.
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX = (letters / 26 + 1) / 2;
    baseY = metrics.height();
}

int AnalysisForm::DialogUnits::X(int du) const {
    return (du * baseX + 2) / 4;
}
int AnalysisForm::DialogUnits::Y(int du) const {
    return (du * baseY + 4) / 8;
}

QRect AnalysisForm::DialogUnits::Rect(int x, int y, int w, int h) const {
    const int left = X(x);
    const int top = Y(y);
    return {left, top, X(x + w) - left, Y(y + h) - top};
}

AnalysisForm::DialogUnits AnalysisForm::FormUnits(const QFont& font) {
    // A font whose punctuation and blanks run wider than its letters would clip the labels;
    // the whole form then grows a little wider instead.
    DialogUnits du(font);
    const QFontMetrics metrics(font);
    for (const LabelPlace& place : kLabels)
        while (metrics.horizontalAdvance(QString::fromUtf8(place.text)) >
               du.Rect(place.x, 0, place.w, 0).width())
            ++du.baseX;
    return du;
}

QSize AnalysisForm::FormSize(const QFont& font) {
    const DialogUnits du = FormUnits(font);
    return {du.X(kFormWidthDu), du.Y(kFormHeightDu)};
}

AnalysisForm::AnalysisForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("analysisForm"));
    // Labels, fields and grid cells paint on white, as the rest of the view does, in the
    // system's text colour; a dark theme's light text would vanish on white, so black then.
    QPalette white = palette();
    QColor text = white.color(QPalette::Text);
    if (text.lightness() > kMaxTextLightnessOnWhite) text = Qt::black;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base}) white.setColor(role, WhiteColour());
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) white.setColor(role, text);
    setPalette(white);
    setAutoFillBackground(true);
    QFont formFont = font();
    formFont.setPointSizeF(kFormPointSize);
    setFont(formFont);
    setFixedSize(FormSize(formFont));

    const DialogUnits du = FormUnits(formFont);
    logoPicture_ = AddPicture(QStringLiteral("logoPicture"), Resources::kLogo, du.Rect(8, 7, 93, 78));
    bannerPicture_ =
        AddPicture(QStringLiteral("bannerPicture"), Resources::kBanner, du.Rect(169, 23, 268, 38));

    for (const LabelPlace& place : kLabels)
        AddLabel(place.text, QString::fromLatin1(place.name), du.Rect(place.x, place.y, place.w, place.h));

    nameEdit_ = AddLine(QStringLiteral("nameEdit"), du.Rect(162, 14, 152, 12));
    addressEdit_ = AddBox(QStringLiteral("addressEdit"), du.Rect(162, 30, 152, 27));
    phoneEdit_ = AddBox(QStringLiteral("phoneEdit"), du.Rect(162, 61, 152, 19));
    observersEdit_ = AddBox(QStringLiteral("observersEdit"), du.Rect(128, 81, 199, 28));

    genderEdit_ = AddLine(QStringLiteral("genderEdit"), du.Rect(397, 14, 143, 12));
    birthDateEdit_ = AddLine(QStringLiteral("birthDateEdit"), du.Rect(397, 30, 143, 12));
    ageEdit_ = AddLine(QStringLiteral("ageEdit"), du.Rect(397, 46, 143, 12));
    completionDateEdit_ = AddLine(QStringLiteral("completionDateEdit"), du.Rect(397, 62, 143, 12));
    schoolYearEdit_ = AddLine(QStringLiteral("schoolYearEdit"), du.Rect(397, 78, 144, 12));
    schoolEdit_ = AddLine(QStringLiteral("schoolEdit"), du.Rect(397, 92, 176, 12));

    screeningModel_ = new AnalysisTableModel(AnalysisTableModel::Table::Screening, this);
    reliabilityModel_ = new AnalysisTableModel(AnalysisTableModel::Table::Reliability, this);
    screeningGrid_ = new GridWidget(this);
    screeningGrid_->setObjectName(QStringLiteral("screeningGrid"));
    screeningGrid_->setGeometry(du.Rect(7, 111, 559, 792));
    analysisControls_.push_back(screeningGrid_);
    reliabilityGrid_ = new GridWidget(this);
    reliabilityGrid_->setObjectName(QStringLiteral("reliabilityGrid"));
    reliabilityGrid_->setGeometry(du.Rect(7, 907, 559, 70));
    analysisControls_.push_back(reliabilityGrid_);

    followUpTable_ = new FollowUpTable(this);
    followUpTable_->setGeometry(du.Rect(7, 991, 559, kFollowUpDu - 14));
    analysisControls_.push_back(followUpTable_);
    // The box is named by its label, which is bold so that it is not missed.
    auto* followUpLabel = findChild<QLabel*>(QStringLiteral("followUpLabel"));
    QFont bold = followUpLabel->font();
    bold.setWeight(QFont::Bold);
    followUpLabel->setFont(bold);
    followUpLabel->setBuddy(followUpTable_);

    commentsEdit_ = AddBox(QStringLiteral("commentsEdit"), du.Rect(7, 991 + kFollowUpDu, 559, 113));
    commentsEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    NameFieldsForScreenReaders();
    SetAnalysisShown(true);
}

void AnalysisForm::NameFieldsForScreenReaders() {
    const std::pair<const char*, QWidget*> labelled[] = {
        {"nameLabel", nameEdit_},         {"addressLabel", addressEdit_},
        {"phoneLabel", phoneEdit_},       {"genderLabel", genderEdit_},
        {"birthDateLabel", birthDateEdit_}, {"ageLabel", ageEdit_},
        {"completionDateLabel", completionDateEdit_}, {"schoolYearLabel", schoolYearEdit_},
        {"schoolLabel", schoolEdit_},     {"commentsLabel", commentsEdit_}};
    for (const auto& [labelName, field] : labelled) {
        auto* label = findChild<QLabel*>(QLatin1String(labelName));
        label->setBuddy(field);
        field->setAccessibleName(label->text());
    }
    // The fields without a label of their own on the form.
    observersEdit_->setAccessibleName(QString::fromUtf8(texts::form::kObserversAccessible));
    screeningGrid_->SetAccessibleName(QString::fromUtf8(texts::form::kScreeningGridAccessible));
    reliabilityGrid_->SetAccessibleName(QString::fromUtf8(texts::form::kReliabilityGridAccessible));
}

QLabel* AnalysisForm::AddLabel(const char* text, const QString& name, QRect where) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setObjectName(name);
    label->setGeometry(where);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    analysisControls_.push_back(label);
    return label;
}

QLineEdit* AnalysisForm::AddLine(const QString& name, QRect where) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setGeometry(where);
    edit->setReadOnly(true);
    analysisControls_.push_back(edit);
    return edit;
}

QPlainTextEdit* AnalysisForm::AddBox(const QString& name, QRect where) {
    auto* box = new QPlainTextEdit(this);
    box->setObjectName(name);
    box->setGeometry(where);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->document()->setDocumentMargin(1);
    // A plain drawn box, in the grey of the single-line fields' borders: the style's own
    // border loses its top and right edges at a fractional scale (150 %), where the text area
    // inside it, rounded to whole pixels, paints over them.
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    box->viewport()->setAutoFillBackground(false);
    QPalette border = box->palette();
    border.setColor(QPalette::WindowText, border.color(QPalette::Mid));
    box->setPalette(border);
    analysisControls_.push_back(box);
    return box;
}

// Pictures keep their own size at the control's top-left corner, as picture controls of a
// dialog template do: stretching them to the font's units would distort them.
QLabel* AnalysisForm::AddPicture(const QString& name, const char* resource, QRect where) {
    auto* picture = new QLabel(this);
    picture->setObjectName(name);
    const QPixmap pixmap = Resources::Picture(resource, devicePixelRatioF());
    if (!pixmap.isNull()) where.setSize(pixmap.deviceIndependentSize().toSize());
    picture->setGeometry(where);
    picture->setPixmap(pixmap);
    return picture;
}

void AnalysisForm::SetAnalysisShown(bool shown) {
    for (QWidget* control : analysisControls_) control->setVisible(shown);
    bannerPicture_->setVisible(!shown);
}

void AnalysisForm::SetUpGrids() {
    GridWidget& screening = *screeningGrid_;
    screening.SetRowCount(kScreeningGridRows);
    screening.SetFixedRowCount(1);
    for (int column = 0; column < kGridColumns; ++column)
        screening.InsertColumn(screeningModel_->data(screeningModel_->index(0, column)).toString(),
                               ColumnAlignment(*screeningModel_, column));
    for (int column = 0; column < kGridColumns; ++column)
        screening.SetColumnWidth(column, kScreeningStartWidths[column]);
    screening.SetRowHeight(0, kHeadingRowHeight);
    for (int row = 1; row < kScreeningGridRows; ++row)
        screening.SetRowHeight(row, row == kCombinedAdhdRow ? kCombinedAdhdRowHeight : kRowHeight);

    GridWidget& reliability = *reliabilityGrid_;
    reliability.SetRowCount(kReliabilityGridRows);
    reliability.SetFixedRowCount(0);
    for (int column = 0; column < kGridColumns; ++column)
        reliability.InsertColumn(QString::fromUtf8(texts::kSingleBlank),
                                 ColumnAlignment(*reliabilityModel_, column));

    // From here on the grids show their models, the fixed texts until the first analysis.
    screening.SetModel(screeningModel_);
    reliability.SetModel(reliabilityModel_);
    screening.ExpandToFit();

    for (int column = 0; column < kGridColumns; ++column)
        reliability.SetColumnWidth(column, screening.GetColumnWidth(column));
    for (int row = 0; row < kReliabilityGridRows; ++row)
        reliability.SetRowHeight(row, kReliabilityRowHeights[row]);
    reliability.ExpandToFit();
}

// Both grids' cells, through their models: text, shading and fonts.
void AnalysisForm::ApplyGrid(const AnalysisGrid& grid) {
    screeningModel_->SetGrid(grid);
    reliabilityModel_->SetGrid(grid);
}

void AnalysisForm::ShowAnalysis(const ReportSet& reports) {
    const PersonDetailTexts details = PreparePersonDetailTexts(reports);
    texts_.name = CoreText::ToQt(details.name);
    texts_.address = CoreText::ToQt(JoinLines(details.addressLines));
    texts_.phone = CoreText::ToQt(JoinLines(details.phoneLines));
    texts_.observers = CoreText::ToQt(ObserversText(details));
    texts_.gender = CoreText::ToQt(details.gender);
    texts_.birthDate = CoreText::ToQt(details.birthDate);
    texts_.age = CoreText::ToQt(details.ageAtCompletion);
    texts_.completionDate = CoreText::ToQt(details.completionDate);
    texts_.schoolYear = CoreText::ToQt(details.schoolYear);
    texts_.school = CoreText::ToQt(details.school);
    texts_.comments = CoreText::ToQt(CommentsText(details));

    const AnalysisResult analysis = ComputeAnalysis(reports);
    ApplyGrid(BuildAnalysisGrid(analysis));
    followUpTable_->ShowAnalysis(analysis);

    TransferTexts();
    screeningGrid_->Refresh();
    reliabilityGrid_->Refresh();
    update();
}

void AnalysisForm::Clear() {
    texts_ = Texts{};
    ApplyGrid(FixedAnalysisGrid());
    followUpTable_->Clear();
    TransferTexts();
    screeningGrid_->Refresh();
    reliabilityGrid_->Refresh();
    update();
}

void AnalysisForm::TransferTexts() {
    nameEdit_->setText(texts_.name);
    addressEdit_->setPlainText(ForTextBox(texts_.address));
    phoneEdit_->setPlainText(ForTextBox(texts_.phone));
    observersEdit_->setPlainText(ForTextBox(texts_.observers));
    genderEdit_->setText(texts_.gender);
    birthDateEdit_->setText(texts_.birthDate);
    ageEdit_->setText(texts_.age);
    completionDateEdit_->setText(texts_.completionDate);
    schoolYearEdit_->setText(texts_.schoolYear);
    schoolEdit_->setText(texts_.school);
    commentsEdit_->setPlainText(ForTextBox(texts_.comments));
}

}  // namespace orva

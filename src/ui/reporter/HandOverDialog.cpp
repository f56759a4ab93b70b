#include "ui/reporter/HandOverDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <tuple>

#include "ui/CoreText.h"
#include "ui/reporter/ReporterTexts.h"

namespace orva {

namespace r = texts::reporter;

namespace {

QLabel* Wrapped(const char* text, const char* name, QWidget* parent) {
    auto* label = new QLabel(CoreText::Fixed(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

}  // namespace

HandOverDialog::HandOverDialog(bool speech, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("handOverDialog"));
    setWindowTitle(CoreText::Fixed(r::kHandOverCaption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Wrapped(r::kHandOverIntro, "introLabel", this));

    auto* sizes = new QGroupBox(CoreText::Fixed(r::kTextSizeGroup), this);
    sizes->setObjectName(QStringLiteral("textSizeGroup"));
    auto* sizeLayout = new QVBoxLayout(sizes);
    size_ = new QButtonGroup(this);
    using Size = ReporterOptions::TextSize;
    const std::tuple<Size, const char*, const char*> choices[] = {
        {Size::Normal, r::kSizeNormal, "normalSizeRadio"},
        {Size::Large, r::kSizeLarge, "largeSizeRadio"},
        {Size::ExtraLarge, r::kSizeExtraLarge, "extraLargeSizeRadio"}};
    for (const auto& [size, text, name] : choices) {
        auto* radio = new QRadioButton(CoreText::Fixed(text), sizes);
        radio->setObjectName(QLatin1String(name));
        size_->addButton(radio, static_cast<int>(size));
        sizeLayout->addWidget(radio);
    }
    size_->button(static_cast<int>(Size::Large))->setChecked(true);
    layout->addWidget(sizes);

    oneItem_ = new QCheckBox(CoreText::Fixed(r::kOneItemPerScreen), this);
    oneItem_->setObjectName(QStringLiteral("oneItemCheckBox"));
    layout->addWidget(oneItem_);
    readAutomatically_ = new QCheckBox(CoreText::Fixed(r::kReadAutomatically), this);
    readAutomatically_->setObjectName(QStringLiteral("readAutomaticallyCheckBox"));
    layout->addWidget(readAutomatically_);
    if (!speech) {
        readAutomatically_->hide();
        layout->addWidget(Wrapped(r::kNoSpeech, "noSpeechLabel", this));
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* handOver = buttons->addButton(CoreText::Fixed(r::kHandOver), QDialogButtonBox::AcceptRole);
    handOver->setObjectName(QStringLiteral("confirmButton"));
    handOver->setDefault(true);
    QPushButton* cancel = buttons->addButton(CoreText::Fixed(r::kCancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ReporterOptions HandOverDialog::Options() const {
    return {static_cast<ReporterOptions::TextSize>(size_->checkedId()), oneItem_->isChecked(),
            !readAutomatically_->isHidden() && readAutomatically_->isChecked()};
}

}  // namespace orva

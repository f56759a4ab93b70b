#include "ui/shell/AboutDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/Version.h"
#include "ui/Resources.h"
#include "ui/shell/ShellTexts.h"

namespace orva {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QString::fromLatin1(texts::kAboutCaption));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("productPictureLabel"));
    picture->setPixmap(Resources::Picture(Resources::kProduct, devicePixelRatioF()));
    picture->setAlignment(Qt::AlignTop);

    auto* version = new QLabel(QString::fromLatin1(texts::kAboutVersionPrefix) + QString::fromLatin1(kVersion), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    auto* address = new QLabel(QString::fromLatin1(texts::kWebAddress), this);
    address->setObjectName(QStringLiteral("webAddressLabel"));
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The details below the product's own lines: who makes it and under which licence.
    auto* copyright = new QLabel(QString::fromLatin1(texts::kAboutCopyright), this);
    copyright->setObjectName(QStringLiteral("copyrightLabel"));
    auto* licence = new QLabel(QString::fromLatin1(texts::kAboutLicence), this);
    licence->setObjectName(QStringLiteral("licenceLabel"));

    auto* ok = new QPushButton(QString::fromLatin1(texts::kOk), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* words = new QVBoxLayout;
    words->addWidget(version);
    words->addWidget(address);
    words->addSpacing(12);
    words->addWidget(copyright);
    words->addWidget(licence);
    words->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(16, 16, 16, 16);
    row->setSpacing(16);
    row->addWidget(picture);
    row->addLayout(words, 1);
    row->addLayout(buttons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace orva

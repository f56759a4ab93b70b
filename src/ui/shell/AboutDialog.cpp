#include "ui/shell/AboutDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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

    auto* version = new QLabel(QString::fromLatin1(texts::kAboutVersion), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    auto* address = new QLabel(QString::fromLatin1(texts::kWebAddress), this);
    address->setObjectName(QStringLiteral("webAddressLabel"));
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* ok = new QPushButton(QString::fromLatin1(texts::kOk), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* words = new QVBoxLayout;
    words->addWidget(version);
    words->addWidget(address);
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

#include "shell/frmAbout.h"

#include <algorithm>

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "shell/AppIcon.h"
#include "widgets/LinkLabel.h"
#include "services/WebLinks.h"
#include "widgets/ProgramTitle.h"
#include "widgets/Translated.h"

namespace velmora {

namespace {

QLabel* MakeText(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

}  // namespace

frmAbout::frmAbout(WebOpener& web, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ProgramTitle());
    setWindowIcon(VelmoraIcon());
    setModal(true);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(VelmoraIcon().pixmap(48, 48));
    picIcon->setAccessibleName(QStringLiteral("Velmora"));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle = MakeText(this, "lblTitle", ProgramTitle());
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblDescription = MakeText(this, "lblDescription", QString());
    Translate(lblDescription,
        QT_TRANSLATE_NOOP("Velmora", "Velmora calculates the arudha for the different houses in your natal chart. Type your birth "
                       "details and it draws your Vedic birth chart, places the arudha padas AL to A12 among your "
                       "planets and writes what each of them says about you."));

    lblHomePage = new LinkLabel(QString(), web, WebPage::Home, this);
    Translate(lblHomePage, QT_TRANSLATE_NOOP("Velmora", "Click here to visit %1"), TextRole::Text,
              {WebPageAddress(WebPage::Home).toString()});
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));

    lblBrandOffer = MakeText(this, "lblBrandOffer", QString());
    Translate(lblBrandOffer, QT_TRANSLATE_NOOP("Velmora", "Home Business Opportunity. Start your own Internet business "
                                                          "and make money online. Get this software fully branded "
                                                          "for your website."));
    lblCoBrand = new LinkLabel(QString(), web, WebPage::BrandedEdition, this);
    Translate(lblCoBrand, QT_TRANSLATE_NOOP("Velmora", "Click here for more details."));
    lblCoBrand->setObjectName(QStringLiteral("lblCoBrand"));

    lblLicence = MakeText(this, "lblLicence", QString());
    Translate(lblLicence,
        QT_TRANSLATE_NOOP("Velmora", "Velmora is free software under the GNU Affero General Public License, version 3 or "
                       "(at your option) any later version. Precise positions are computed with the Swiss "
                       "Ephemeris (Astrodienst AG), which Debian distributes under the same licence. Birth places come "
                       "from GeoNames (geonames.org), under the Creative Commons Attribution 4.0 licence; time "
                       "zones from the IANA time-zone database."));

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    cmdOK = new QPushButton(this);
    Translate(cmdOK, QT_TRANSLATE_NOOP("Velmora", "OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(picIcon, 0, 0, 6, 1);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblDescription, 1, 1);
    grid->addWidget(lblHomePage, 2, 1);
    grid->addWidget(lblBrandOffer, 3, 1);
    grid->addWidget(lblCoBrand, 4, 1);
    grid->addWidget(lblLicence, 5, 1);
    grid->addWidget(Line1, 6, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    grid->addLayout(buttons, 7, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(420);
    // A dialog does not size itself to wrapped text: as tall as its lines
    // need at its width, in whatever font the desktop gives it.
    const int width = std::max(sizeHint().width(), minimumWidth());
    setMinimumHeight(grid->totalHeightForWidth(width));
    resize(width, minimumHeight());
    // Another language's lines are longer, or fewer: as tall as they need again.
    OnLanguageChange(this, [this, grid] {
        grid->invalidate();
        grid->activate();
        const int wide = std::max(this->width(), minimumWidth());
        setMinimumHeight(grid->totalHeightForWidth(wide));
        resize(wide, std::max(this->height(), minimumHeight()));
    });

    setTabOrder(cmdOK, lblHomePage);
    setTabOrder(lblHomePage, lblCoBrand);
    cmdOK->setFocus();
}

}  // namespace velmora

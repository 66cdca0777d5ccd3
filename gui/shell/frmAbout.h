#pragma once
// The About box: the program's name, icon and description, its licence and
// the ephemeris it uses, two links and OK.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace velmora {

class LinkLabel;
class WebOpener;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Modal over `parent`, the window it was asked from.
    frmAbout(WebOpener& web, QWidget* parent);

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblDescription = nullptr;
    LinkLabel* lblHomePage = nullptr;
    QLabel* lblBrandOffer = nullptr;
    LinkLabel* lblCoBrand = nullptr;
    QLabel* lblLicence = nullptr;
    QFrame* Line1 = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace velmora

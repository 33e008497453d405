#include "app/controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <vector>

#include "app/page_layout.h"
#include "ui/combo_box_fit.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui/twips.h"

namespace quillon::app {

namespace {

// The fixed layout was drawn for the classic 8-point dialog font. A
// desktop's own font is often larger or wider and would cut captions off, so
// the window takes a face of the same widths where one is installed (the
// first found wins, else the desktop's) at that font's size in pixels.
constexpr int kLayoutFontPixels = 11;

QFont layoutFont(const QFont& desktop) {
    QFont font = desktop;
    font.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      desktop.family()});
    font.setPixelSize(kLayoutFontPixels);
    return font;
}

}  // namespace

WindowControls buildControls(QWidget* window, const ui::DriveSource& drives,
                             const ui::FolderEntries& start) {
    window->setFont(layoutFont(window->font()));

    WindowControls c{};
    c.tabTrans = new QTabBar(window);
    c.tabTrans->setObjectName(QStringLiteral("tabTrans"));
    c.tabTrans->addTab(QStringLiteral("Upload to  Atari"));
    c.tabTrans->addTab(QStringLiteral("Download from Atari"));
    c.tabTrans->setCurrentIndex(0);
    c.tabTrans->setAccessibleName(QStringLiteral("Page"));
    // Tabs as wide as their captions, and a raised panel below them round
    // the place the two frames share: the face a tab widget gives its pages.
    c.tabTrans->setExpanding(false);
    c.tabTrans->setDrawBase(false);
    const QRect strip = ui::twipsRect(60, 60, 5655, 5655);
    const int tabsHeight = c.tabTrans->sizeHint().height();
    c.tabTrans->setGeometry(strip.x(), strip.y(), strip.width(), tabsHeight);
    auto* panel = new QFrame(window);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    panel->setGeometry(strip.adjusted(0, tabsHeight - 1, 0, 0));
    panel->lower();

    c.up = buildUploadPage(window, drives, start);
    c.down = buildDumpPage(window, drives, start);
    const std::vector<QComboBox*> options = {c.up.cboDouble,    c.up.cboLPT,    c.up.cboType,
                                             c.down.cboDouble2, c.down.cboLPT2, c.down.cboType2,
                                             c.down.cboConType};
    ui::fitClosedComboBoxes(options, window->font());

    setKeyboardOrder(c);
    return c;
}

void setKeyboardOrder(const WindowControls& c) {
    const UploadControls& up = c.up;
    const DumpControls& down = c.down;
    // Numbered across both pages; hidden and disabled controls are skipped
    // as the user moves, so each page is visited in its own order.
    const std::vector<QWidget*> order = {
        up.Drive2,         up.Dir2,       up.flbOpen,        up.cmdView1,        up.chkFast,
        up.cboDouble,      up.cboLPT,     up.cboType,        up.cmdPlay,         up.cmdExit,
        down.txtFileInput, down.chkHexx2, down.chkShortHexx, down.chkAlternate2, down.cboDouble2,
        down.cboLPT2,      down.cboType2, down.cboConType,   down.cmdPlay2,      down.cmdExit2,
        c.tabTrans,        up.cmdView2,   down.txtHexx2,     down.Dir1,          down.Drive1,
        down.txtShortHexx, up.chkHexx,    up.txtHexx,        up.cmdSave1,        down.cmdSave2,
    };
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

}  // namespace quillon::app

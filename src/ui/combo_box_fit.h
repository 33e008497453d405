#pragma once

#include <QFont>
#include <span>

class QComboBox;

namespace quillon::ui {

// The layout's combo boxes are narrow for their longest items: at the
// layout's font "Bankswitched" needs more than the box leaves it beside a
// drop-down button of the usual width. Gives every box in `boxes` a slimmer
// button and one font for all of them, the first of these under which every
// item of every box shows whole while the box is closed: `base`; a narrow
// face at its size, where the system has one; `base` a pixel smaller at a
// time. Boxes of one look, whatever the desktop's fonts and style. Called
// once the boxes are placed and hold their items.
void fitClosedComboBoxes(std::span<QComboBox* const> boxes, const QFont& base);

}  // namespace quillon::ui

#include "ui/combo_box_fit.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLineEdit>
#include <QProxyStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <vector>

namespace quillon::ui {

namespace {

// Wide enough for the arrow and a margin on either side of it, in
// device-independent pixels; the usual button is 16 to 19.
constexpr int kSlimButtonPixels = 13;
// A line edit keeps this much room free at either end of its text.
constexpr int kLineEditTextMargin = 2;
// Below this a text is too small to read at the layout's scale.
constexpr int kSmallestPixels = 8;

// The desktop's own style, with the drop-down button of an editable combo
// box narrowed and its room given to the edit field. The style draws the
// button where this places it.
class SlimButtonStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        const QRect base = QProxyStyle::subControlRect(control, option, part, widget);
        if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField)) {
            return base;
        }
        const QRect arrow = QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget);
        if (arrow.width() <= kSlimButtonPixels) {
            return base;
        }
        const int cut = arrow.width() - kSlimButtonPixels;
        const bool rightToLeft = option->direction == Qt::RightToLeft;
        if (part == SC_ComboBoxArrow) {
            return rightToLeft ? base.adjusted(0, 0, -cut, 0) : base.adjusted(cut, 0, 0, 0);
        }
        return rightToLeft ? base.adjusted(-cut, 0, 0, 0) : base.adjusted(0, 0, cut, 0);
    }
};

// The width the closed box gives the text of its edit field.
int textRoom(const QComboBox& box) {
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    option.frame = box.hasFrame();
    const QRect field = box.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, &box);
    return field.width() - 2 * kLineEditTextMargin;
}

bool everyItemFits(std::span<QComboBox* const> boxes, const QFont& font) {
    const QFontMetrics metrics(font);
    return std::ranges::all_of(boxes, [&](const QComboBox* box) {
        const int room = textRoom(*box);
        for (int index = 0; index < box->count(); ++index) {
            if (metrics.horizontalAdvance(box->itemText(index)) > room) {
                return false;
            }
        }
        return true;
    });
}

// The fonts to try, best first.
std::vector<QFont> candidates(const QFont& base) {
    std::vector<QFont> fonts{base};
    const int size = base.pixelSize();
    for (const char* narrow : {"Arial Narrow", "Liberation Sans Narrow"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(narrow))) {
            QFont font = base;
            font.setFamilies({QString::fromLatin1(narrow)});
            fonts.push_back(font);
        }
    }
    for (int smaller = size - 1; smaller >= kSmallestPixels; --smaller) {
        QFont font = base;
        font.setPixelSize(smaller);
        fonts.push_back(font);
    }
    return fonts;
}

}  // namespace

void fitClosedComboBoxes(std::span<QComboBox* const> boxes, const QFont& base) {
    if (boxes.empty()) {
        return;
    }
    // One style for the boxes, owned by the first box's window; it draws
    // with a desktop style of its own, so the application's is untouched.
    auto* style = new SlimButtonStyle();
    style->setParent(boxes.front()->window());
    for (QComboBox* box : boxes) {
        box->setStyle(style);
    }
    const std::vector<QFont> fonts = candidates(base);
    const auto fitting =
        std::ranges::find_if(fonts, [&](const QFont& font) { return everyItemFits(boxes, font); });
    // None fits: the smallest readable one cuts least.
    const QFont& chosen = fitting != fonts.end() ? *fitting : fonts.back();
    for (QComboBox* box : boxes) {
        box->setFont(chosen);
    }
}

}  // namespace quillon::ui

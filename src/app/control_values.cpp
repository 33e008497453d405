#include "app/control_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>

#include "app/text_conversion.h"

namespace quillon::app {

bool isChecked(const QCheckBox* box) { return box->checkState() == Qt::Checked; }

void setComboText(QComboBox* box, const QString& text) {
    const int item = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0 && item != box->currentIndex()) {
        box->setCurrentIndex(item);
    }
    if (box->currentText() != text) {
        box->setEditText(text);
    }
    // A text wider than the edit field shows from its start, unless the user
    // is at work in it.
    if (!box->hasFocus()) {
        box->lineEdit()->setCursorPosition(0);
    }
}

void showPreview(QLabel* label, const std::string& line) {
    const QString text = fromUtf8(line);
    label->setText(text);
    // A tooltip reads text that looks like markup as markup, and a
    // destination such as "<h1>BIG</h1>x.a78" would show as a heading: the
    // line goes in as escaped text, its blanks kept.
    label->setToolTip(Qt::convertFromPlainText(text, Qt::WhiteSpacePre));
    label->setAccessibleDescription(text);
}

}  // namespace quillon::app

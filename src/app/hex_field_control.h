#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "rules/hex_field.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quillon::app {

// The controls of one hex option: the box that switches it on, the text box
// it shows, and the hint that stands at the text box's place while it is
// hidden.
struct HexFieldWidgets {
    QCheckBox* check;
    QLineEdit* box;
    QLabel* hint;
};

// One hex option of a page: its check box, its text box and the page flag
// that says whether the option is complete. It carries out the option's key
// filter, change rule and click rule (the txtHexx_KeyPress, txtHexx_Change
// and chkHexx_Click of each field) for all three fields alike; after each,
// the page re-evaluates its action button and, where the rule says so,
// recomposes its preview.
class HexFieldControl : public QObject {
    Q_OBJECT
public:
    using PageStep = std::function<void()>;

    // `evaluate` is the page's CheckAll, `preview` its LabelChange.
    HexFieldControl(rules::HexFieldId id, HexFieldWidgets widgets, bool& flag, PageStep evaluate,
                    PageStep preview, QObject* parent);

    // Puts a saved option back as a user would: the box is ticked first, so
    // that its click shows the text box, then the saved text goes in as it
    // was saved. A text saved while the option was off is not put in.
    void restore(bool on, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs before the key reaches the box, so the page is evaluated and
    // previewed with the text as it was before this key.
    void KeyPress(int& keyAscii);
    void Change();
    void Click();

    const rules::HexFieldRule& rule_;
    QCheckBox* check_;
    QLineEdit* box_;
    QLabel* hint_;
    bool& flag_;
    PageStep evaluate_;
    PageStep preview_;
};

}  // namespace quillon::app

#pragma once

#include <QObject>
#include <functional>

#include "rules/hex_field.h"

class QCheckBox;
class QLineEdit;

namespace quillon::app {

// One hex option of a page: its check box, its text box and the page flag
// that says whether the option is complete. The page names the handlers and
// decides what follows each (its action button, its preview); this class
// carries out the field's own rule for all three fields alike.
class HexFieldControl : public QObject {
    Q_OBJECT
public:
    // `keyPress` is the page's key handler for the box; it sees every typed
    // character before the box does and drops it by setting it to 0.
    HexFieldControl(rules::HexFieldId id, QCheckBox* check, QLineEdit* box, bool& flag,
                    std::function<void(int& keyAscii)> keyPress, QObject* parent);

    // Discards a character the field does not take.
    void filterKey(int& keyAscii) const;
    // The flag after the box's text changed.
    void textChanged();
    // Shows or hides the box as the option is switched; true when the page's
    // preview is to be recomposed.
    bool clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const rules::HexFieldSpec& rule_;
    QCheckBox* check_;
    QLineEdit* box_;
    bool& flag_;
    std::function<void(int&)> keyPress_;
};

}  // namespace quillon::app

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

#include "app/control_values.h"
#include "app/frm_game_loader.h"

namespace quillon::app {

namespace {

using rules::HexFieldId;

// The character code a key press types, as a text box's key filter sees it:
// Ctrl with a letter types its control character (Ctrl+V is 22), Backspace
// types 8. Keys that type nothing (arrows, Home, Delete) and Tab, which moves
// the focus, have none and go to the box unfiltered.
std::optional<int> typedCharacter(const QKeyEvent& key) {
    const int code = key.key();
    if (code == Qt::Key_Tab || code == Qt::Key_Backtab || code == Qt::Key_Delete) {
        return std::nullopt;
    }
    const Qt::KeyboardModifiers chord = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (chord == Qt::ControlModifier && code >= Qt::Key_A && code <= Qt::Key_Z) {
        return code - Qt::Key_A + 1;
    }
    const QList<uint> typed = key.text().toUcs4();
    if (typed.isEmpty()) {
        return std::nullopt;
    }
    return static_cast<int>(typed.front());
}

}  // namespace

bool frmGameLoader::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const std::optional<int> typed = typedCharacter(*static_cast<QKeyEvent*>(event));
    if (!typed) {
        return QWidget::eventFilter(watched, event);
    }
    int keyAscii = *typed;
    if (watched == c_.up.txtHexx) {
        txtHexx_KeyPress(keyAscii);
    } else if (watched == c_.down.txtHexx2) {
        txtHexx2_KeyPress(keyAscii);
    } else if (watched == c_.down.txtShortHexx) {
        txtShortHexx_KeyPress(keyAscii);
    } else {
        return QWidget::eventFilter(watched, event);
    }
    // A discarded key never reaches the box.
    return keyAscii == 0;
}

void frmGameLoader::txtHexx_KeyPress(int& keyAscii) {
    hexKeyPress(HexFieldId::UploadWrite, keyAscii);
}
void frmGameLoader::txtHexx2_KeyPress(int& keyAscii) {
    hexKeyPress(HexFieldId::DumpWrite, keyAscii);
}
void frmGameLoader::txtShortHexx_KeyPress(int& keyAscii) {
    hexKeyPress(HexFieldId::DumpBank, keyAscii);
}
void frmGameLoader::txtHexx_Change() { hexChange(HexFieldId::UploadWrite); }
void frmGameLoader::txtHexx2_Change() { hexChange(HexFieldId::DumpWrite); }
void frmGameLoader::txtShortHexx_Change() { hexChange(HexFieldId::DumpBank); }
void frmGameLoader::chkHexx_Click() { hexClick(HexFieldId::UploadWrite); }
void frmGameLoader::chkHexx2_Click() { hexClick(HexFieldId::DumpWrite); }
void frmGameLoader::chkShortHexx_Click() { hexClick(HexFieldId::DumpBank); }

frmGameLoader::HexFieldControls frmGameLoader::hexField(HexFieldId id) {
    switch (id) {
        case HexFieldId::UploadWrite:
            return {c_.up.chkHexx, c_.up.txtHexx, &upFlags_.hexx};
        case HexFieldId::DumpWrite:
            return {c_.down.chkHexx2, c_.down.txtHexx2, &downFlags_.hexx};
        case HexFieldId::DumpBank:
            break;
    }
    return {c_.down.chkShortHexx, c_.down.txtShortHexx, &downFlags_.shortHexx};
}

// Runs before the key reaches the box, so the page is evaluated and
// previewed with the text as it was before this key.
void frmGameLoader::hexKeyPress(HexFieldId id, int& keyAscii) {
    const rules::HexFieldSpec& rule = rules::hexFieldSpec(id);
    if (!rules::keyPasses(rule, keyAscii)) {
        keyAscii = 0;
    }
    checkPage(rule.page);
    previewPage(rule.page);
}

void frmGameLoader::hexChange(HexFieldId id) {
    const rules::HexFieldSpec& rule = rules::hexFieldSpec(id);
    const HexFieldControls field = hexField(id);
    *field.flag = rules::flagAfterChange(rule, isChecked(field.check),
                                         characterCount(field.box->text()), *field.flag);
    checkPage(rule.page);
    previewPage(rule.page);
}

void frmGameLoader::hexClick(HexFieldId id) {
    const rules::HexFieldSpec& rule = rules::hexFieldSpec(id);
    const HexFieldControls field = hexField(id);
    const rules::ClickOutcome outcome =
        rules::clickOutcome(rule, isChecked(field.check), characterCount(field.box->text()));
    if (outcome.boxShownAndEnabled) {
        field.box->setEnabled(true);
        field.box->show();
        // Before the window is shown (start-up's restore) there is no focus
        // to move.
        if (outcome.requestFocus && isVisible()) {
            field.box->setFocus();
        }
    } else {
        field.box->setEnabled(false);
        field.box->hide();
    }
    *field.flag = outcome.flag;
    checkPage(rule.page);
    if (outcome.recomposePreview) {
        previewPage(rule.page);
    }
}

void frmGameLoader::checkPage(rules::Page page) {
    page == rules::Page::Upload ? CheckAll1() : CheckAll2();
}

void frmGameLoader::previewPage(rules::Page page) {
    page == rules::Page::Upload ? LabelChange1() : LabelChange2();
}

}  // namespace quillon::app

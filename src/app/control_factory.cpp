#include "app/control_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <limits>

#include "ui/drive_list.h"
#include "ui/folder_list.h"
#include "ui/key_filter_validator.h"
#include "ui/twips.h"

namespace quillon::app::factory {

namespace {

template <typename Widget>
Widget* placed(Widget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(ui::twipsRect(left, top, width, height));
    return widget;
}

// 21.75 point at the layout's 96 dots per inch, in device-independent
// pixels, so the logo keeps its size against the twips layout whatever the
// desktop's font resolution.
constexpr int kLogoPixels = 29;

}  // namespace

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                 int width, int height) {
    return placed(new QGroupBox(caption, parent), name, left, top, width, height);
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top,
              int width, int height) {
    auto* result = placed(new QLabel(caption, parent), name, left, top, width, height);
    result->setTextFormat(Qt::PlainText);
    return result;
}

QLabel* logo(QWidget* parent, const char* name, int left, int top, int width, int height) {
    QLabel* result = label(parent, name, QStringLiteral("Quillon"), left, top, width, height);
    QFont font(QStringLiteral("Georgia"));
    font.setStyleHint(QFont::Serif);  // a serif face stands in where Georgia is missing
    font.setPixelSize(kLogoPixels);
    font.setItalic(true);
    font.setWeight(QFont::Normal);
    result->setFont(font);
    result->setAlignment(Qt::AlignCenter);
    return result;
}

QLabel* boxedLabel(QWidget* parent, const char* name, int left, int top, int width, int height) {
    QLabel* result = label(parent, name, QString(), left, top, width, height);
    result->setFrameStyle(QFrame::Box | QFrame::Plain);
    result->setLineWidth(1);
    result->setAlignment(Qt::AlignCenter);
    // "ROM Selected: NAME" is wider than the box: it breaks after the colon.
    result->setWordWrap(true);
    return result;
}

QLabel* preview(QWidget* parent, const char* name, int left, int top, int width, int height) {
    QLabel* result = label(parent, name, QString(), left, top, width, height);
    // The muted colour of an inactive window's border, in every state of the
    // window, so the line reads as output rather than as a field to edit.
    QPalette palette = result->palette();
    const QColor muted = palette.color(QPalette::Inactive, QPalette::Mid);
    palette.setColor(QPalette::Active, QPalette::Window, muted);
    palette.setColor(QPalette::Inactive, QPalette::Window, muted);
    palette.setColor(QPalette::Disabled, QPalette::Window, muted);
    result->setPalette(palette);
    result->setAutoFillBackground(true);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result->setWordWrap(true);
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    result->setAccessibleName(QStringLiteral("Command preview"));
    return result;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width, int height) {
    auto* result = placed(new QPushButton(caption, parent), name, left, top, width, height);
    // A button never becomes the window's default: Enter belongs to the
    // control that has the focus (the folder list opens a folder with it).
    result->setAutoDefault(false);
    return result;
}

ui::DriveList* driveList(QWidget* parent, const char* name, const ui::DriveSource& drives, int left,
                         int top, int width, int height) {
    auto* result = placed(new ui::DriveList(drives, parent), name, left, top, width, height);
    if (const int start = result->indexForPath(QDir::currentPath()); start >= 0) {
        result->setCurrentIndex(start);
    }
    return result;
}

ui::FolderList* folderList(QWidget* parent, const char* name, const ui::FolderEntries& start,
                           bool keepsFiles, int left, int top, int width, int height) {
    return placed(new ui::FolderList(start, keepsFiles, parent), name, left, top, width, height);
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width, int height) {
    return placed(new QCheckBox(caption, parent), name, left, top, width, height);
}

QComboBox* comboBox(QWidget* parent, const char* name, std::span<const std::string_view> items,
                    const QString& accessibleName, int left, int top, int width, int height) {
    auto* result = placed(new QComboBox(parent), name, left, top, width, height);
    // Qt's own completer fills in typed text from the list ("2" becomes
    // "262K"), and without a completer Enter matches the list ignoring case.
    // A case-sensitive completer that offers nothing keeps the text as typed;
    // given to the edit field before the box becomes editable, it also spares
    // building the default completer only to replace it.
    auto* edit = new QLineEdit(result);
    auto* exact = new QCompleter(static_cast<QAbstractItemModel*>(nullptr), edit);
    exact->setCaseSensitivity(Qt::CaseSensitive);
    edit->setCompleter(exact);
    result->setLineEdit(edit);
    result->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string_view item : items) {
        result->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
    }
    result->setCurrentIndex(0);
    // Show the text from its start: it can be wider than the edit field.
    result->lineEdit()->setCursorPosition(0);
    result->setAccessibleName(accessibleName);
    return result;
}

QLineEdit* textBox(QWidget* parent, const char* name, const QString& accessibleName, int left,
                   int top, int width, int height) {
    auto* result = placed(new QLineEdit(parent), name, left, top, width, height);
    // Qt's default limit, 32767 characters, would cut a long path short.
    result->setMaxLength(std::numeric_limits<int>::max());
    result->setAccessibleName(accessibleName);
    return result;
}

QLineEdit* hexBox(QWidget* parent, const char* name, rules::HexFieldId field,
                  const QString& accessibleName, int left, int top, int width, int height) {
    QLineEdit* result = textBox(parent, name, accessibleName, left, top, width, height);
    const rules::HexFieldRule& rule = rules::hexFieldRule(field);
    // Pastes and drops reach the box without a key press. The validator, not
    // the box, holds typing and pasting to the field's length, so that saved
    // text goes in whole.
    result->setValidator(new ui::KeyFilterValidator([](int code) { return rules::keyPasses(code); },
                                                    rule.length, result));
    // An input method would hand over composed text without a key press,
    // past the filter; hex digits need none.
    result->setAttribute(Qt::WA_InputMethodEnabled, false);
    result->setEnabled(false);
    result->hide();
    return result;
}

}  // namespace quillon::app::factory

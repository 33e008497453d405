// The check view's controls: a form of what is known of the file, the DAT's
// answer and the comparison, each with the button that asks for it.
#include <QDir>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/check_view.h"

namespace quillon::ui {

namespace {

// Values the user may want to copy into a forum post or a search: they can
// be selected with the mouse and the keyboard.
QLabel* valueLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setWordWrap(true);
    return label;
}

// Hashes are compared digit by digit with other lists: fixed-width digits
// line up.
QLabel* hashLabel(const char* name, QWidget* parent) {
    QLabel* label = valueLabel(name, QStringLiteral("…"), parent);
    label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    label->setWordWrap(false);
    return label;
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

// A value with its button at the row's end.
QHBoxLayout* withButton(QWidget* value, QPushButton* action) {
    auto* row = new QHBoxLayout;
    row->addWidget(value, 1);
    row->addWidget(action, 0, Qt::AlignTop);
    return row;
}

}  // namespace

void CheckView::buildControls() {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(QStringLiteral("File:"),
                 valueLabel("lblCheckFile", QDir::toNativeSeparators(path_), this));
    lblCheckSize_ = valueLabel("lblCheckSize", QStringLiteral("Reading…"), this);
    form->addRow(QStringLiteral("Size:"), lblCheckSize_);
    lblCrc32_ = hashLabel("lblCrc32", this);
    form->addRow(QStringLiteral("CRC32:"), lblCrc32_);
    lblMd5_ = hashLabel("lblMd5", this);
    form->addRow(QStringLiteral("MD5:"), lblMd5_);
    lblSha1_ = hashLabel("lblSha1", this);
    form->addRow(QStringLiteral("SHA-1:"), lblSha1_);
    lblHeader_ = valueLabel("lblHeader", QStringLiteral("…"), this);
    form->addRow(QStringLiteral("Header:"), lblHeader_);

    lblDat_ = valueLabel("lblDat", QStringLiteral("None chosen"), this);
    QPushButton* chooseDat = button("cmdChooseDat", QStringLiteral("Choose &DAT…"), this);
    connect(chooseDat, &QPushButton::clicked, this, &CheckView::cmdChooseDat_Click);
    form->addRow(QStringLiteral("DAT:"), withButton(lblDat_, chooseDat));
    // The answer in bold, which ROM of the list it is below it.
    lblDatResult_ = valueLabel("lblDatResult", QString(), this);
    QFont verdict = lblDatResult_->font();
    verdict.setBold(true);
    lblDatResult_->setFont(verdict);
    lblMatchRom_ = valueLabel("lblMatchRom", QString(), this);
    // Unwrapped: a wrapping label asks its layout for room it then leaves empty.
    lblDatResult_->setWordWrap(false);
    lblMatchRom_->setWordWrap(false);
    auto* answer = new QVBoxLayout;
    answer->setSpacing(0);
    answer->addWidget(lblDatResult_);
    answer->addWidget(lblMatchRom_);
    form->addRow(QString(), answer);

    lblCompareFile_ = valueLabel("lblCompareFile", QStringLiteral("None chosen"), this);
    cmdCompare_ = button("cmdCompare", QStringLiteral("Compare &With…"), this);
    connect(cmdCompare_, &QPushButton::clicked, this, &CheckView::cmdCompare_Click);
    form->addRow(QStringLiteral("Compare:"), withButton(lblCompareFile_, cmdCompare_));
    lblCompare_ = valueLabel("lblCompare", QString(), this);
    lblCompare_->setFont(verdict);
    form->addRow(QString(), lblCompare_);

    QPushButton* closeButton = button("cmdCheckClose", QStringLiteral("&Close"), this);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(closeButton);

    auto* page = new QVBoxLayout(this);
    page->addLayout(form);
    page->addStretch(1);
    page->addLayout(closeRow);
    // Room for a SHA-1 beside its caption without a line break.
    setMinimumWidth(fontMetrics().horizontalAdvance(QString(64, QLatin1Char('0'))));
}

}  // namespace quillon::ui

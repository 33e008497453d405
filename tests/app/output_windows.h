#pragma once

#include <QAccessible>
#include <QListView>
#include <QStringList>

#include "app/frm_game_loader.h"
#include "ui/output_window.h"

namespace quillon::testing {

// The output window of the latest run, or nothing when none was opened.
inline ui::OutputWindow* latestOutputWindow(app::frmGameLoader& window) {
    const auto windows = window.findChildren<ui::OutputWindow*>();
    return windows.isEmpty() ? nullptr : windows.back();
}

// The output's rows as assistive technology reads them (it must be active); sorted: the two
// streams are read apart, so the order between them is not the tool's.
inline QStringList shownRows(ui::OutputWindow* output, bool sorted = true) {
    QAccessibleInterface* list =
        QAccessible::queryAccessibleInterface(output->findChild<QListView*>("lstOutput"));
    QStringList rows;
    for (int row = 0; row < list->childCount(); ++row) {
        rows << list->child(row)->text(QAccessible::Name);
    }
    if (sorted) rows.sort();
    return rows;
}

}  // namespace quillon::testing

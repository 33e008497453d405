#pragma once

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QStringList>

#include "app/frm_game_loader.h"
#include "ui/output_window.h"
#include "window_harness.h"

namespace quillon::testing {

// The stand-in tool first on PATH, found as the real one would be; assistive technology active,
// as when a screen reader listens: Qt then keeps its view of the output's rows up to date.
inline void prepareRunsHere() {
    QAccessible::setActive(true);
    // Under wine the build's folder has no drive; it is on the one the test starts on.
    qputenv("PATH", QFile::encodeName(QDir::toNativeSeparators(
                        QFileInfo(QUILLON_STAND_IN_TOOL_FOLDER).absoluteFilePath())) +
                        QDir::listSeparator().toLatin1() + qgetenv("PATH"));
}

// The window opened over a folder holding the ROM "roms/cart.a78" and an empty "dumps".
inline bool openOverARom(WindowHarness& h) {
    if (h.make("roms/cart.a78", 2048).isEmpty() || h.make("dumps").isEmpty()) {
        return false;
    }
    h.open();
    return true;
}

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

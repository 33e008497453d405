#pragma once

#include <QList>
#include <QObject>

class QAction;
class QLabel;
class QPoint;
class QPushButton;

namespace quillon::app {

// The context menu of a page's command preview, in place of the label's
// own Copy and Select All (which would copy the preview's text rather than
// a line a shell can run). Each feature adds its items in turn; those that
// act on the page's command are offered exactly while the page's action
// button is enabled: a command the button would not start is not worth
// copying or running either.
class PreviewMenu : public QObject {
public:
    PreviewMenu(QLabel* preview, QPushButton* action);

    // Adds `item` below the items added before it; with `followsButton` it is
    // enabled exactly while the page's action button is.
    void add(QAction* item, bool followsButton);
    void addSeparator();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMenu(const QPoint& where);

    QLabel* preview_;
    QPushButton* action_;
    QList<QAction*> items_;
    QList<QAction*> following_;
};

}  // namespace quillon::app

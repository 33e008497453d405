#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "output/run_report.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace quillon::ui {

class OutputModel;
class ToolRun;

// The window of one run of the tool: the command line, the output as it
// arrives (following the end unless the user has scrolled up), a line to
// answer the tool's questions, the time it has taken and how it ended, and
// the log to copy or save. A failed run also lists the computer's parallel
// ports, read from `portSource`. It takes the run as its own.
//
// Closing it while the tool runs asks first: it never kills the tool
// unasked, and never leaves it running without a window.
class OutputWindow : public QWidget {
    Q_OBJECT
public:
    OutputWindow(ToolRun* run, const QString& action, const QString& commandLine,
                 std::string portSource, QWidget* parent);

    ToolRun& run() const { return *run_; }
    // Stops the tool if it runs, and closes once it has ended, without asking.
    void stopAndClose();
    // The whole log, as "&Copy Log" copies it.
    QString logText() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build(const QString& commandLine);
    void showOutput();
    void showState();
    void runEnded();
    void sendInput();
    void copySelectedLines();
    void copyLog();
    void saveLog();

    ToolRun* run_;
    QString commandLine_;
    std::string portSource_;
    std::vector<std::string> ports_;
    OutputModel* model_;
    QLineEdit* txtCommand_;
    QListView* lstOutput_;
    QLabel* lblPorts_;
    QLineEdit* txtInput_;
    QLabel* lblOutcome_;
    QLabel* lblElapsed_;
    QPushButton* cmdStop_;
    QTimer clock_;
    bool closeWhenEnded_ = false;
};

}  // namespace quillon::ui

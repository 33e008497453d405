#pragma once

#include <QAbstractListModel>
#include <QFont>
#include <cstdint>
#include <optional>
#include <string_view>

#include "output/line_store.h"

namespace quillon::output {
class ToolOutput;
}

namespace quillon::ui {

// The text of a line of output: UTF-8 where it is valid, else the system's
// 8-bit code page (a Windows console tool writes in that).
QString outputText(std::string_view bytes);

// The lines of a run as a list: the last lines the run keeps for a view,
// then the lines not finished yet. It changes only when told to catch up,
// so that a stream of lines reaches the view in batches. Lines the tool
// wrote to standard error are drawn in an error colour and announced as
// such to assistive technology, which gets no colour.
class OutputModel : public QAbstractListModel {
public:
    OutputModel(const output::ToolOutput& output, QFont font, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Brings the rows in step with the run: drops the rows the run no longer
    // keeps, adds the lines finished since, and redraws the unfinished ones.
    // Returns how many rows were dropped from the top.
    int catchUp();

private:
    std::optional<output::Line> lineAt(std::size_t row) const;

    const output::ToolOutput& output_;
    QFont font_;
    std::size_t first_ = 0;  // the run's index of the first row
    std::size_t end_ = 0;    // one past the run's index of the last finished row
    int open_ = 0;           // rows of unfinished lines after them
    std::uint64_t openVersion_ = 0;
    int lineWidth_ = 0;  // of the longest line so far, in pixels
    int lineHeight_ = 0;
};

}  // namespace quillon::ui

#pragma once
// What the chart's menu needs from the window that holds the chart: the save and print
// dialogs, the error box, and what is printed above the chart. The window provides them;
// tests put a recording double in their place.

#include <QString>
#include <QStringList>

class QPrinter;

namespace chart {

class ChartHost {
  public:
    virtual ~ChartHost() = default;

    // The path chosen in a save dialog, or an empty string when the user cancels. `filters` are
    // the dialog's file types ("Рисунок PNG (*.png)"); `selectedFilter` holds the one offered
    // first and receives the one chosen; `suggestedName` is the file name offered. The dialog
    // asks nothing about existing files: the name may still change.
    virtual QString saveFileName(const QString& caption, const QString& suggestedName,
                                 const QStringList& filters, QString* selectedFilter) = 0;
    // Whether the existing file at `path` may be replaced; asked once a name is final.
    virtual bool confirmOverwrite(const QString& path) = 0;
    // The print dialog for this printer; false when the user cancels.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // The program's error box.
    virtual void showError(const QString& message) = 0;
    // The lines printed above the chart: the window's heading, then each prompt with the value
    // typed beside it.
    virtual QStringList documentHeader() const = 0;
};

}  // namespace chart

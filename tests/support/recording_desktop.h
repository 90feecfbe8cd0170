#pragma once
// A desktop that records what the program would show or open instead of showing it.

#include <QPrinter>
#include <QStringList>
#include <QUrl>
#include <vector>

#include "ui/desktop.h"

namespace testing_support {

class RecordingDesktop final : public ui::Desktop {
  public:
    void showMessage(const QString& text) override { messages.push_back(text); }
    void showError(const QString& message) override { errors.push_back(message); }
    void openUrl(const QUrl& url) override { urls.push_back(url); }
    // Answers the save dialog with `savePath` (empty: cancelled) and the type `saveFilter`,
    // when one is set.
    QString saveFileName(const QString& caption, const QString& suggestedName,
                         const QStringList& filters, QString* selectedFilter) override {
        saveDialogs.push_back({caption, suggestedName, filters, *selectedFilter});
        if (!saveFilter.isEmpty()) *selectedFilter = saveFilter;
        return savePath;
    }
    bool confirmOverwrite(const QString& path) override {
        overwriteQuestions << path;
        return overwrite;
    }
    // Answers the print dialog: accepted when `printTo` names a PDF file to print into.
    bool choosePrinter(QPrinter& printer) override {
        ++printDialogs;
        if (printTo.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return true;
    }

    void clear() {
        messages.clear();
        errors.clear();
        urls.clear();
        saveDialogs.clear();
        overwriteQuestions.clear();
        printDialogs = 0;
    }

    struct SaveDialog {
        QString caption;
        QString suggestedName;
        QStringList filters;
        QString offeredFilter;
    };

    QStringList messages;
    QStringList errors;
    std::vector<QUrl> urls;
    std::vector<SaveDialog> saveDialogs;
    int printDialogs = 0;
    QStringList overwriteQuestions;
    bool overwrite = true;  // the answer to them
    QString savePath;
    QString saveFilter;
    QString printTo;
};

}  // namespace testing_support

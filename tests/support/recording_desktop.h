#pragma once
// A desktop that records what the program would show or open instead of showing it.

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

    void clear() {
        messages.clear();
        errors.clear();
        urls.clear();
    }

    QStringList messages;
    QStringList errors;
    std::vector<QUrl> urls;
};

}  // namespace testing_support

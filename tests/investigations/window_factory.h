#pragma once
// Makes any of the seven investigation windows by its name, and drives it as a user does.

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "chart/chart_widget.h"
#include "investigations/investigation_windows.h"
#include "ui/controls.h"

namespace testing_support {

inline std::unique_ptr<investigations::InvestigationFrame> makeInvestigation(const QString& name,
                                                                             ui::Desktop& desktop) {
    if (name == "Form9") return std::make_unique<TForm9>(desktop);
    if (name == "Form24") return std::make_unique<TForm24>(desktop);
    if (name == "Form20") return std::make_unique<TForm20>(desktop);
    if (name == "Form26") return std::make_unique<TForm26>(desktop);
    if (name == "Form28") return std::make_unique<TForm28>(desktop);
    if (name == "Form16") return std::make_unique<TForm16>(desktop);
    if (name == "Form22") return std::make_unique<TForm22>(desktop);
    return nullptr;
}

// The window as when first shown: its labels sized to their texts, its fields named.
inline std::unique_ptr<investigations::InvestigationFrame> makeLaidOut(const QString& name,
                                                                       ui::Desktop& desktop) {
    auto window = makeInvestigation(name, desktop);
    if (window) ui::layOutTexts(window.get());
    return window;
}

inline const QStringList& investigationNames() {
    static const QStringList names{"Form9",  "Form24", "Form20", "Form26",
                                   "Form28", "Form16", "Form22"};
    return names;
}

// Replaces the field's text by typing: select all, delete, then one key click per character.
inline void typeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// Types the five texts (Edit1..Edit5) and presses "Построить график" with the mouse.
inline void typeAndBuild(investigations::InvestigationFrame& window, const QStringList& fields) {
    for (int i = 0; i < fields.size(); ++i) typeInto(window.field(i + 1), fields[i]);
    QTest::mouseClick(window.control<QPushButton>("Button1"), Qt::LeftButton);
}

inline chart::LineSeries& series(investigations::InvestigationFrame& window, const char* name) {
    chart::LineSeries* const s = window.chart()->data().series(QString::fromLatin1(name));
    Q_ASSERT(s);
    return *s;
}

}  // namespace testing_support

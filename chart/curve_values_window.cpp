#include "chart/curve_values_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "chart/chart_texts.h"

namespace chart {

CurveValuesWindow::CurveValuesWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool), span_(new QLabel(this)), view_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("CurveValues"));
    setWindowTitle(chartText(QT_TRANSLATE_NOOP("Chart", "Значения кривых")));
    setAttribute(Qt::WA_DeleteOnClose, false);
    span_->setObjectName(QStringLiteral("Span"));
    view_->setObjectName(QStringLiteral("Table"));
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setAccessibleName(windowTitle());
    auto* const copy =
        new QPushButton(chartText(QT_TRANSLATE_NOOP("Chart", "Копировать таблицу")), this);
    copy->setObjectName(QStringLiteral("Copy"));
    connect(copy, &QPushButton::clicked, this, &CurveValuesWindow::copyTable);
    auto* const shortcut = new QShortcut(QKeySequence::Copy, this);
    connect(shortcut, &QShortcut::activated, this, &CurveValuesWindow::copyTable);
    auto* const layout = new QVBoxLayout(this);
    layout->addWidget(span_);
    layout->addWidget(view_);
    layout->addWidget(copy, 0, Qt::AlignRight);
}

QString CurveValuesWindow::span() const { return span_->text(); }

void CurveValuesWindow::setCurves(const std::vector<CurvePoints>& curves, const QString& span) {
    span_->setText(span);
    table_ = valuesTable(curves, QLocale());
    view_->clear();
    view_->setColumnCount(static_cast<int>(table_.header.size()));
    view_->setRowCount(static_cast<int>(table_.rows.size()));
    // Column titles on two lines, the unit below, so that the columns stay narrow.
    QStringList titles = table_.header;
    for (QString& title : titles) title.replace(QStringLiteral(", "), QStringLiteral(",\n"));
    view_->setHorizontalHeaderLabels(titles);
    for (int r = 0; r < view_->rowCount(); ++r) {
        const QStringList& row = table_.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < view_->columnCount(); ++c) {
            auto* const item = new QTableWidgetItem(row.value(c));
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            if (c == 0) item->setForeground(curves[static_cast<std::size_t>(r)].colour);
            view_->setItem(r, c, item);
        }
    }
    view_->resizeColumnsToContents();
    view_->resizeRowsToContents();
    // Wide enough for every column, so that nothing needs scrolling.
    int width = view_->frameWidth() * 2;
    for (int c = 0; c < view_->columnCount(); ++c) width += view_->columnWidth(c);
    int height = view_->frameWidth() * 2 + view_->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < view_->rowCount(); ++r) height += view_->rowHeight(r);
    view_->setMinimumWidth(width);
    view_->setFixedHeight(height);
    adjustSize();
}

void CurveValuesWindow::copyTable() const {
    QGuiApplication::clipboard()->setText(tabSeparated(table_));
}

}  // namespace chart

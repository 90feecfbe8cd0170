#pragma once
// A window's table, or the navigation table, names something that does not exist. It is a fault
// of the program, found while the windows are made at start-up, never at a student's click.

#include <QString>
#include <stdexcept>

namespace ui {

class TableError : public std::logic_error {
  public:
    // table: whose table it is ("Form22", "navigation"); what: what is missing ("series Series13").
    TableError(const QString& table, const QString& what)
        : std::logic_error(QStringLiteral("%1: no %2").arg(table, what).toStdString()) {}
};

}  // namespace ui

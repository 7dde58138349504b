// ReportBox: the message box that ends a paste or an import with remarks:
// what was done, then the rows and cells that were changed or left out. A
// long list (a file from a radio with hundreds of channels) shows its first
// lines and keeps the whole list under "Show Details...".
#pragma once

#include <QMessageBox>
#include <string>
#include <vector>

class QWidget;

void ShowReport(QWidget* parent, QMessageBox::Icon icon, const QString& summary,
                const std::vector<std::string>& lines);

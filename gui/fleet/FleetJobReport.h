// The fleet job's report as the user keeps it: the CSV file "Save Report..."
// writes and the page "Print Report..." prints, both from one FleetJob.
#pragma once

#include <QString>

#include "fleet/FleetJob.h"

class QPrinter;

// Writes the job report as CSV; false with `error` set on failure.
bool SaveFleetJobReport(const dpmr::FleetJob& job, const QString& path, QString& error);
// The report's rows as the print shows them.
QString FleetJobReportHtml(const dpmr::FleetJob& job);
// Draws the job report onto `printer` (the print preview's pages).
void PrintFleetJobReport(const dpmr::FleetJob& job, QPrinter* printer);

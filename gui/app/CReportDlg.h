// CReportDlg: Help > "Report a Problem...". Lists what the problem report
// holds (ProblemReport: version and system, the connection doctor's
// findings, settings, the backups list, the last wire traces and, while
// "Include the open configuration" stays ticked, the configuration with its
// identity replaced) before anything is written; "Save Report..." writes it
// as one .tar.gz file for the user to attach. Nothing is sent anywhere.
#pragma once

#include <QDialog>
#include <vector>

#include "app/AppContext.h"
#include "report/ProblemReport.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class CReportDlg : public QDialog {
    Q_OBJECT
  public:
    // `codeplug` is the open configuration with the channel table stored.
    CReportDlg(const AppContext& context, const dpmr::RadioImage& codeplug,
               QWidget* parent = nullptr);

    QCheckBox* codeplugBox() const { return codeplug_; }
    QPlainTextEdit* contentsView() const { return contents_; }
    QLabel* messageLabel() const { return message_; }
    const std::vector<dpmr::ReportPart>& Parts() const { return parts_; }

    // Writes the report listed; false with `error` set when it could not be.
    bool SaveTo(const QString& path, QString& error);

  private:
    void Gather();
    void OnSave();

    const AppContext& context_;
    dpmr::RadioImage image_;
    std::vector<dpmr::ReportPart> parts_;
    QCheckBox* codeplug_ = nullptr;
    QPlainTextEdit* contents_ = nullptr;
    QLabel* message_ = nullptr;
};

// FileChoice: the file dialog behind every File command that reads or writes
// a file (Open, Save As, Open Backup, Export, Import, the channel CSV
// commands), so that they all behave alike: one filter, a default suffix, a
// suggested file or folder, and a shortcut (symbolic link) chosen to open
// opening its target.
#pragma once

#include <QSize>
#include <QString>

class QWidget;

struct FileChoice {
    QString title;
    QString filter;  // "CSV files (*.csv);;All Files (*)"
    QString suffix;  // added to a name typed without one when saving
};

// The file the user chose, or an empty string when they cancelled.
QString ChooseFileInDialog(QWidget* parent, bool forSave, const FileChoice& choice,
                           const QString& suggested);

// The size a file dialog opens with: room for the names with their sizes,
// types and dates, within nine tenths of the screen.
QSize FileDialogSize(const QWidget* parent);

// Where a file made from the document should be suggested: beside the
// document, with its name and `suffix` ("radio.dat" -> "radio.yaml"), or
// `fallback` for a document that has no file yet.
QString SuggestBesideDocument(const QString& documentPath, const QString& suffix,
                              const QString& fallback);

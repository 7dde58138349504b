// DocumentQuestions: what the document controller asks and says about the
// document's file: before Save replaces a file changed elsewhere or longer
// than a radio image, when the file changed on disk (Reload or Keep Mine),
// "Save changes?", and the note on temporary files an unfinished save left.
#pragma once

#include <QString>

#include "image/DocumentSession.h"

class QWidget;

// The temporary files a killed save had left beside `path`, removed now, as
// a note for the status bar (empty: there were none). At open it adds that
// the file itself is whole.
QString StaleTemporariesNote(const QString& path, bool atOpen);

// Before Save replaces the document's own file `name`: asks when it changed
// on disk since it was opened or saved here, or holds more than a radio
// image; else kReplace without asking.
enum class ReplaceAnswer { kReplace, kSaveAs, kCancel };
ReplaceAnswer AskBeforeReplacing(QWidget* window, const QString& caption, const QString& name,
                                 const dpmr::DocumentSession& session);

// The file `name` changed on disk at `now`: true for Reload, false for Keep
// Mine (the default when the document has changes of its own).
bool AskReloadChangedFile(QWidget* window, const QString& caption, const QString& name,
                          const dpmr::FileStamp& now, bool modified);

// "Save changes?": the QMessageBox button chosen (Save, Discard or Cancel).
int AskSaveChanges(QWidget* window, const QString& caption, const QString& name);

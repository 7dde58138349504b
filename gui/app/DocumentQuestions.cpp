// DocumentQuestions: the questions and notes about the document's file.
#include "app/DocumentQuestions.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "form/QtText.h"
#include "image/Document.h"
#include "util/FileIo.h"

namespace {

// A file's last change as the user reads it: "2026-12-08 09:40:12".
QString TimeText(const dpmr::FileStamp& stamp) {
    return QDateTime::fromMSecsSinceEpoch(stamp.mtimeNs / 1000000).toString("yyyy-MM-dd HH:mm:ss");
}

}  // namespace

// The temporary files a killed save had left beside `path`, removed now.
// What the file holds is whole: the rename is the last step of a save, so
// it holds what it held before that save, or all of it.
QString StaleTemporariesNote(const QString& path, bool atOpen) {
    const std::vector<std::string> removed = dpmr::RemoveStaleTemporaries(path.toStdString());
    if (removed.empty()) return {};
    const QString name = QFileInfo(path).fileName();
    QString note = removed.size() > 1
                       ? QCoreApplication::translate(
                             "DocumentQuestions",
                             " An earlier save of %1 did not finish; the temporary file it left "
                             "(%2 and %3 more) was removed.")
                             .arg(name, ToQt(removed.front()))
                             .arg(removed.size() - 1)
                       : QCoreApplication::translate(
                             "DocumentQuestions",
                             " An earlier save of %1 did not finish; the temporary file it left "
                             "(%2) was removed.")
                             .arg(name, ToQt(removed.front()));
    if (atOpen)
        note += QCoreApplication::translate("DocumentQuestions",
                                            " %1 itself is whole, as last saved on %2.")
                    .arg(name, TimeText(dpmr::FileStamp::OfFile(path.toStdString())));
    return note;
}

ReplaceAnswer AskBeforeReplacing(QWidget* window, const QString& caption, const QString& name,
                                 const dpmr::DocumentSession& session) {
    const dpmr::FileStamp now = dpmr::FileStamp::OfFile(session.path());
    QString question, why;
    if (session.ChangedOnDisk(now)) {
        question = QCoreApplication::translate("DocumentQuestions",
                                               "Replace the changes made to %1 elsewhere?")
                       .arg(name);
        why = QCoreApplication::translate(
                  "DocumentQuestions",
                  "%1 was changed on disk on %2, by another program or window, since it was "
                  "opened or saved here. Saving replaces those changes with this document.")
                  .arg(name, TimeText(now));
    } else if (now.exists && now.size > dpmr::RadioImage::kSize) {
        question = QCoreApplication::translate("DocumentQuestions", "Replace all of %1?").arg(name);
        why = QCoreApplication::translate(
                  "DocumentQuestions",
                  "%1 holds %2 bytes, more than a radio image. Saving replaces it with the "
                  "%3 bytes of this document, and the rest is lost.")
                  .arg(name)
                  .arg(now.size)
                  .arg(dpmr::RadioImage::kSize);
    } else {
        return ReplaceAnswer::kReplace;
    }
    QMessageBox box(QMessageBox::Warning, caption, question,
                    QMessageBox::Save | QMessageBox::Cancel, window);
    box.setObjectName("replaceFileBox");
    box.setInformativeText(why);
    box.button(QMessageBox::Save)
        ->setText(QCoreApplication::translate("DocumentQuestions", "&Replace"));
    QPushButton* saveAs = box.addButton(
        QCoreApplication::translate("DocumentQuestions", "Save &As..."), QMessageBox::AcceptRole);
    saveAs->setObjectName("saveAsButton");
    box.setDefaultButton(saveAs);
    box.exec();
    if (box.clickedButton() == saveAs) return ReplaceAnswer::kSaveAs;
    return box.clickedButton() == box.button(QMessageBox::Save) ? ReplaceAnswer::kReplace
                                                                : ReplaceAnswer::kCancel;
}

bool AskReloadChangedFile(QWidget* window, const QString& caption, const QString& name,
                          const dpmr::FileStamp& now, bool modified) {
    QMessageBox box(
        QMessageBox::Warning, caption,
        QCoreApplication::translate("DocumentQuestions", "%1 was changed on disk.").arg(name),
        QMessageBox::Yes | QMessageBox::No, window);
    box.setObjectName("changedOnDiskBox");
    box.setInformativeText(
        (modified ? QCoreApplication::translate(
                        "DocumentQuestions",
                        "Another program or window saved it on %1, after it was opened or saved "
                        "here, and this document has changes of its own. Reload puts the file's "
                        "content here (Undo brings this document back); Keep Mine keeps this "
                        "document, and Save then replaces the file with it.")
                  : QCoreApplication::translate(
                        "DocumentQuestions",
                        "Another program or window saved it on %1, after it was opened or saved "
                        "here. Reload puts the file's content here (Undo brings this document "
                        "back); Keep Mine keeps this document, and Save then replaces the file "
                        "with it."))
            .arg(TimeText(now)));
    box.button(QMessageBox::Yes)
        ->setText(QCoreApplication::translate("DocumentQuestions", "&Reload"));
    box.button(QMessageBox::No)
        ->setText(QCoreApplication::translate("DocumentQuestions", "&Keep Mine"));
    box.setDefaultButton(modified ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

int AskSaveChanges(QWidget* window, const QString& caption, const QString& name) {
    QMessageBox box(QMessageBox::Warning, caption,
                    QCoreApplication::translate("DocumentQuestions", "Save changes?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
    box.setObjectName("saveChangesBox");
    box.setInformativeText(QCoreApplication::translate("DocumentQuestions",
                                                       "The radio data in \"%1\" has been changed.")
                               .arg(name));
    box.setDefaultButton(QMessageBox::Save);
    return box.exec();
}
